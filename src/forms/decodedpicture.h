#pragma once

#include <cstdint>
#include <functional>
#include <span>

namespace orvanta::forms {

// The size of a decoded picture, in its own pixels.
struct PictureSize
{
    int width = 0;
    int height = 0;
};

// Where a decoded picture goes: given the size kept, a buffer of width x
// height pixels, rows from the top, each pixel 0xAARRGGBB with the colour
// premultiplied by alpha. In memory that is B, G, R, A on a little-endian
// machine, so a Windows DIB section and Qt's ARGB32_Premultiplied image take
// the pixels as they are.
using PixelDestination = std::function<std::uint32_t *(PictureSize kept)>;

// Decodes a JPEG (baseline or progressive) or the first frame of a GIF, whose
// transparent colour gets alpha 0, and writes only its top-left keep part to
// the destination: for a picture a window cuts off, what the window can show.
// Returns the size kept. Throws std::runtime_error when the file cannot be
// decoded, before asking for a destination.
PictureSize DecodePicture(std::span<const unsigned char> file, PictureSize keep, const PixelDestination &destination);

} // namespace orvanta::forms
