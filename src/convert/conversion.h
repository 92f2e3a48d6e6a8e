#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "conversions.h"

namespace orvanta {

// value * spec.Factor, or no value when the product is not finite (the
// quantity is too large to convert). The caller has to handle that case.
[[nodiscard]] std::optional<double> ConvertQuantity(const ConversionSpec &spec, double value) noexcept;

// The product as text: the plain rule when spec.Pattern is empty, else the
// pattern rule. decimalSeparator is the user's locale separator (UTF-8).
std::string NumberText(const ConversionSpec &spec, double product, std::string_view decimalSeparator);

// NumberText of the converted value of ParseQuantity(text), followed by
// spec.Suffix; no value when the conversion overflows. Only meaningful for
// texts that pass IsValidQuantity.
[[nodiscard]] std::optional<std::string> ResultText(const ConversionSpec &spec, std::string_view text,
                                                    std::string_view decimalSeparator);

} // namespace orvanta
