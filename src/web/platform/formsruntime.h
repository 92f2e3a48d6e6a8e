#pragma once

namespace orvanta::platform {

// Called once the program has ended and the event that ended it is done:
// frees the program's windows.
void OnEnd(void (*release)());

} // namespace orvanta::platform
