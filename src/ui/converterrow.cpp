#include "converterrow.h"

#include <optional>

#include "conversion.h"
#include "quantity.h"

namespace orvanta {

void ConvertRow(const ConverterRow &row)
{
    using namespace forms;

    if (!IsValidQuantity(Text(row.input))) {
        // The rejected text and the previous result stay visible while the
        // warning is open; the tooltip keeps the last good result.
        MsgBox("The Number is invalid or less than Zero", Exclamation, "Invalid Number");
        SetText(row.input, {});
        SetCaption(row.result, {});
        SetFocus(row.input);
        return;
    }

    // Read again: the result is always formed from what the box holds now.
    const std::optional<std::string> result = ResultText(*row.conversion, Text(row.input), DecimalSeparator());
    if (!result) {
        // Too large to convert: keep what the user typed so it can be
        // corrected, and show no stale result beside it.
        MsgBox("The Number is too large to convert", Exclamation, "Overflow");
        SetCaption(row.result, {});
        SetFocus(row.input);
        return;
    }

    SetCaption(row.result, *result);
    SetToolTipText(row.result, Caption(row.result));
    SetFocus(row.input);
}

void InputGotFocus(const ConverterRow &row)
{
    forms::SetDefault(row.button);
}

} // namespace orvanta
