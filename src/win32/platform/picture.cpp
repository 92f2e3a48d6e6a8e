#include "picture.h"

#include <algorithm>
#include <climits>
#include <stdexcept>
#include <system_error>

#include <wincodec.h>

#include "twips.h"
#include "window.h"

namespace orvanta::platform {
namespace {

void check(HRESULT result, const char *what)
{
    if (FAILED(result))
        throw std::system_error(static_cast<int>(result), std::system_category(), what);
}

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

    ComPtr<IWICImagingFactory> factory;
    check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                           factory.putVoid()),
          "WIC factory");
    ComPtr<IWICStream> stream;
    check(factory->CreateStream(stream.put()), "WIC stream");
    check(stream->InitializeFromMemory(const_cast<BYTE *>(bytes.data), bytes.size), "WIC stream");
    ComPtr<IWICBitmapDecoder> decoder;
    check(factory->CreateDecoderFromStream(stream.get(), nullptr, WICDecodeMetadataCacheOnDemand, decoder.put()),
          "WIC decoder");
    ComPtr<IWICBitmapFrameDecode> frame;
    check(decoder->GetFrame(0, frame.put()), "WIC frame");
    ComPtr<IWICFormatConverter> converter;
    check(factory->CreateFormatConverter(converter.put()), "WIC converter");
    check(converter->Initialize(frame.get(), GUID_WICPixelFormat32bppPBGRA, WICBitmapDitherTypeNone, nullptr, 0.0,
                                WICBitmapPaletteTypeCustom),
          "WIC converter");

    UINT fullWidth = 0;
    UINT fullHeight = 0;
    check(converter->GetSize(&fullWidth, &fullHeight), "WIC size");
    // Only the part kept is converted and copied: no bitmap, nor buffer of
    // the converter, for the rest.
    const UINT width = std::min<UINT>(fullWidth, static_cast<UINT>(std::max<LONG>(keep.cx, 0)));
    const UINT height = std::min<UINT>(fullHeight, static_cast<UINT>(std::max<LONG>(keep.cy, 0)));
    const WICRect part{0, 0, static_cast<INT>(width), static_cast<INT>(height)};
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = -static_cast<LONG>(height); // top-down, as WIC writes
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void *pixels = nullptr;
    UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    if (!bitmap)
        throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), "CreateDIBSection");
    const UINT stride = width * 4;
    check(converter->CopyPixels(&part, stride, stride * height, static_cast<BYTE *>(pixels)), "WIC pixels");
    GdiFlush();

    m_bitmap = std::move(bitmap);
    m_size = {static_cast<LONG>(width), static_cast<LONG>(height)};
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
