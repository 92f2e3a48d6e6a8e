#pragma once

#include <windows.h>

#include "handles.h"

namespace orvanta::platform {

// A picture from the program's resources (RCDATA), decoded once and kept as
// a 32-bit bitmap with premultiplied alpha, so transparent pixels show
// whatever lies beneath.
class Picture final
{
public:
    Picture() = default;
    // Throws when the resource is missing or cannot be decoded.
    explicit Picture(const wchar_t *resourceName);
    // Keeps only the top-left part of the picture, at most keep pixels of it:
    // for a picture that a window cuts off, what the window can show.
    Picture(const wchar_t *resourceName, SIZE keep);

    // In pixels of the picture itself.
    SIZE size() const { return m_size; }
    explicit operator bool() const { return m_bitmap != nullptr; }

    // Draws the picture with its top-left corner at (x, y), at its natural
    // size in device-independent pixels: one picture pixel per pixel at 96
    // DPI, scaled like every other length at other DPIs.
    void draw(HDC dc, int x, int y, int dpi) const;

private:
    UniqueBitmap m_bitmap;
    SIZE m_size{};
};

} // namespace orvanta::platform
