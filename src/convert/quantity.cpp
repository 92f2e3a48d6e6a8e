#include "quantity.h"

#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <system_error>

namespace orvanta {
namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();

// Significant digits kept for the conversion to double. Any point halfway
// between two doubles has at most 767 significant digits, so 768 digits plus
// one sticky digit standing for everything dropped round exactly like the
// full text would.
constexpr std::size_t kMaxDigits = 768;

// Once this far from the decimal point the value is certainly infinite or
// zero (doubles span about 1e-324 .. 1.8e308).
constexpr std::int64_t kExponentLimit = 400;

// Exponent digits stop accumulating at this magnitude; beyond it every value
// is already far outside the double range whatever else the text says.
constexpr std::int64_t kExponentCap = std::int64_t{1} << 52;

constexpr bool IsIgnored(char c) noexcept
{
    return c == ' ' || c == '\t' || c == '\n';
}

constexpr bool IsDigit(int c) noexcept
{
    return c >= '0' && c <= '9';
}

// Walks the text as if the ignored characters had been removed first.
class Reader
{
public:
    explicit Reader(std::string_view text) noexcept : m_text(text) {}

    // The next character as 0..255, or -1 at the end of the text.
    int Peek() noexcept
    {
        while (m_pos < m_text.size() && IsIgnored(m_text[m_pos]))
            ++m_pos;
        return m_pos < m_text.size() ? static_cast<unsigned char>(m_text[m_pos]) : -1;
    }

    // Steps over the character the last Peek returned.
    void Advance() noexcept { ++m_pos; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
};

int RadixDigit(int c, unsigned radix) noexcept
{
    int value = -1;
    if (IsDigit(c))
        value = c - '0';
    else if (c >= 'a' && c <= 'f')
        value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        value = c - 'A' + 10;
    return value >= 0 && static_cast<unsigned>(value) < radix ? value : -1;
}

// The digits after "&H" or "&O".
double ReadRadixInteger(Reader &reader, unsigned radix) noexcept
{
    std::uint64_t value = 0;
    bool wide = false;
    for (int digit; (digit = RadixDigit(reader.Peek(), radix)) >= 0; reader.Advance()) {
        if (wide)
            continue;
        value = value * radix + static_cast<unsigned>(digit);
        wide = value > 0xFFFF'FFFFu;
    }
    if (wide)
        return kInfinity;
    if (value <= 0xFFFFu)
        return static_cast<std::int16_t>(static_cast<std::uint16_t>(value));
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

double ReadDecimal(Reader &reader) noexcept
{
    bool negative = false;
    if (int c = reader.Peek(); c == '+' || c == '-') {
        negative = c == '-';
        reader.Advance();
    }

    // The value is digits[0..count) (plus the sticky digit) times 10^exponent.
    char digits[kMaxDigits + 1 + 1 + 24];
    std::size_t count = 0;
    bool sticky = false;
    std::int64_t exponent = 0;
    bool anyDigit = false;
    bool afterPoint = false;

    for (int c = reader.Peek();; c = reader.Peek()) {
        if (IsDigit(c)) {
            anyDigit = true;
            if (count == 0 && c == '0') {
                exponent -= afterPoint;
            } else if (count < kMaxDigits) {
                digits[count++] = static_cast<char>(c);
                exponent -= afterPoint;
            } else {
                sticky = sticky || c != '0';
                exponent += !afterPoint;
            }
        } else if (c == '.' && !afterPoint) {
            afterPoint = true;
        } else {
            break;
        }
        reader.Advance();
    }
    if (!anyDigit)
        return 0.0;

    if (int c = reader.Peek(); c == 'E' || c == 'e' || c == 'D' || c == 'd') {
        reader.Advance();
        bool negativeExponent = false;
        if (c = reader.Peek(); c == '+' || c == '-') {
            negativeExponent = c == '-';
            reader.Advance();
        }
        bool anyExponentDigit = false;
        std::int64_t written = 0;
        for (; IsDigit(c = reader.Peek()); reader.Advance()) {
            anyExponentDigit = true;
            if (written < kExponentCap)
                written = written * 10 + (c - '0');
        }
        // A letter without digits is no exponent: "1e" reads as 1.
        if (anyExponentDigit)
            exponent += negativeExponent ? -written : written;
    }

    const double zero = negative ? -0.0 : 0.0;
    if (count == 0)
        return zero;
    // Power of ten of the leading digit.
    const std::int64_t leading = exponent + static_cast<std::int64_t>(count) - 1;
    if (leading > kExponentLimit)
        return negative ? -kInfinity : kInfinity;
    if (leading < -kExponentLimit)
        return zero;

    if (sticky) {
        digits[count++] = '1';
        --exponent;
    }
    char *end = digits + count;
    *end++ = 'e';
    end = std::to_chars(end, digits + sizeof digits, exponent).ptr;

    double value = 0.0;
#if defined(__cpp_lib_to_chars)
    const auto [ptr, error] = std::from_chars(digits, end, value);
    (void)ptr;
    const bool outOfRange = error == std::errc::result_out_of_range;
#else
    // No floating-point from_chars in the WebAssembly build's C++ library:
    // its strtod rounds exactly, and the text holds only C locale characters.
    *end = '\0';
    errno = 0;
    value = std::strtod(digits, nullptr);
    // Like from_chars, a result too small for even a subnormal is out of
    // range; a subnormal one is not.
    const bool outOfRange = errno == ERANGE && (std::isinf(value) || value == 0.0);
#endif
    if (outOfRange)
        value = leading > 0 ? kInfinity : 0.0;
    return negative ? -value : value;
}

} // namespace

double ParseQuantity(std::string_view text) noexcept
{
    Reader reader(text);
    if (reader.Peek() == '&') {
        reader.Advance();
        const int kind = reader.Peek();
        if (kind == 'H' || kind == 'h' || kind == 'O' || kind == 'o') {
            reader.Advance();
            return ReadRadixInteger(reader, kind == 'H' || kind == 'h' ? 16 : 8);
        }
        return 0.0;
    }
    return ReadDecimal(reader);
}

bool IsValidQuantity(std::string_view text) noexcept
{
    return ParseQuantity(text) > 0.0;
}

} // namespace orvanta
