#include "conversion.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "quantity.h"

namespace orvanta {
namespace {

constexpr int kSignificantDigits = 15;

// A finite double rounded to 15 significant digits:
// Digits[0] . Digits[1..14] times 10^Exponent. Zero has all digits '0'.
struct Decimal15
{
    char Digits[kSignificantDigits];
    int Exponent;
    bool Negative;
    bool Zero;
};

Decimal15 RoundTo15Digits(double value) noexcept
{
    Decimal15 decimal{};
    decimal.Negative = std::signbit(value);
    decimal.Zero = value == 0.0;

    // Written as "d.dddddddddddddde+XX" (two or three exponent digits).
    char text[40];
#if defined(__cpp_lib_to_chars)
    *std::to_chars(text, text + sizeof text - 1, std::fabs(value), std::chars_format::scientific, kSignificantDigits - 1)
         .ptr = '\0';
#else
    // The WebAssembly build's C++ library has no floating-point to_chars; its
    // C library rounds "%.*e" exactly (the number table proves it), and only
    // C locale separators can appear there.
    std::snprintf(text, sizeof text, "%.*e", kSignificantDigits - 1, std::fabs(value));
#endif
    decimal.Digits[0] = text[0];
    std::memcpy(decimal.Digits + 1, text + 2, kSignificantDigits - 1);
    const char *exponentSign = text + kSignificantDigits + 2;
    decimal.Exponent = std::atoi(exponentSign + 1);
    if (*exponentSign == '-')
        decimal.Exponent = -decimal.Exponent;
    return decimal;
}

// Joins the pieces with a single allocation at most.
std::string Join(std::string_view head, std::string_view separator, std::string_view tail, std::string_view suffix)
{
    std::string text;
    text.reserve(head.size() + separator.size() + tail.size() + suffix.size());
    text.append(head).append(separator).append(tail).append(suffix);
    return text;
}

// Like printf("%.15G"): up to 15 significant digits without trailing zeros,
// exponent form (capital E, at least two exponent digits) when the power of
// ten is below -4 or above 14.
std::string PlainText(double product, std::string_view separator, std::string_view suffix)
{
    const Decimal15 decimal = RoundTo15Digits(product);
    int length = kSignificantDigits;
    while (length > 1 && decimal.Digits[length - 1] == '0')
        --length;

    // Longest: "-0.0000" + 15 digits, or "-d." + 14 digits + "E+308".
    char head[32];
    char tail[32];
    int headLength = 0;
    int tailLength = 0;
    bool hasPoint = false;
    if (decimal.Negative)
        head[headLength++] = '-';

    const int exponent = decimal.Exponent;
    if (exponent < -4 || exponent >= kSignificantDigits) {
        head[headLength++] = decimal.Digits[0];
        hasPoint = length > 1;
        for (int i = 1; i < length; ++i)
            tail[tailLength++] = decimal.Digits[i];
        tail[tailLength++] = 'E';
        tail[tailLength++] = exponent < 0 ? '-' : '+';
        const int magnitude = exponent < 0 ? -exponent : exponent;
        if (magnitude < 10)
            tail[tailLength++] = '0';
        tailLength = static_cast<int>(std::to_chars(tail + tailLength, tail + sizeof tail, magnitude).ptr - tail);
    } else if (exponent >= 0) {
        for (int i = 0; i <= exponent; ++i)
            head[headLength++] = i < length ? decimal.Digits[i] : '0';
        hasPoint = length > exponent + 1;
        for (int i = exponent + 1; i < length; ++i)
            tail[tailLength++] = decimal.Digits[i];
    } else {
        head[headLength++] = '0';
        hasPoint = true;
        for (int i = exponent + 1; i < 0; ++i)
            tail[tailLength++] = '0';
        for (int i = 0; i < length; ++i)
            tail[tailLength++] = decimal.Digits[i];
    }
    return Join({head, static_cast<std::size_t>(headLength)}, hasPoint ? separator : std::string_view{},
                {tail, static_cast<std::size_t>(tailLength)}, suffix);
}

// Number of '0' after the '.' of a pattern such as "####.0000".
int PatternDecimals(std::string_view pattern) noexcept
{
    const std::size_t point = pattern.find('.');
    if (point == std::string_view::npos)
        return 0;
    int count = 0;
    for (char c : pattern.substr(point + 1))
        count += c == '0';
    return count;
}

// The product rounded to 15 significant digits, then half away from zero to
// the pattern's decimals. Every integer digit is written (never an exponent),
// an integer part of 0 writes nothing, and the fraction has exactly the
// pattern's number of digits.
std::string PatternText(double product, int decimals, std::string_view separator, std::string_view suffix)
{
    Decimal15 decimal = RoundTo15Digits(product);
    // Digits from index `length` on are zeros.
    int length = decimal.Zero ? 0 : kSignificantDigits;
    int exponent = decimal.Exponent;

    // Digits with index below `kept` stand at or above 10^-decimals.
    const int kept = exponent + decimals + 1;
    if (length > 0 && kept < kSignificantDigits) {
        const bool roundUp = kept >= 0 && decimal.Digits[kept] >= '5';
        length = kept < 0 ? 0 : kept;
        if (roundUp) {
            int i = kept - 1;
            while (i >= 0 && decimal.Digits[i] == '9')
                decimal.Digits[i--] = '0';
            if (i >= 0) {
                ++decimal.Digits[i];
            } else {
                // All kept digits were nines (or none was kept): the carry
                // becomes a new leading 1.
                decimal.Digits[0] = '1';
                length = 1;
                ++exponent;
            }
        }
    }

    const auto digitAt = [&](int power) {
        const int index = exponent - power;
        return index >= 0 && index < length ? decimal.Digits[index] : '0';
    };
    const bool negative = decimal.Negative && length > 0;
    const int integerDigits = length > 0 && exponent >= 0 ? exponent + 1 : 0;

    std::string text;
    text.reserve(negative + static_cast<std::size_t>(integerDigits) + separator.size() +
                 static_cast<std::size_t>(decimals) + suffix.size());
    if (negative)
        text += '-';
    for (int power = integerDigits - 1; power >= 0; --power)
        text += digitAt(power);
    if (decimals > 0) {
        text.append(separator);
        for (int power = -1; power >= -decimals; --power)
            text += digitAt(power);
    }
    text.append(suffix);
    return text;
}

std::string ProductText(const ConversionSpec &spec, double product, std::string_view separator,
                        std::string_view suffix)
{
    if (!std::isfinite(product)) {
        const std::string_view word = std::isnan(product) ? "NAN" : product < 0 ? "-INF" : "INF";
        return Join(word, {}, {}, suffix);
    }
    if (spec.Pattern.empty())
        return PlainText(product, separator, suffix);
    return PatternText(product, PatternDecimals(spec.Pattern), separator, suffix);
}

} // namespace

std::optional<double> ConvertQuantity(const ConversionSpec &spec, double value) noexcept
{
    const double product = value * spec.Factor;
    if (!std::isfinite(product))
        return std::nullopt;
    return product;
}

std::string NumberText(const ConversionSpec &spec, double product, std::string_view decimalSeparator)
{
    return ProductText(spec, product, decimalSeparator, {});
}

std::optional<std::string> ResultText(const ConversionSpec &spec, std::string_view text,
                                      std::string_view decimalSeparator)
{
    const std::optional<double> product = ConvertQuantity(spec, ParseQuantity(text));
    if (!product)
        return std::nullopt;
    return ProductText(spec, *product, decimalSeparator, spec.Suffix);
}

} // namespace orvanta
