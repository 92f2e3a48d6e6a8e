#include "aboutarrangement.h"

#include "aboutdesign.h"

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
    if (width >= AboutWindowDesign.clientWidth) {
        arrangement.clientWidth = AboutWindowDesign.clientWidth;
        arrangement.clientHeight = AboutWindowDesign.clientHeight;
        for (const forms::ControlDesign &control : controls)
            arrangement.places.push_back({control.name, control.rect});
        arrangement.places.push_back({std::string(AboutLineDesign.name), LineRect(AboutLineDesign)});
        return arrangement;
    }
    arrangement.narrow = true;
    arrangement.textPoints = 9;
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
