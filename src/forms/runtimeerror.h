#pragma once

// The program does not expect its handlers to fail. If one fails anyway, the
// user is told what went wrong in an error box titled with the program's
// name, the same line goes to standard error, and the program ends with a
// non-zero exit status instead of vanishing or running on in an unknown
// state. The adapters catch what escapes a handler and call this.

#include <string_view>

namespace orvanta::forms {

inline constexpr int RunTimeErrorExitCode = 70;

// Reports a failure that nothing handled and ends the program. A failure
// while the report is open adds no second report.
void ReportRunTimeError(std::string_view description);

// Reports the exception being handled the same way; call it from a catch
// block that catches everything.
void ReportCurrentException() noexcept;

} // namespace orvanta::forms
