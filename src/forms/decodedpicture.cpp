#include "decodedpicture.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

// One small decoder for the desktop adapters, compiled in here. Unlike the
// toolkits' own (Qt's plugins, WIC and the five DLLs it loads under Windows)
// it needs nothing started, so a window's picture can be decoded first thing,
// while the process is still small.
#define STBI_ONLY_JPEG
#define STBI_ONLY_GIF
#define STBI_NO_STDIO
#define STBI_NO_LINEAR
#define STBI_NO_HDR
#define STBI_MAX_DIMENSIONS 16384
#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb_image.h>

namespace orvanta::forms {
namespace {

struct StbFree
{
    void operator()(stbi_uc *pixels) const { stbi_image_free(pixels); }
};

std::runtime_error DecodeError()
{
    return std::runtime_error(std::string("picture cannot be decoded: ") + stbi_failure_reason());
}

std::uint32_t OpaquePixel(const stbi_uc *rgb)
{
    return 0xFF000000u | std::uint32_t{rgb[0]} << 16 | std::uint32_t{rgb[1]} << 8 | rgb[2];
}

std::uint32_t PremultipliedPixel(const stbi_uc *rgba)
{
    const std::uint32_t alpha = rgba[3];
    const auto scaled = [alpha](std::uint32_t colour) { return (colour * alpha + 127) / 255; };
    return alpha << 24 | scaled(rgba[0]) << 16 | scaled(rgba[1]) << 8 | scaled(rgba[2]);
}

} // namespace

void DecodePicture(std::span<const unsigned char> file, std::span<const PixelRect> parts,
                   const PixelDestination &destination)
{
    if (file.size() > static_cast<std::size_t>(INT_MAX))
        throw std::runtime_error("picture file too large");
    const auto length = static_cast<int>(file.size());
    int width = 0;
    int height = 0;
    int channels = 0;
    if (!stbi_info_from_memory(file.data(), length, &width, &height, &channels))
        throw DecodeError();
    // Three bytes a pixel unless the picture has an alpha channel: the whole
    // picture is held while it is decoded.
    channels = channels == 2 || channels == 4 ? 4 : 3;
    const std::unique_ptr<stbi_uc, StbFree> decoded(
        stbi_load_from_memory(file.data(), length, &width, &height, nullptr, channels));
    if (!decoded)
        throw DecodeError();

    const auto rowBytes = static_cast<std::size_t>(width) * static_cast<std::size_t>(channels);
    for (const PixelRect &wanted : parts) {
        const auto cut = [](std::int64_t edge, int low, int high) {
            return static_cast<int>(std::clamp<std::int64_t>(edge, low, high));
        };
        const int left = cut(wanted.left, 0, width);
        const int top = cut(wanted.top, 0, height);
        const int right = cut(std::int64_t{wanted.left} + std::max(wanted.width, 0), left, width);
        const int bottom = cut(std::int64_t{wanted.top} + std::max(wanted.height, 0), top, height);
        if (left == right || top == bottom)
            continue;
        std::uint32_t *out = destination({left, top, right - left, bottom - top});
        for (int y = top; y < bottom; ++y) {
            const stbi_uc *pixel = decoded.get() + static_cast<std::size_t>(y) * rowBytes
                                   + static_cast<std::size_t>(left) * static_cast<std::size_t>(channels);
            for (int x = left; x < right; ++x, pixel += channels)
                *out++ = channels == 4 ? PremultipliedPixel(pixel) : OpaquePixel(pixel);
        }
    }
}

} // namespace orvanta::forms
