#pragma once

#include <string_view>

#include "forms.h"

namespace orvanta::platform {

// Ends the program with exitStatus: the windows go, the handlers are
// forgotten and the page says that Orvanta has ended, with a way to start it
// again. The windows' C++ objects are freed once the current event is done.
void End(int exitStatus);

// Called at End, after the windows are gone: frees what the program holds.
void OnEnd(void (*release)());

// Reports an error that escaped a handler in the page's message box, then
// ends the program.
inline constexpr int RunTimeErrorExitCode = 70;
void ReportRunTimeError(std::string_view description);

} // namespace orvanta::platform
