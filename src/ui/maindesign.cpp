#include "maindesign.h"

namespace orvanta {
namespace {

using forms::ControlDesign;
using forms::ControlKind;
using forms::FontDesign;
using forms::FontWeight;
using forms::TextAlign;

// Column positions of the area pages, in twips; the volume pages are shifted
// by their design's columnShiftTwips. Widths are the same on all pages.
constexpr int InputLeft = 600, InputWidth = 2055;
constexpr int ButtonLeft = 2760, ButtonWidth = 1575;
constexpr int ResultLeft = 4560, ResultWidth = 4215;
constexpr int ResultHeaderLeft = 5880, ResultHeaderWidth = 1575;
constexpr int HeaderTop = 600;
// Rows are higher than their pitch: each overlaps the one above by a pixel.
constexpr int FirstRowTop = 1080, RowPitch = 360, ControlHeight = 375;

constexpr FontDesign LabelFont{"MS Sans Serif", 12, FontWeight::Bold};
constexpr FontDesign InputFont{"MS Sans Serif", 9.75, FontWeight::Regular};

std::string controlName(std::string_view prefix, int number)
{
    return std::string(prefix) + std::to_string(number);
}

ControlDesign header(const char *name, const char *caption, int left, int width)
{
    return {ControlKind::Label, name, caption, {left, HeaderTop, width, ControlHeight}, LabelFont, TextAlign::Centre, {}, {}, {}};
}

RowControls row(const PageDesign &page, int number)
{
    const ConversionSpec &spec = *page.conversion;
    const int shift = page.columnShiftTwips;
    const int top = FirstRowTop + RowPitch * (number - 1);
    const std::string row = std::to_string(number);
    return {
        {ControlKind::TextBox, controlName(spec.InputPrefix, number), {},
         {InputLeft + shift, top, InputWidth, ControlHeight}, InputFont, TextAlign::Left,
         std::string(page.inputUnitName) + ", row " + row, {}, {}},
        {ControlKind::CommandButton, controlName(spec.ButtonPrefix, number), "Convert",
         {ButtonLeft + shift, top, ButtonWidth, ControlHeight}, {}, TextAlign::Centre, {},
         "Convert row " + row + " to " + page.resultUnitName, {}},
        // No accessible name: screen readers read the label's live text, and
        // its tooltip (the last good result) as the description.
        {ControlKind::Label, controlName(spec.ResultPrefix, number), {},
         {ResultLeft + shift, top, ResultWidth, ControlHeight}, LabelFont, TextAlign::Centre, {}, {}, {}},
    };
}

} // namespace

ControlDesign ExitButtonDesign()
{
    return {ControlKind::CommandButton, "Command11", "EXIT", {7680, 6720, 1695, 495},
            {"Algerian", 14.25, FontWeight::Regular}, TextAlign::Centre, {}, {}, {}};
}

PageControls DesignPage(const PageDesign &page)
{
    const int shift = page.columnShiftTwips;
    PageControls controls{header(page.inputHeaderName, page.inputHeaderCaption, InputLeft + shift, InputWidth),
                          header(page.resultHeaderName, page.resultHeaderCaption, ResultHeaderLeft + shift,
                                 ResultHeaderWidth),
                          {}};
    for (int number = 1; number <= RowsPerPage; ++number)
        controls.rows[number - 1] = row(page, number);
    return controls;
}

std::vector<forms::ControlDesign> MainPageControls()
{
    std::vector<forms::ControlDesign> controls;
    for (const PagePlacement &placement : MainPages) {
        const PageControls page = DesignPage(*placement.design);
        controls.insert(controls.end(), {page.inputHeader, page.resultHeader});
        for (const RowControls &row : page.rows)
            controls.insert(controls.end(), {row.input, row.button, row.result});
    }
    return controls;
}

std::vector<std::string> PageTabOrder(const PageDesign &page)
{
    const ConversionSpec &spec = *page.conversion;
    const auto box = [&](int n) { return controlName(spec.InputPrefix, n); };
    const auto button = [&](int n) { return controlName(spec.ButtonPrefix, n); };
    std::vector<std::string> order;
    order.reserve(2 * RowsPerPage);
    switch (page.tabOrder) {
    case RowTabOrder::TopDown:
        order.insert(order.end(), {box(1), button(1)});
        for (int n = 2; n <= RowsPerPage; ++n)
            order.insert(order.end(), {button(n), box(n)});
        break;
    case RowTabOrder::BottomUp:
        for (int n = RowsPerPage; n >= 2; --n)
            order.insert(order.end(), {box(n), button(n)});
        order.insert(order.end(), {button(1), box(1)});
        break;
    }
    return order;
}

std::vector<std::string> MainTabOrder()
{
    std::vector<std::string> order{std::string(SSTab1Design.name), std::string(SSTab2Design.name)};
    const auto append = [&order](const PageDesign &page) {
        const std::vector<std::string> names = PageTabOrder(page);
        order.insert(order.end(), names.begin(), names.end());
    };
    append(MeterSqPage);
    append(FeetSqPage);
    order.emplace_back(SSTab3Design.name);
    append(FeetCuPage);
    append(MeterCuPage);
    order.push_back(ExitButtonDesign().name);
    return order;
}

} // namespace orvanta
