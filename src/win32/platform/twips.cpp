#include "twips.h"

namespace orvanta::platform {

int WindowDpi(HWND window)
{
    const UINT dpi = window ? GetDpiForWindow(window) : GetDpiForSystem();
    return dpi ? static_cast<int>(dpi) : forms::StandardDpi;
}

RECT TwipsRect(const forms::TwipsRect &rect, int dpi)
{
    // Each value is rounded on its own, as the design's numbers expect.
    const int left = Twips(rect.left, dpi);
    const int top = Twips(rect.top, dpi);
    return {left, top, left + Twips(rect.width, dpi), top + Twips(rect.height, dpi)};
}

} // namespace orvanta::platform
