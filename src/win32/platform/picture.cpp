#include "picture.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <stdexcept>
#include <system_error>

#include "decodedpicture.h"
#include "twips.h"
#include "window.h"

namespace orvanta::platform {
namespace {

struct ResourceBytes
{
    const BYTE *data;
    DWORD size;
};

ResourceBytes resourceBytes(const wchar_t *name)
{
    HINSTANCE module = ProgramInstance();
    HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void *data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        throw std::runtime_error("picture resource missing");
    return {static_cast<const BYTE *>(data), SizeofResource(module, found)};
}

} // namespace

Picture::Picture(const wchar_t *resourceName)
    : Picture(resourceName, SIZE{LONG_MAX, LONG_MAX})
{
}

Picture::Picture(const wchar_t *resourceName, SIZE keep)
{
    const ResourceBytes bytes = resourceBytes(resourceName);
    const auto clamped = [](LONG length) { return static_cast<int>(std::min<LONG>(length, INT_MAX)); };
    UniqueBitmap bitmap;
    const forms::PictureSize size = forms::DecodePicture(
        {bytes.data, bytes.size}, {clamped(keep.cx), clamped(keep.cy)}, [&bitmap](forms::PictureSize kept) {
            BITMAPINFO info{};
            info.bmiHeader.biSize = sizeof info.bmiHeader;
            info.bmiHeader.biWidth = kept.width;
            info.bmiHeader.biHeight = -kept.height; // top-down, as decoded
            info.bmiHeader.biPlanes = 1;
            info.bmiHeader.biBitCount = 32;
            info.bmiHeader.biCompression = BI_RGB;
            void *pixels = nullptr;
            bitmap.reset(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
            if (!bitmap)
                throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateDIBSection");
            return static_cast<std::uint32_t *>(pixels);
        });
    GdiFlush();
    m_bitmap = std::move(bitmap);
    m_size = {size.width, size.height};
}

void Picture::draw(HDC dc, int x, int y, int dpi) const
{
    if (!m_bitmap)
        return;
    HDC source = CreateCompatibleDC(dc);
    {
        const SelectedObject selected(source, m_bitmap.get());
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dc, x, y, ScaledPixels(m_size.cx, dpi), ScaledPixels(m_size.cy, dpi), source, 0, 0, m_size.cx,
                      m_size.cy, blend);
    }
    DeleteDC(source);
}

} // namespace orvanta::platform
