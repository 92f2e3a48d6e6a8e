#pragma once

namespace orvanta::platform {

// What the program needs for as long as the page runs it: the report of
// run-time errors that escape a handler. A C++ exception is caught where the
// page's events are dispatched (dom.h); a JavaScript error, a DOM exception
// or a WebAssembly trap passes through the module's frames and reaches the
// page (loader.js), which hands it back here. Either way it goes to
// forms::ReportRunTimeError, which ends the program. The browser's event
// loop runs the program: exec() returns at once.
class GuardedApplication final
{
public:
    GuardedApplication();
    GuardedApplication(const GuardedApplication &) = delete;
    GuardedApplication &operator=(const GuardedApplication &) = delete;

    int exec();
};

} // namespace orvanta::platform
