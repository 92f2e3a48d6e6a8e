#pragma once

#include <windows.h>

#include "adapter.h"
#include "runtimeerror.h"

namespace orvanta::platform {

// What the program needs before it makes a window, for as long as it runs:
// the report of run-time errors that escape a handler and COM (for the
// accessibility annotations); the common controls start with the first
// window (StartCommonControls). exec() runs the message loop until the
// program ends and returns its exit status.
class GuardedApplication final
{
public:
    GuardedApplication();
    ~GuardedApplication();
    GuardedApplication(const GuardedApplication &) = delete;
    GuardedApplication &operator=(const GuardedApplication &) = delete;

    int exec();

private:
    bool m_comStarted;
};

static_assert(forms::GuardedApplicationLike<GuardedApplication>);

// Runs one message's handler of a window procedure. An exception must not
// unwind through Windows' own frames: it is reported here instead, and the
// message counts as handled.
template<typename Handler>
LRESULT Guarded(Handler &&handler) noexcept
{
    try {
        return handler();
    } catch (...) {
        forms::ReportCurrentException();
        return 0;
    }
}

} // namespace orvanta::platform
