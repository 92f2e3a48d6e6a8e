#include "mainarrangement.h"

#include <algorithm>

#include "maindesign.h"

namespace orvanta {
namespace {

using forms::PixelsToTwips;
using forms::TwipsRect;

// The narrow arrangement's measures, in pixels.
constexpr int OuterMargin = 4;  // around the outer strip
constexpr int InnerMargin = 6;  // around an inner strip on its page
constexpr int PageMargin = 8;   // around a page's content
constexpr int Gap = 8;          // between the columns of a row
constexpr int TabHeight = 40;
constexpr int HeaderHeight = 24;
constexpr int RowHeight = 36;
constexpr int RowPitch = 44;
constexpr int ButtonWidth = 80;
constexpr int LeastBoxWidth = 96;
// Narrower than this, results take a line of their own below box and button.
constexpr int LeastResultWidth = 128;
constexpr int ExitWidth = 120;
constexpr int ExitHeight = 40;

forms::Arrangement Designed()
{
    forms::Arrangement arrangement;
    arrangement.clientWidth = MainWindowDesign.clientWidth;
    arrangement.clientHeight = MainWindowDesign.clientHeight;
    arrangement.tabHeight = TabHeightTwips;
    for (const forms::StripDesign *strip : MainStrips)
        arrangement.places.push_back({std::string(strip->name), strip->rect});
    for (const forms::ControlDesign &control : MainPageControls())
        arrangement.places.push_back({control.name, control.rect});
    const forms::ControlDesign exit = ExitButtonDesign();
    arrangement.places.push_back({exit.name, exit.rect});
    return arrangement;
}

TwipsRect Pixels(int left, int top, int width, int height)
{
    return {PixelsToTwips(left), PixelsToTwips(top), PixelsToTwips(width), PixelsToTwips(height)};
}

forms::Arrangement Narrow(int width)
{
    forms::Arrangement arrangement;
    arrangement.narrow = true;
    arrangement.tabHeight = PixelsToTwips(TabHeight);
    arrangement.textPoints = 9;
    arrangement.textBoxPoints = 12;

    const int client = width * forms::StandardDpi / forms::TwipsPerInch;
    const int outer = client - 2 * OuterMargin;
    const int inner = outer - 2 * InnerMargin;
    const int content = inner - 2 * PageMargin;
    // The box takes a good share of what the button leaves, the result the
    // rest; where that is too little, the result goes below, the whole width.
    int box = std::max(LeastBoxWidth, (content - ButtonWidth - 2 * Gap) * 42 / 100);
    int result = content - box - ButtonWidth - 2 * Gap;
    const bool resultBelow = result < LeastResultWidth;
    if (resultBelow) {
        box = content - ButtonWidth - Gap;
        result = content;
    }
    const int rowHeight = resultBelow ? RowHeight + Gap / 2 + HeaderHeight : RowHeight;
    const int rowPitch = resultBelow ? rowHeight + Gap : RowPitch;
    const int firstRow = TabHeight + PageMargin + HeaderHeight + PageMargin;
    const int innerHeight = firstRow + (RowsPerPage - 1) * rowPitch + rowHeight + PageMargin;
    const int outerHeight = TabHeight + InnerMargin + innerHeight + InnerMargin;

    for (const forms::StripDesign *strip : MainStrips) {
        arrangement.places.push_back({std::string(strip->name),
                                      strip->parent.empty()
                                          ? Pixels(OuterMargin, OuterMargin, outer, outerHeight)
                                          : Pixels(InnerMargin, TabHeight + InnerMargin, inner, innerHeight)});
    }
    const int buttonLeft = PageMargin + box + Gap;
    const int resultLeft = resultBelow ? PageMargin : buttonLeft + ButtonWidth + Gap;
    for (const PagePlacement &placement : MainPages) {
        const PageControls page = DesignPage(*placement.design);
        // Over the boxes and the buttons, which have no header of their own.
        arrangement.places.push_back(
            {page.inputHeader.name, Pixels(PageMargin, TabHeight + PageMargin, box + Gap + ButtonWidth, HeaderHeight)});
        arrangement.places.push_back(
            {page.resultHeader.name, Pixels(resultLeft, TabHeight + PageMargin, result, HeaderHeight)});
        int top = firstRow;
        for (const RowControls &row : page.rows) {
            arrangement.places.push_back({row.input.name, Pixels(PageMargin, top, box, RowHeight)});
            arrangement.places.push_back({row.button.name, Pixels(buttonLeft, top, ButtonWidth, RowHeight)});
            // A result's text stands at its top edge: level with the box's,
            // or just below it.
            const int resultTop = resultBelow ? top + RowHeight + Gap / 2 : top + (RowHeight - HeaderHeight) / 2;
            arrangement.places.push_back({row.result.name, Pixels(resultLeft, resultTop, result, HeaderHeight)});
            top += rowPitch;
        }
    }
    const int exitTop = OuterMargin + outerHeight + PageMargin;
    arrangement.places.push_back(
        {ExitButtonDesign().name, Pixels(client - OuterMargin - ExitWidth, exitTop, ExitWidth, ExitHeight)});
    arrangement.clientWidth = width;
    arrangement.clientHeight = PixelsToTwips(exitTop + ExitHeight + PageMargin);
    return arrangement;
}

} // namespace

forms::Arrangement ArrangeMain(int width)
{
    return width >= MainWindowDesign.clientWidth ? Designed() : Narrow(width);
}

} // namespace orvanta
