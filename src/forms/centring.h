#pragma once

// Where a window goes when it is centred on the screen: the middle of the
// work area (the screen less task bars and panels). A window larger than the
// work area keeps its top-left corner, and with it the title bar, inside it.

namespace orvanta::forms {

struct ScreenPoint
{
    int x = 0;
    int y = 0;
    friend constexpr bool operator==(const ScreenPoint &, const ScreenPoint &) = default;
};

struct ScreenSize
{
    int width = 0;
    int height = 0;
};

struct ScreenRect
{
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The top-left corner of a frame of that size, centred on the work area.
constexpr ScreenPoint CentredTopLeft(ScreenSize frame, ScreenRect workArea)
{
    const auto along = [](int start, int room, int length) {
        const int centred = start + (room - length) / 2;
        return centred < start ? start : centred;
    };
    return {along(workArea.left, workArea.width, frame.width), along(workArea.top, workArea.height, frame.height)};
}

} // namespace orvanta::forms
