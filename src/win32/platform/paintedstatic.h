#pragma once

#include "nativecontrol.h"

namespace orvanta::platform {

// A Static the program paints itself, without flicker, on the background
// its parent gives static controls (WM_CTLCOLORSTATIC), and into a device
// context it is handed (WM_PRINTCLIENT).
class PaintedStatic : public NativeControl
{
protected:
    PaintedStatic(const forms::ControlDesign &design, DWORD style, HWND parent, int id, WindowFonts &fonts);

    // Draws the content on the background already filled in.
    virtual void paint(HDC dc, const RECT &area) = 0;
    LRESULT message(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void paintOn(HDC dc);
};

} // namespace orvanta::platform
