#pragma once

#include <windows.h>

#include "design.h"

namespace orvanta::platform {

// The windows are designed in twips (1/1440 inch). On screen they become
// pixels at the DPI of the monitor the window is on; this is the one place
// where that happens, with the shared rounding (forms::TwipsToPixels).

// The window's DPI; the standard 96 before the window exists.
int WindowDpi(HWND window);

inline int Twips(int twips, int dpi)
{
    return forms::TwipsToPixels(twips, dpi);
}

RECT TwipsRect(const forms::TwipsRect &rect, int dpi);

// A length given in pixels at 96 DPI (a pen's width, a picture's size) at dpi.
inline int ScaledPixels(int pixels, int dpi)
{
    return MulDiv(pixels, dpi, forms::StandardDpi);
}

} // namespace orvanta::platform
