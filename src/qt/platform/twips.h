#pragma once

#include <QRect>

#include "design.h"

namespace orvanta::platform {

// Fifteen twips make one device-independent pixel, so the design scales with
// Qt's high-DPI factor like every other logical size.
constexpr int Twips(int twips)
{
    return forms::TwipsToPixels(twips);
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

inline QRect TwipsRect(const forms::TwipsRect &rect)
{
    return TwipsRect(rect.left, rect.top, rect.width, rect.height);
}

inline QSize TwipsSize(int width, int height)
{
    return QSize(Twips(width), Twips(height));
}

} // namespace orvanta::platform
