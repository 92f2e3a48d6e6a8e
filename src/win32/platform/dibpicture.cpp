#include "dibpicture.h"

#include <span>
#include <climits>
#include <cstdint>
#include <stdexcept>
#include <system_error>

#include "background.h"
#include "decodedpicture.h"
#include "twips.h"
#include "utf8.h"
#include "winapi.h"

namespace orvanta::platform {
namespace {

std::span<const unsigned char> resourceBytes(const forms::ResourceDesign &picture)
{
    HINSTANCE module = ProgramInstance();
    HRSRC found = FindResourceW(module, FromUtf8(picture.resourceName).c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const void *data = loaded ? LockResource(loaded) : nullptr;
    if (!data)
        throw std::runtime_error("picture resource missing");
    return {static_cast<const unsigned char *>(data), SizeofResource(module, found)};
}

} // namespace

DibPicture::DibPicture(const forms::ResourceDesign &picture)
{
    const forms::PixelRect whole{0, 0, INT_MAX, INT_MAX};
    forms::DecodePicture(resourceBytes(picture), {&whole, 1},
                         [this](const forms::PixelRect &part) { return newPart(part); });
    GdiFlush();
}

DibPicture::DibPicture(const forms::WindowDesign &window)
{
    forms::DecodeBackground(window, resourceBytes(window.background),
                            [this](const forms::PixelRect &part) { return newPart(part); });
    GdiFlush();
}

std::uint32_t *DibPicture::newPart(const forms::PixelRect &part)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = part.width;
    info.bmiHeader.biHeight = -part.height; // top-down, as decoded
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *pixels = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!bitmap)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateDIBSection");
    m_parts.push_back({part, std::move(bitmap)});
    return static_cast<std::uint32_t *>(pixels);
}

void DibPicture::draw(HDC dc, int x, int y, int dpi) const
{
    HDC source = CreateCompatibleDC(dc);
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    for (const Part &part : m_parts) {
        const SelectedObject selected(source, part.bitmap.get());
        // Each edge scaled on its own, so that neighbouring parts meet.
        const int left = ScaledPixels(part.rect.left, dpi);
        const int top = ScaledPixels(part.rect.top, dpi);
        const int right = ScaledPixels(part.rect.left + part.rect.width, dpi);
        const int bottom = ScaledPixels(part.rect.top + part.rect.height, dpi);
        GdiAlphaBlend(dc, x + left, y + top, right - left, bottom - top, source, 0, 0, part.rect.width,
                      part.rect.height, blend);
    }
    DeleteDC(source);
}

} // namespace orvanta::platform
