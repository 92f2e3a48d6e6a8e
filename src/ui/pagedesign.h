#pragma once

#include <array>

#include "conversions.h"

namespace orvanta {

// How the Tab key walks through a page's row controls.
enum class RowTabOrder {
    // Box 1, button 1, then for rows 2 to 10 the button before the box.
    TopDown,
    // From row 10 up, the box before the button; row 1's button before its box.
    BottomUp,
};

// Everything that tells the four converter pages apart. Texts are UTF-8.
struct PageDesign
{
    const ConversionSpec *conversion;
    const char *tabCaption;
    const char *inputHeaderName;
    const char *inputHeaderCaption;
    const char *resultHeaderName;
    const char *resultHeaderCaption;
    // Spoken by screen readers: "Square meters, row 3", "Convert row 3 to square feet".
    const char *inputUnitName;
    const char *resultUnitName;
    // The volume pages sit 120 twips further left than the area pages.
    int columnShiftTwips;
    RowTabOrder tabOrder;
};

inline constexpr PageDesign MeterSqPage{&MeterSqToFeetSq, "Meter\u00B2 to Feet\u00B2", "Label1", "Enter in Meter\u00B2",
                                        "Label2", "Feet\u00B2", "Square meters", "square feet", 0, RowTabOrder::TopDown};
inline constexpr PageDesign FeetSqPage{&FeetSqToMeterSq, "Feet\u00B2 to Meter\u00B2", "Label14", "Enter in Feet\u00B2",
                                       "Label13", "Meter\u00B2", "Square feet", "square meters", 0, RowTabOrder::BottomUp};
inline constexpr PageDesign MeterCuPage{&MeterCuToFeetCu, "Meter\u00B3 to Feet\u00B3", "Label29", "Enter in Meter\u00B3",
                                        "Label30", "Feet\u00B3", "Cubic meters", "cubic feet", -120, RowTabOrder::TopDown};
inline constexpr PageDesign FeetCuPage{&FeetCuToMeterCu, "Feet\u00B3 to Meter\u00B3", "Label3", "Enter in Feet\u00B3",
                                       "Label4", "Meter\u00B3", "Cubic feet", "cubic meters", -120, RowTabOrder::TopDown};

inline constexpr int RowsPerPage = 10;

} // namespace orvanta
