// Feeds arbitrary bytes to the conversion core as typed text and aborts when
// one of the properties below fails. The checks use the C library (strtod,
// snprintf) as an independent oracle wherever it computes the same thing.
#include <bit>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>

#include "conversion.h"
#include "conversions.h"
#include "quantity.h"

namespace {

using namespace orvanta;

constexpr std::string_view kSeparators[] = {".", ",", "\u066B"};

void Check(bool condition, const char *what, std::string_view text)
{
    if (condition)
        return;
    std::fprintf(stderr, "violated: %s\ninput (%zu bytes): \"", what, text.size());
    for (unsigned char c : text)
        std::fprintf(stderr, c >= 0x20 && c < 0x7F && c != '"' && c != '\\' ? "%c" : "\\x%02X", c);
    std::fprintf(stderr, "\"\n");
    std::abort();
}

bool SameDouble(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool IsIgnored(char c)
{
    return c == ' ' || c == '\t' || c == '\n';
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

// The number the text starts with, read by cutting out the part the C
// library understands and handing it to strtod/strtoull.
double ReferenceParse(std::string_view text)
{
    std::string s;
    for (char c : text)
        if (!IsIgnored(c))
            s += c;

    if (!s.empty() && s[0] == '&') {
        const char kind = s.size() > 1 ? s[1] : '\0';
        const bool hex = kind == 'H' || kind == 'h';
        if (!hex && kind != 'O' && kind != 'o')
            return 0;
        std::size_t end = 2;
        while (end < s.size() && (hex ? std::isxdigit(static_cast<unsigned char>(s[end])) != 0
                                      : s[end] >= '0' && s[end] <= '7'))
            ++end;
        const std::string digits = s.substr(2, end - 2);
        errno = 0;
        const unsigned long long value = std::strtoull(digits.c_str(), nullptr, hex ? 16 : 8);
        if (errno == ERANGE || value > 0xFFFF'FFFFull)
            return HUGE_VAL;
        return value <= 0xFFFF ? static_cast<std::int16_t>(value) : static_cast<std::int32_t>(value);
    }

    std::size_t i = 0;
    std::string number;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        number += s[i++];
    bool anyDigit = false;
    bool point = false;
    for (; i < s.size() && (IsDigit(s[i]) || (s[i] == '.' && !point)); ++i) {
        anyDigit = anyDigit || s[i] != '.';
        point = point || s[i] == '.';
        number += s[i];
    }
    if (!anyDigit)
        return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            exponent += s[j++];
        const std::size_t firstDigit = j;
        while (j < s.size() && IsDigit(s[j]))
            exponent += s[j++];
        if (j > firstDigit)
            number += exponent;
    }
    return std::strtod(number.c_str(), nullptr);
}

bool IsValidUtf8(std::string_view text)
{
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        int length = 0;
        std::uint32_t code = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            code = lead & 0x07;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(text[i + k]);
            if ((next & 0xC0) != 0x80)
                return false;
            code = code << 6 | (next & 0x3F);
        }
        const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

std::size_t CountOf(std::string_view text, std::string_view part)
{
    std::size_t count = 0;
    for (std::size_t at = text.find(part); at != std::string_view::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

std::string Replaced(std::string text, char from, std::string_view to)
{
    std::string out;
    for (char c : text)
        c == from ? out.append(to) : out.append(1, c);
    return out;
}

// "[-]digits<separator>digits" with the pattern's number of decimals, no
// leading zero, a sign only in front of a non-zero number, and close to the
// product.
void CheckPatternNumber(std::string_view number, const ConversionSpec &spec, double product,
                        std::string_view separator, std::string_view text)
{
    const std::size_t decimals = spec.Pattern.size() - spec.Pattern.find('.') - 1;
    Check(CountOf(number, separator) == 1, "pattern: one separator", text);
    const std::size_t at = number.find(separator);
    std::string_view integer = number.substr(0, at);
    const std::string_view fraction = number.substr(at + separator.size());
    const bool negative = integer.starts_with('-');
    if (negative)
        integer.remove_prefix(1);
    Check(fraction.size() == decimals, "pattern: number of decimals", text);
    Check(integer.empty() || integer[0] != '0', "pattern: no leading zero", text);
    bool nonZero = false;
    for (std::string_view part : {integer, fraction})
        for (char c : part) {
            Check(IsDigit(c), "pattern: only digits", text);
            nonZero = nonZero || c != '0';
        }
    Check(!negative || nonZero, "pattern: no sign on zero", text);

    const std::string written = std::string(integer) + "." + std::string(fraction);
    const double back = (negative ? -1 : 1) * std::strtod(written.c_str(), nullptr);
    const double tolerance = 0.5 * std::pow(10.0, -static_cast<double>(decimals)) * (1 + 1e-9) +
                             std::fabs(product) * 1e-14;
    Check(std::fabs(back - product) <= tolerance, "pattern: value", text);
}

void CheckConversions(std::string_view text, double value)
{
    for (const ConversionSpec *spec : AllConversions) {
        const double product = value * spec->Factor;
        for (std::string_view separator : kSeparators) {
            const std::optional<std::string> result = ResultText(*spec, text, separator);
            Check(result.has_value() == std::isfinite(product), "a result exactly for finite products", text);
            if (!result)
                continue;
            Check(IsValidUtf8(*result), "valid UTF-8", text);
            Check(result->ends_with(spec->Suffix), "suffix at the end", text);
            Check(CountOf(*result, spec->Suffix) == 1, "suffix once", text);
            const std::string_view number = std::string_view(*result).substr(0, result->size() - spec->Suffix.size());
            Check(number == NumberText(*spec, product, separator), "ResultText is NumberText plus suffix", text);

            if (spec->Pattern.empty()) {
                char expected[40];
                std::snprintf(expected, sizeof expected, "%.15G", product);
                Check(number == Replaced(expected, '.', separator), "plain rule is %.15G", text);
            } else {
                CheckPatternNumber(number, *spec, product, separator, text);
            }
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char *>(data), size);
    const double value = ParseQuantity(text);

    Check(SameDouble(value, ReferenceParse(text)), "ParseQuantity agrees with strtod", text);
    Check(IsValidQuantity(text) == (value > 0), "IsValidQuantity is ParseQuantity > 0", text);

    // Spaces, tabs and line feeds are ignored wherever they stand.
    const std::string text2(text);
    Check(SameDouble(ParseQuantity(text2 + "  \t\n"), value), "trailing spaces ignored", text);
    Check(SameDouble(ParseQuantity(" \n" + text2), value), "leading spaces ignored", text);
    std::string spread;
    for (std::size_t i = 0; i < size; ++i) {
        spread += text[i];
        spread += " \t\n"[(i + size) % 3];
    }
    Check(SameDouble(ParseQuantity(spread), value), "spaces between characters ignored", text);

    CheckConversions(text, value);
    return 0;
}
