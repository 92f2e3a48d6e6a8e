#pragma once

#include <string_view>

#include <windows.h>

namespace orvanta::platform {

// The program does not expect its handlers to fail. If one throws anyway, or
// faults, the user is told what went wrong in an error box, and the program
// ends with a non-zero exit code instead of vanishing or running on in an
// unknown state.
inline constexpr int RunTimeErrorExitCode = 70;

// Reports a failure that nothing handled and ends the program.
void ReportRunTimeError(std::string_view description);

// Reports the exception being handled; call it from a catch block.
void ReportCurrentException() noexcept;

// Runs one message's handler of a window procedure. An exception must not
// unwind through Windows' own frames: it is reported here instead, and the
// message counts as handled.
template<typename Handler>
LRESULT Guarded(Handler &&handler) noexcept
{
    try {
        return handler();
    } catch (...) {
        ReportCurrentException();
        return 0;
    }
}

// Names the program in the title of every report, and reports a structured
// exception (an access violation, a division by zero) that no one handled,
// then ends the process with RunTimeErrorExitCode.
void InstallRunTimeErrorReport(std::string_view programTitle);

} // namespace orvanta::platform
