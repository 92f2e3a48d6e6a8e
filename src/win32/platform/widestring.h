#pragma once

#include <string>
#include <string_view>

namespace orvanta::platform {

// The program's texts are UTF-8; Win32 takes UTF-16. These two are the only
// place where one becomes the other. Invalid sequences become U+FFFD.
std::wstring Widen(std::string_view utf8);
std::string Narrow(std::wstring_view utf16);

} // namespace orvanta::platform
