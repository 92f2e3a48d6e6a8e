#pragma once

// Owning wrappers for the handles and COM objects the program creates. A
// window owns its child windows, so HWNDs stay plain, non-owning values.

#include <memory>
#include <type_traits>
#include <utility>

#include <windows.h>
#include <objbase.h>

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

// One reference to a COM object.
template<typename Interface>
class ComPtr final
{
public:
    ComPtr() = default;
    ComPtr(const ComPtr &) = delete;
    ComPtr &operator=(const ComPtr &) = delete;
    ComPtr(ComPtr &&other) noexcept
        : m_object(std::exchange(other.m_object, nullptr))
    {
    }
    ComPtr &operator=(ComPtr &&other) noexcept
    {
        if (this != &other) {
            reset();
            m_object = std::exchange(other.m_object, nullptr);
        }
        return *this;
    }
    ~ComPtr() { reset(); }

    Interface *get() const { return m_object; }
    Interface *operator->() const { return m_object; }
    explicit operator bool() const { return m_object != nullptr; }

    // For functions that hand out a new reference.
    Interface **put()
    {
        reset();
        return &m_object;
    }
    void **putVoid() { return reinterpret_cast<void **>(put()); }

    void reset()
    {
        if (m_object)
            std::exchange(m_object, nullptr)->Release();
    }

private:
    Interface *m_object = nullptr;
};

// COM for the thread's lifetime in it: the accessibility annotations are COM
// objects.
class ComApartment final
{
public:
    ComApartment()
        : m_initialised(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)))
    {
    }
    ~ComApartment()
    {
        if (m_initialised)
            CoUninitialize();
    }
    ComApartment(const ComApartment &) = delete;
    ComApartment &operator=(const ComApartment &) = delete;

private:
    bool m_initialised;
};

} // namespace orvanta::platform
