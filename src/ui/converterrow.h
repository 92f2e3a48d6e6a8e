#pragma once

#include "forms.h"

namespace orvanta {

struct ConversionSpec;

// One row of a converter page. The row's state lives only in its three
// controls; nothing else remembers what was typed or converted.
struct ConverterRow
{
    const ConversionSpec *conversion = nullptr;
    int number = 0; // 1 to 10, top to bottom
    forms::TextBox *input = nullptr;
    forms::CommandButton *button = nullptr;
    forms::Label *result = nullptr;
};

// What the row's Convert button does: converts the input box's text into the
// result label and its tooltip, or warns and clears the row. Either way the
// focus ends in the input box.
void ConvertRow(const ConverterRow &row);

// What entering the row's input box does: makes the row's Convert button the
// window's default button, so Enter converts this row.
void InputGotFocus(const ConverterRow &row);

} // namespace orvanta
