#pragma once

#include <QRect>
#include <QtMath>

namespace orvanta::platform {

// The window's layout is designed in twips (1/1440 inch). Fifteen twips make
// one device-independent pixel, so the design scales with Qt's high-DPI
// factor like every other logical size.
inline constexpr double TwipsPerPixel = 15.0;

constexpr int Twips(double twips)
{
    // Half a pixel rounds up, as the design values (e.g. 520) expect.
    return static_cast<int>(twips / TwipsPerPixel + 0.5);
}

inline QRect TwipsRect(int left, int top, int width, int height)
{
    return QRect(Twips(left), Twips(top), Twips(width), Twips(height));
}

inline QSize TwipsSize(int width, int height)
{
    return QSize(Twips(width), Twips(height));
}

} // namespace orvanta::platform
