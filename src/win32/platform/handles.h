#pragma once

// Owning wrappers for the handles and COM objects the program creates. A
// window owns its child windows, so HWNDs stay plain, non-owning values.

#include <memory>
#include <type_traits>

#include <windows.h>

namespace orvanta::platform {

struct GdiObjectDeleter
{
    void operator()(void *object) const noexcept { DeleteObject(static_cast<HGDIOBJ>(object)); }
};

template<typename Handle>
using UniqueGdiObject = std::unique_ptr<std::remove_pointer_t<Handle>, GdiObjectDeleter>;

using UniqueFont = UniqueGdiObject<HFONT>;
using UniqueBitmap = UniqueGdiObject<HBITMAP>;
using UniquePen = UniqueGdiObject<HPEN>;

struct AcceleratorDeleter
{
    void operator()(HACCEL table) const noexcept { DestroyAcceleratorTable(table); }
};
using UniqueAccelerator = std::unique_ptr<std::remove_pointer_t<HACCEL>, AcceleratorDeleter>;

// Selects an object into a device context for the scope, then restores what
// was there.
class SelectedObject final
{
public:
    SelectedObject(HDC dc, HGDIOBJ object)
        : m_dc(dc)
        , m_previous(SelectObject(dc, object))
    {
    }
    ~SelectedObject() { SelectObject(m_dc, m_previous); }
    SelectedObject(const SelectedObject &) = delete;
    SelectedObject &operator=(const SelectedObject &) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};

// One reference to a COM object, released with it.
struct ComReleaser
{
    template<typename Interface>
    void operator()(Interface *object) const noexcept
    {
        object->Release();
    }
};
template<typename Interface>
using ComPtr = std::unique_ptr<Interface, ComReleaser>;

} // namespace orvanta::platform
