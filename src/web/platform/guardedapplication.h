#pragma once

#include "adapter.h"

namespace orvanta::platform {

// The report of run-time errors that escape a handler, for as long as the
// page runs the program. A C++ exception is caught where the page's events
// are dispatched (listeners.h); a JavaScript error, a DOM exception or a
// WebAssembly trap passes through the module's frames to the page
// (loader.js), which hands it back here. Either way it goes to
// forms::ReportRunTimeError, which ends the program.
struct GuardedApplication final
{
    GuardedApplication();
    // The browser's event loop runs the program: nothing to wait for here.
    int exec() { return 0; }
};

static_assert(forms::GuardedApplicationLike<GuardedApplication>);

} // namespace orvanta::platform
