#pragma once

// The default button of a window in the page: at most one per window,
// designated by the program and kept when the focus moves elsewhere, drawn
// as default. Enter in a text box of the window clicks it (window.h).

#include <emscripten/val.h>

namespace orvanta::platform {

using emscripten::val;

void SetDefaultButton(val button);
// The default button of the window root, or null.
val DefaultButton(val root);

} // namespace orvanta::platform
