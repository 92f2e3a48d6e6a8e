#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace orvanta::forms {

// A rectangle of a picture, in its pixels.
struct PixelRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    bool operator==(const PixelRect &) const = default;
};

// Where a part of a decoded picture goes: given the part, a buffer of its
// width x height pixels, rows from the top, each pixel 0xAARRGGBB with the
// colour premultiplied by alpha. In memory that is B, G, R, A on a
// little-endian machine, so a Windows DIB section and Qt's
// ARGB32_Premultiplied image take the pixels as they are.
using PixelDestination = std::function<std::uint32_t *(const PixelRect &part)>;

// Decodes a JPEG (baseline or progressive) or the first frame of a GIF, whose
// transparent colour gets alpha 0, and writes each of parts, cut to the
// picture, to the destination; a part outside the picture is left out.
// Throws std::runtime_error when the file cannot be decoded, before asking
// for any destination.
void DecodePicture(std::span<const unsigned char> file, std::span<const PixelRect> parts,
                   const PixelDestination &destination);

} // namespace orvanta::forms
