#include "background.h"

#include <algorithm>

namespace orvanta::forms {
namespace {

// Where a strip's pages always paint: below the tabs, less a margin for the
// frame drawn around the page area.
TwipsRect CoveredBy(const StripDesign *strip)
{
    if (!strip)
        return {};
    constexpr int frame = 60;
    const TwipsRect &rect = strip->rect;
    return {rect.left + frame, rect.top + strip->tabHeight + frame, rect.width - 2 * frame,
            rect.height - strip->tabHeight - 2 * frame};
}

} // namespace

std::vector<PixelRect> BackgroundParts(const WindowDesign &design)
{
    const auto roundUp = [](int pixels) { return (pixels + 3) / 4 * 4; };
    const auto roundDown = [](int pixels) { return pixels / 4 * 4; };
    // A little beyond the client area, so that however the frame rounds the
    // client area at a DPI, the picture reaches its edge.
    const int width = roundDown(TwipsToPixels(design.clientWidth) + 4);
    const int height = roundDown(TwipsToPixels(design.clientHeight) + 4);
    const TwipsRect hidden = CoveredBy(design.backgroundCover);
    const int left = std::clamp(roundUp(TwipsToPixels(hidden.left)), 0, width);
    const int top = std::clamp(roundUp(TwipsToPixels(hidden.top)), 0, height);
    const int right = std::clamp(roundDown(TwipsToPixels(hidden.left + hidden.width)), left, width);
    const int bottom = std::clamp(roundDown(TwipsToPixels(hidden.top + hidden.height)), top, height);
    if (left == right || top == bottom)
        return {{0, 0, width, height}};
    std::vector<PixelRect> parts;
    for (const PixelRect &part : {PixelRect{0, 0, width, top}, PixelRect{0, top, left, bottom - top},
                                  PixelRect{right, top, width - right, bottom - top},
                                  PixelRect{0, bottom, width, height - bottom}}) {
        if (part.width > 0 && part.height > 0)
            parts.push_back(part);
    }
    return parts;
}

void DecodeBackground(const WindowDesign &design, std::span<const unsigned char> file,
                      const PixelDestination &destination)
{
    DecodePicture(file, BackgroundParts(design), destination);
}

} // namespace orvanta::forms
