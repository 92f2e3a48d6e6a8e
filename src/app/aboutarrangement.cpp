#include "aboutarrangement.h"

#include "aboutdesign.h"
#include "maindesign.h"

namespace orvanta {
namespace {

using forms::PixelsToTwips;

// The narrow arrangement's measures, in pixels.
constexpr int Margin = 8;
constexpr int LineGap = 4;
constexpr int TextHeight = 20;
constexpr int OkWidth = 88;
constexpr int OkHeight = 36;

forms::TwipsRect Pixels(int left, int top, int width, int height)
{
    return {PixelsToTwips(left), PixelsToTwips(top), PixelsToTwips(width), PixelsToTwips(height)};
}

// The line as the rectangle its path spans: no width when it runs down, no
// height when it runs across.
forms::TwipsRect LineRect(const forms::LineDesign &line)
{
    return {line.x1, line.y1, line.x2 - line.x1, line.y2 - line.y1};
}

} // namespace

forms::Arrangement ArrangeAbout(int width)
{
    forms::Arrangement arrangement;
    const std::array<forms::ControlDesign, 5> controls = AboutControls();
    const bool boxFits = width >= AboutWindowDesign.clientWidth;
    if (boxFits) {
        arrangement.clientWidth = AboutWindowDesign.clientWidth;
        arrangement.clientHeight = AboutWindowDesign.clientHeight;
        for (const forms::ControlDesign &control : controls)
            arrangement.places.push_back({control.name, control.rect});
        arrangement.places.push_back({std::string(AboutLineDesign.name), LineRect(AboutLineDesign)});
    }
    // Where the main window fits, so does the box as designed.
    if (width >= MainWindowDesign.clientWidth)
        return arrangement;
    arrangement.narrow = true;
    arrangement.textPoints = 9;
    if (boxFits) {
        // The design's places, OK grown to a finger's size from its corner.
        for (forms::Place &place : arrangement.places) {
            if (place.name == AboutOkName)
                place.rect = {place.rect.left, place.rect.top, PixelsToTwips(OkWidth), PixelsToTwips(OkHeight)};
        }
        return arrangement;
    }
    const int client = width * forms::StandardDpi / forms::TwipsPerInch;
    int top = 0;
    for (const forms::ControlDesign &control : controls) {
        if (control.kind == forms::ControlKind::Picture) {
            // At its natural size, as designed.
            arrangement.places.push_back({control.name, {0, 0, control.rect.width, control.rect.height}});
            top = forms::TwipsToPixels(control.rect.height) + LineGap;
            arrangement.places.push_back({std::string(AboutLineDesign.name), Pixels(0, top, client, 0)});
            top += LineGap + Margin;
        } else if (control.kind == forms::ControlKind::Label) {
            arrangement.places.push_back({control.name, Pixels(Margin, top, client - 2 * Margin, TextHeight)});
            top += TextHeight;
        }
    }
    top += Margin;
    arrangement.places.push_back({std::string(AboutOkName), Pixels(client - Margin - OkWidth, top, OkWidth, OkHeight)});
    arrangement.clientWidth = width;
    arrangement.clientHeight = PixelsToTwips(top + OkHeight + Margin);
    return arrangement;
}

} // namespace orvanta
