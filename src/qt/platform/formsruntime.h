#pragma once

// The forms operations of forms.h on Qt widgets, and what the Qt adapter
// adds to them.

#include "forms.h"

namespace orvanta::platform {

// Ends the program at once: every window is hidden and the event loop left
// with exitCode. forms::End() is End(0).
void End(int exitCode = 0);

} // namespace orvanta::platform
