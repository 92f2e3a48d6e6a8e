#pragma once

#include <windows.h>

#include "design.h"

namespace orvanta::platform {

// The frame Windows draws around a designed top-level window: the caption
// with the design's icon, the close box in the system menu, and a minimize
// box on the main window. The client area has the design's fixed size, so
// there is no maximize box. A dialog has no owner, and a taskbar button of
// its own.

// Registers the design's window class once and makes the window, its client
// area painted by the class's brush unless paintsBackground; object reaches
// windowProc with WM_NCCREATE.
HWND MakeFramedWindow(const forms::WindowDesign &design, WNDPROC windowProc, bool paintsBackground, void *object);

// Sizes the frame around the design's client area at dpi, below the menu
// bar if there is one; moves the frame to topLeft unless it is nullptr.
void SizeFrame(HWND window, const forms::WindowDesign &design, int dpi, const POINT *topLeft);

// Places the frame in the middle of its monitor's work area.
void CentreFrame(HWND window);

} // namespace orvanta::platform
