#pragma once

// Where a window's parts lie for the width it has. On a desktop a window
// has the width it was designed with; in a browser on a phone it may have
// less, and then the design arranges the same controls anew for that width,
// with text and targets a finger and an eye can use. Nothing else changes:
// the controls, their names, captions, order and behaviour stay the same.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "design.h"

namespace orvanta::forms {

// A part of the window by its design name (a control, a strip, a line) and
// where it lies: on the client area, or from the corner of the strip whose
// page holds it, as in the design.
struct Place
{
    std::string name;
    TwipsRect rect;
};

struct Arrangement
{
    // Narrowed below the designed width.
    bool narrow = false;
    int clientWidth = 0;
    int clientHeight = 0;
    // The height of every strip's row of tabs.
    int tabHeight = 0;
    // The least size of the window's own text (menus, tabs, captions and
    // buttons without a font of their own) and of what input boxes show, in
    // points; 0 keeps the design's.
    double textPoints = 0;
    double textBoxPoints = 0;
    std::vector<Place> places;

    // A designed font as the arrangement shows it: no smaller than the least
    // text size, a text box's no smaller than that of input boxes.
    FontDesign font(const FontDesign &design, ControlKind kind = ControlKind::Label) const
    {
        FontDesign shown = design;
        shown.points = std::max(design.points, kind == ControlKind::TextBox ? textBoxPoints : textPoints);
        return shown;
    }

    // Where the part of that name lies, or nullptr.
    const TwipsRect *find(std::string_view name) const
    {
        for (const Place &place : places) {
            if (place.name == name)
                return &place.rect;
        }
        return nullptr;
    }
};

// Twips for a length in device-independent pixels (CSS pixels).
constexpr int PixelsToTwips(int pixels)
{
    return pixels * TwipsPerInch / StandardDpi;
}

} // namespace orvanta::forms
