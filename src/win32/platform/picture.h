#pragma once

#include <vector>

#include <windows.h>

#include "decodedpicture.h"
#include "handles.h"

namespace orvanta::platform {

// A picture from the program's resources (RCDATA), decoded once and kept as
// 32-bit bitmaps with premultiplied alpha, so transparent pixels show
// whatever lies beneath.
class Picture final
{
public:
    Picture() = default;
    // The whole picture. Throws when the resource is missing or cannot be
    // decoded.
    explicit Picture(const wchar_t *resourceName);
    // Only the given parts of the picture: for a picture that a window cuts
    // off or partly covers, what the window can show.
    Picture(const wchar_t *resourceName, const std::vector<forms::PixelRect> &parts);

    // Draws the picture with its top-left corner at (x, y), at its natural
    // size in device-independent pixels: one picture pixel per pixel at 96
    // DPI, scaled like every other length at other DPIs.
    void draw(HDC dc, int x, int y, int dpi) const;

private:
    struct Part
    {
        forms::PixelRect rect;
        UniqueBitmap bitmap;
    };
    std::vector<Part> m_parts;
};

} // namespace orvanta::platform
