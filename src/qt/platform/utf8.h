#pragma once

#include <string_view>

#include <QString>

namespace orvanta::platform {

// The shared code speaks UTF-8; Qt speaks QString.
inline QString FromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace orvanta::platform
