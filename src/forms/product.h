#pragma once

#include <string_view>

namespace orvanta {

// How the program names itself: in the run-time error report, to the
// desktop, and in the executable's version information.
inline constexpr std::string_view ProductTitle = "Orvanta";
inline constexpr std::string_view ProductVersionText = "1.00";

} // namespace orvanta
