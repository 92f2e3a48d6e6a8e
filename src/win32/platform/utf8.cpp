#include "utf8.h"

#include <climits>
#include <stdexcept>

#include <windows.h>

namespace orvanta::platform {
namespace {

// The conversion functions count in int.
int checkedLength(std::size_t length)
{
    if (length > static_cast<std::size_t>(INT_MAX))
        throw std::length_error("text too long to convert");
    return static_cast<int>(length);
}

} // namespace

std::wstring FromUtf8(std::string_view utf8)
{
    if (utf8.empty())
        return {};
    const int length = checkedLength(utf8.size());
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wideLength);
    return wide;
}

std::string ToUtf8(std::wstring_view utf16)
{
    if (utf16.empty())
        return {};
    const int length = checkedLength(utf16.size());
    const int narrowLength = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<std::size_t>(narrowLength), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, narrow.data(), narrowLength, nullptr, nullptr);
    return narrow;
}

} // namespace orvanta::platform
