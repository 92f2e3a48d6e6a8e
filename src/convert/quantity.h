#pragma once

#include <string_view>

namespace orvanta {

// Reads the number at the start of a UTF-8 text, the way the program has
// always read its input boxes:
//  - spaces, tabs and line feeds are ignored wherever they stand (" 2 5" is 25);
//  - "&H"/"&O" introduce a hexadecimal/octal integer (16-bit signed when it
//    fits, else 32-bit signed; wider values read as +infinity);
//  - otherwise an optional sign, digits with at most one '.', and an optional
//    exponent introduced by E, e, D or d; '.' is the decimal point in every
//    locale, and any other character ends the number;
//  - a text without a leading number reads as 0.
// The result is the double nearest to the number read; decimal numbers beyond
// the double range read as +-infinity, below it as +-0.
// Linear in the length of the text and free of heap allocation.
double ParseQuantity(std::string_view text) noexcept;

// True exactly when ParseQuantity(text) is greater than zero.
bool IsValidQuantity(std::string_view text) noexcept;

} // namespace orvanta
