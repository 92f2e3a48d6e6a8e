#pragma once

#include <string>
#include <string_view>

namespace orvanta::platform {

// The shared code speaks UTF-8; Win32 speaks UTF-16. These two are the only
// place where one becomes the other. Invalid sequences become U+FFFD.
std::wstring FromUtf8(std::string_view text);
std::string ToUtf8(std::wstring_view text);

} // namespace orvanta::platform
