#pragma once

// The page as the windows' desktop: the element they lie on, which of them
// is in front, where the focus goes when one goes, and the visible part of
// the page that windows are centred on and arranged for.

#include <emscripten/val.h>

namespace orvanta::platform {

using emscripten::val;

val DesktopElement();

// Brings the window holding element in front of the others.
void BringToFront(val element);

// As on a desktop, the window in front of the rest becomes active, its
// focus where it was; for when the window that had the focus has gone.
void ActivateFrontWindow();

// The visible part of the page, in CSS pixels.
struct Viewport
{
    double width = 0;
    double height = 0;
};
Viewport CurrentViewport();

} // namespace orvanta::platform
