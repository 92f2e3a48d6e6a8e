#pragma once

// The forms operations of forms.h on Win32 controls, and what the Win32
// adapter adds to them.

#include "forms.h"

namespace orvanta::platform {

// Ends the program at once: every window is destroyed and the message loop
// left with exitCode. forms::End() is End(0).
void End(int exitCode = 0) noexcept;

} // namespace orvanta::platform
