#pragma once

#include <cstdint>
#include <vector>

#include <windows.h>

#include "decodedpicture.h"
#include "design.h"
#include "handles.h"

namespace orvanta::platform {

// A picture from the program's resources (RCDATA), decoded once and kept as
// 32-bit DIB sections with premultiplied alpha, for GDI to blend: transparent
// pixels show whatever lies beneath.
class DibPicture final
{
public:
    DibPicture() = default;
    // The whole picture. Throws when the resource is missing or cannot be
    // decoded.
    explicit DibPicture(const forms::ResourceDesign &picture);
    // The parts of a window's background picture that the window can show
    // (forms::DecodeBackground).
    explicit DibPicture(const forms::WindowDesign &window);

    // Draws the picture with its top-left corner at (x, y), at its natural
    // size in device-independent pixels: one picture pixel per pixel at 96
    // DPI, scaled like every other length at other DPIs.
    void draw(HDC dc, int x, int y, int dpi) const;

private:
    // Where a decoded part goes: a new bitmap of its size.
    std::uint32_t *newPart(const forms::PixelRect &part);

    struct Part
    {
        forms::PixelRect rect;
        UniqueBitmap bitmap;
    };
    std::vector<Part> m_parts;
};

} // namespace orvanta::platform
