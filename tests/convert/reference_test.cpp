// ResultText and NumberText against a reference model that works with exact
// integers only: the typed decimal number and every double are big integers
// times powers of two and five, rounding to double is decided by comparing
// with the exact midpoints between neighbouring doubles, and the product is
// written from its full decimal expansion by string arithmetic. The C library
// and the FPU only supply starting guesses that the model then verifies.

#include "conversion.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "conversions.h"

namespace {

using namespace orvanta;

// Unsigned integer of any size, least significant 32-bit limb first, with no
// leading zero limbs (zero has no limbs).
class BigInt
{
public:
    BigInt() = default;
    explicit BigInt(std::uint64_t value)
    {
        for (; value != 0; value >>= 32)
            m_limbs.push_back(static_cast<std::uint32_t>(value));
    }

    static BigInt FromDecimal(std::string_view digits)
    {
        BigInt n;
        for (std::size_t i = 0; i < digits.size(); i += 9) {
            const std::string_view chunk = digits.substr(i, 9);
            std::uint32_t value = 0;
            std::uint32_t scale = 1;
            for (char c : chunk) {
                value = value * 10 + static_cast<std::uint32_t>(c - '0');
                scale *= 10;
            }
            n.MultiplyAdd(scale, value);
        }
        return n;
    }

    bool IsZero() const { return m_limbs.empty(); }

    void MultiplyAdd(std::uint32_t factor, std::uint32_t addend)
    {
        std::uint64_t carry = addend;
        for (std::uint32_t &limb : m_limbs) {
            const std::uint64_t t = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(t);
            carry = t >> 32;
        }
        if (carry != 0)
            m_limbs.push_back(static_cast<std::uint32_t>(carry));
        Trim();
    }

    void ShiftLeft(std::int64_t bits)
    {
        if (IsZero() || bits == 0)
            return;
        const auto whole = static_cast<std::size_t>(bits / 32);
        const int part = static_cast<int>(bits % 32);
        if (part != 0) {
            std::uint32_t carry = 0;
            for (std::uint32_t &limb : m_limbs) {
                const std::uint32_t next = limb >> (32 - part);
                limb = limb << part | carry;
                carry = next;
            }
            if (carry != 0)
                m_limbs.push_back(carry);
        }
        m_limbs.insert(m_limbs.begin(), whole, 0);
    }

    void MultiplyPow5(std::int64_t exponent)
    {
        constexpr std::uint32_t kPow5[] = {1, 5, 25, 125, 625, 3125, 15625, 78125, 390625, 1953125, 9765625,
                                           48828125, 244140625, 1220703125};
        for (; exponent >= 13; exponent -= 13)
            MultiplyAdd(kPow5[13], 0);
        MultiplyAdd(kPow5[exponent], 0);
    }

    friend BigInt operator*(const BigInt &a, const BigInt &b)
    {
        BigInt product;
        product.m_limbs.assign(a.m_limbs.size() + b.m_limbs.size(), 0);
        for (std::size_t i = 0; i < a.m_limbs.size(); ++i) {
            std::uint64_t carry = 0;
            for (std::size_t j = 0; j < b.m_limbs.size(); ++j) {
                const std::uint64_t t =
                    std::uint64_t{a.m_limbs[i]} * b.m_limbs[j] + product.m_limbs[i + j] + carry;
                product.m_limbs[i + j] = static_cast<std::uint32_t>(t);
                carry = t >> 32;
            }
            product.m_limbs[i + b.m_limbs.size()] = static_cast<std::uint32_t>(carry);
        }
        product.Trim();
        return product;
    }

    friend int Compare(const BigInt &a, const BigInt &b)
    {
        if (a.m_limbs.size() != b.m_limbs.size())
            return a.m_limbs.size() < b.m_limbs.size() ? -1 : 1;
        for (std::size_t i = a.m_limbs.size(); i-- > 0;)
            if (a.m_limbs[i] != b.m_limbs[i])
                return a.m_limbs[i] < b.m_limbs[i] ? -1 : 1;
        return 0;
    }

    // Decimal digits without leading zeros; "" for zero.
    std::string ToDecimal() const
    {
        BigInt n = *this;
        std::string reversed;
        while (!n.IsZero()) {
            std::uint64_t remainder = 0;
            for (std::size_t i = n.m_limbs.size(); i-- > 0;) {
                const std::uint64_t t = remainder << 32 | n.m_limbs[i];
                n.m_limbs[i] = static_cast<std::uint32_t>(t / 1'000'000'000);
                remainder = t % 1'000'000'000;
            }
            n.Trim();
            for (int k = 0; k < 9; ++k, remainder /= 10)
                reversed += static_cast<char>('0' + remainder % 10);
        }
        while (!reversed.empty() && reversed.back() == '0')
            reversed.pop_back();
        return {reversed.rbegin(), reversed.rend()};
    }

private:
    void Trim()
    {
        while (!m_limbs.empty() && m_limbs.back() == 0)
            m_limbs.pop_back();
    }

    std::vector<std::uint32_t> m_limbs;
};

// Mantissa * 2^Twos * 5^Fives.
struct Exact
{
    BigInt Mantissa;
    std::int64_t Twos = 0;
    std::int64_t Fives = 0;
};

int Compare(const Exact &a, const Exact &b)
{
    BigInt left = a.Mantissa;
    BigInt right = b.Mantissa;
    const std::int64_t twos = a.Twos - b.Twos;
    const std::int64_t fives = a.Fives - b.Fives;
    (twos > 0 ? left : right).ShiftLeft(twos > 0 ? twos : -twos);
    (fives > 0 ? left : right).MultiplyPow5(fives > 0 ? fives : -fives);
    return Compare(left, right);
}

// Bit patterns of non-negative doubles grow with the value; +infinity comes
// right after the largest finite double.
constexpr std::uint64_t kInfinityBits = 0x7FF0'0000'0000'0000;
constexpr std::uint64_t kSignBit = 0x8000'0000'0000'0000;

// The finite non-negative double with these bits, as mantissa * 2^exponent.
struct Binary
{
    std::uint64_t Mantissa;
    std::int64_t Exponent;
};

Binary Decompose(std::uint64_t bits)
{
    const auto biased = static_cast<std::int64_t>(bits >> 52);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (biased == 0)
        return {fraction, -1074};
    return {fraction | std::uint64_t{1} << 52, biased - 1075};
}

// Exactly halfway between the double with these bits and the next one up.
Exact UpperMidpoint(std::uint64_t bits)
{
    const Binary b = Decompose(bits);
    return {BigInt(2 * b.Mantissa + 1), b.Exponent - 1, 0};
}

// Bits of the double nearest to the non-negative value x, ties to the even
// bit pattern, values from halfway past the largest double on giving
// infinity. The guess only decides where the search starts.
std::uint64_t RoundToDouble(const Exact &x, double guess)
{
    std::uint64_t bits = std::min(std::bit_cast<std::uint64_t>(guess) & ~kSignBit, kInfinityBits);
    for (int step = 0;; ++step) {
        if (step > 64) {
            ADD_FAILURE() << "the starting guess was far off";
            return bits;
        }
        if (bits > 0) {
            const int c = Compare(x, UpperMidpoint(bits - 1));
            if (c < 0 || (c == 0 && bits % 2 == 1)) {
                --bits;
                continue;
            }
        }
        if (bits < kInfinityBits) {
            const int c = Compare(x, UpperMidpoint(bits));
            if (c > 0 || (c == 0 && bits % 2 == 1)) {
                ++bits;
                continue;
            }
        }
        return bits;
    }
}

// The number a text starts with, read the way the input boxes read it
// (spaces, tabs and line feeds dropped first; no "&H"/"&O" forms).
struct SignedDouble
{
    bool Negative;
    std::uint64_t Bits; // without the sign
};

SignedDouble ReadText(std::string_view text)
{
    std::string s;
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;
    std::size_t i = 0;
    const bool negative = i < s.size() && s[i] == '-';
    if (i < s.size() && (s[i] == '-' || s[i] == '+'))
        ++i;
    std::string digits;
    std::int64_t exponent = 0;
    bool point = false;
    bool anyDigit = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9') {
            anyDigit = true;
            digits += s[i];
            exponent -= point;
        } else if (s[i] == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit)
        return {false, 0};
    if (i + 1 < s.size() && std::string_view("EeDd").find(s[i]) != std::string_view::npos) {
        std::size_t j = i + 1;
        const bool negativeExponent = s[j] == '-';
        j += s[j] == '-' || s[j] == '+';
        std::int64_t written = 0;
        const std::size_t first = j;
        for (; j < s.size() && s[j] >= '0' && s[j] <= '9'; ++j)
            written = written * 10 + (s[j] - '0');
        if (j > first)
            exponent += negativeExponent ? -written : written;
    }
    const std::string guessText = digits + "e" + std::to_string(exponent);
    const Exact value{BigInt::FromDecimal(digits), exponent, exponent};
    return {negative, RoundToDouble(value, std::strtod(guessText.c_str(), nullptr))};
}

// value * factor rounded to double, from the exact product of the mantissas.
std::uint64_t Multiply(std::uint64_t valueBits, double factor)
{
    if (valueBits >= kInfinityBits)
        return kInfinityBits;
    const Binary a = Decompose(valueBits);
    const Binary b = Decompose(std::bit_cast<std::uint64_t>(factor));
    const Exact product{BigInt(a.Mantissa) * BigInt(b.Mantissa), a.Exponent + b.Exponent, 0};
    return RoundToDouble(product, std::bit_cast<double>(valueBits) * factor);
}

// Fifteen significant digits D[0].D[1..14] * 10^Exponent of a finite double,
// rounded half to even from its full decimal expansion.
struct Fifteen
{
    std::string Digits;
    std::int64_t Exponent;
    bool Zero;
    bool Tie; // the dropped digits were exactly 5000...
};

Fifteen RoundToFifteen(std::uint64_t bits)
{
    if (bits == 0)
        return {std::string(15, '0'), 0, true, false};
    const Binary b = Decompose(bits);
    BigInt n(b.Mantissa);
    std::int64_t pointShift = 0; // the value is n * 10^pointShift
    if (b.Exponent >= 0) {
        n.ShiftLeft(b.Exponent);
    } else {
        n.MultiplyPow5(-b.Exponent);
        pointShift = b.Exponent;
    }
    const std::string all = n.ToDecimal();
    Fifteen f{all.substr(0, 15), static_cast<std::int64_t>(all.size()) - 1 + pointShift, false, false};
    f.Digits.resize(15, '0');
    const std::string rest = all.size() > 15 ? all.substr(15) : "";
    bool up = false;
    if (!rest.empty() && rest[0] != '5')
        up = rest[0] > '5';
    else if (!rest.empty()) {
        f.Tie = rest.find_first_not_of('0', 1) == std::string::npos;
        up = !f.Tie || (f.Digits.back() - '0') % 2 == 1;
    }
    if (up) {
        std::size_t i = 15;
        while (i > 0 && f.Digits[i - 1] == '9')
            f.Digits[--i] = '0';
        if (i == 0) {
            f.Digits[0] = '1';
            ++f.Exponent;
        } else {
            ++f.Digits[i - 1];
        }
    }
    return f;
}

// The fifteen digits in positional notation: whole part and fraction part.
void Positional(const Fifteen &f, std::string &whole, std::string &fraction)
{
    if (f.Exponent >= 14) {
        whole = f.Digits + std::string(static_cast<std::size_t>(f.Exponent - 14), '0');
        fraction.clear();
    } else if (f.Exponent >= 0) {
        whole = f.Digits.substr(0, static_cast<std::size_t>(f.Exponent + 1));
        fraction = f.Digits.substr(static_cast<std::size_t>(f.Exponent + 1));
    } else {
        whole.clear();
        fraction = std::string(static_cast<std::size_t>(-f.Exponent - 1), '0') + f.Digits;
    }
}

void StripTrailingZeros(std::string &digits)
{
    digits.erase(digits.find_last_not_of('0') + 1);
}

std::string PlainReference(bool negative, const Fifteen &f, std::string_view separator)
{
    std::string text = negative ? "-" : "";
    if (f.Zero)
        return text + "0";
    if (f.Exponent < -4 || f.Exponent >= 15) {
        std::string digits = f.Digits;
        StripTrailingZeros(digits);
        text += digits[0];
        if (digits.size() > 1)
            text.append(separator).append(digits, 1);
        const std::int64_t magnitude = f.Exponent < 0 ? -f.Exponent : f.Exponent;
        text += f.Exponent < 0 ? "E-" : "E+";
        return text + (magnitude < 10 ? "0" : "") + std::to_string(magnitude);
    }
    std::string whole;
    std::string fraction;
    Positional(f, whole, fraction);
    StripTrailingZeros(fraction);
    text += whole.empty() ? "0" : whole;
    if (!fraction.empty())
        text.append(separator).append(fraction);
    return text;
}

// Also tells whether the fifteen digits lay exactly halfway between two
// numbers with the pattern's decimals.
std::string PatternReference(bool negative, const Fifteen &f, std::size_t decimals, std::string_view separator,
                             bool *halfway)
{
    std::string whole;
    std::string fraction;
    Positional(f, whole, fraction);
    *halfway = fraction.size() > decimals && fraction[decimals] == '5' &&
               fraction.find_first_not_of('0', decimals + 1) == std::string::npos;
    if (fraction.size() > decimals) {
        const bool up = fraction[decimals] >= '5';
        fraction.resize(decimals);
        if (up) {
            std::string number = whole + fraction;
            std::size_t i = number.size();
            while (i > 0 && number[i - 1] == '9')
                number[--i] = '0';
            if (i == 0)
                number.insert(0, "1");
            else
                ++number[i - 1];
            whole = number.substr(0, number.size() - decimals);
            fraction = number.substr(number.size() - decimals);
        }
    }
    fraction.resize(decimals, '0');
    whole.erase(0, whole.find_first_not_of('0'));
    const bool zero = whole.empty() && fraction.find_first_not_of('0') == std::string::npos;
    return (negative && !zero ? "-" : "") + whole + std::string(separator) + fraction;
}

constexpr std::string_view kSeparators[] = {".", ",", "\u066B"};

// The number of '0' after the '.' of "####.0000".
std::size_t PatternDecimals(const ConversionSpec &spec)
{
    return spec.Pattern.size() - spec.Pattern.find('.') - 1;
}

// Runs texts or products through the program and the model, counts what was
// covered, and reports the first few disagreements.
class Comparison
{
public:
    void Text(const std::string &text)
    {
        const SignedDouble value = ReadText(text);
        for (const ConversionSpec *spec : AllConversions) {
            const std::string_view separator = kSeparators[m_count % 3];
            const std::uint64_t product = Multiply(value.Bits, spec->Factor);
            std::optional<std::string> expected;
            if (product != kInfinityBits)
                expected = Number(*spec, value.Negative, product, separator) + std::string(spec->Suffix);
            else
                ++m_overflows;
            const std::optional<std::string> actual = ResultText(*spec, text, separator);
            if (actual != expected)
                Report(text, *spec, actual.value_or("(none)"), expected.value_or("(none)"));
            ++m_count;
        }
    }

    void Product(double product)
    {
        const bool negative = std::signbit(product);
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(product) & ~kSignBit;
        for (const ConversionSpec *spec : AllConversions) {
            const std::string_view separator = kSeparators[m_count % 3];
            const std::string expected = Number(*spec, negative, bits, separator);
            const std::string actual = NumberText(*spec, product, separator);
            if (actual != expected) {
                char text[40];
                std::snprintf(text, sizeof text, "%.17g", product);
                Report(text, *spec, actual, expected);
            }
            ++m_count;
        }
    }

    int Count() const { return m_count; }
    int Failures() const { return m_failures; }
    int PatternHalfways() const { return m_patternHalfways; }
    int FifteenDigitTies() const { return m_fifteenDigitTies; }
    int SubnormalProducts() const { return m_subnormals; }
    int Overflows() const { return m_overflows; }

private:
    std::string Number(const ConversionSpec &spec, bool negative, std::uint64_t bits, std::string_view separator)
    {
        m_subnormals += bits != 0 && bits < (std::uint64_t{1} << 52);
        const Fifteen fifteen = RoundToFifteen(bits);
        m_fifteenDigitTies += fifteen.Tie;
        if (spec.Pattern.empty())
            return PlainReference(negative, fifteen, separator);
        bool halfway = false;
        const std::string text = PatternReference(negative, fifteen, PatternDecimals(spec), separator, &halfway);
        m_patternHalfways += halfway;
        return text;
    }

    void Report(std::string_view text, const ConversionSpec &spec, const std::string &actual,
                const std::string &expected)
    {
        if (++m_failures <= 10)
            ADD_FAILURE() << "input \"" << text << "\" with factor " << spec.Factor << ": got \"" << actual
                          << "\", exact arithmetic gives \"" << expected << "\"";
    }

    int m_count = 0;
    int m_failures = 0;
    int m_patternHalfways = 0;
    int m_fifteenDigitTies = 0;
    int m_subnormals = 0;
    int m_overflows = 0;
};

class Random
{
public:
    std::uint64_t Bits() { return m_engine(); }
    // 0 .. n-1.
    std::uint64_t Below(std::uint64_t n) { return m_engine() % n; }
    std::string Digits(std::size_t count, bool leadingNonZero)
    {
        std::string digits;
        for (std::size_t i = 0; i < count; ++i)
            digits += static_cast<char>('0' + (i == 0 && leadingNonZero ? 1 + Below(9) : Below(10)));
        return digits;
    }

private:
    std::mt19937_64 m_engine{20260607};
};

std::string Shortest(double value)
{
    char text[40];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

// The exact decimal expansion of a non-negative finite double, or of the
// point halfway to the next double up.
std::string ExpansionOf(std::uint64_t bits, bool halfwayUp)
{
    const Binary b = Decompose(bits);
    BigInt n(halfwayUp ? 2 * b.Mantissa + 1 : b.Mantissa);
    std::int64_t exponent = halfwayUp ? b.Exponent - 1 : b.Exponent;
    if (exponent >= 0) {
        n.ShiftLeft(exponent);
        return n.ToDecimal();
    }
    n.MultiplyPow5(-exponent);
    std::string digits = n.ToDecimal();
    const auto places = static_cast<std::size_t>(-exponent);
    if (digits.size() <= places)
        digits.insert(0, places - digits.size() + 1, '0');
    digits.insert(digits.size() - places, ".");
    return digits;
}

TEST(ResultTextReference, TypedNumbers)
{
    Random random;
    Comparison comparison;
    for (int i = 0; i < 40'000; ++i) {
        std::string text = random.Digits(1 + random.Below(12), false);
        if (random.Below(3) == 0)
            text.insert(random.Below(text.size() + 1), ".");
        if (random.Below(5) == 0) {
            text += "eEdD"[random.Below(4)];
            const char *signs[] = {"", "+", "-"};
            text += signs[random.Below(3)];
            text += std::to_string(random.Below(40));
        }
        if (random.Below(20) == 0)
            text.insert(0, "-");
        if (random.Below(10) == 0)
            text.insert(random.Below(text.size() + 1), " \t\n"[random.Below(3)] + std::string());
        if (random.Below(20) == 0)
            text += " m\u00B2";
        comparison.Text(text);
    }
    EXPECT_EQ(comparison.Failures(), 0);
}

TEST(ResultTextReference, DoublesOfEveryMagnitude)
{
    Random random;
    Comparison comparison;
    for (int i = 0; i < 20'000; ++i) {
        const double value = std::bit_cast<double>(random.Bits() & ~kSignBit);
        if (!std::isfinite(value))
            continue;
        char text[40];
        std::snprintf(text, sizeof text, "%.*g", static_cast<int>(1 + random.Below(17)), value);
        comparison.Text(text);
    }
    EXPECT_EQ(comparison.Failures(), 0);
    EXPECT_GT(comparison.SubnormalProducts(), 0);
}

TEST(ResultTextReference, LongDigitStrings)
{
    Random random;
    Comparison comparison;
    for (int i = 0; i < 5'000; ++i) {
        std::string text = random.Digits(20 + random.Below(780), random.Below(2) == 0);
        text.insert(random.Below(text.size() + 1), ".");
        if (random.Below(2) == 0)
            text += "e" + std::to_string(static_cast<int>(random.Below(800)) - 400);
        comparison.Text(text);
    }
    // Exactly halfway between two doubles, and the smallest step either side:
    // only the full digit string decides the rounding of the input.
    for (int i = 0; i < 5'000; ++i) {
        const std::uint64_t bits = random.Bits() % (kInfinityBits - 1);
        std::string text = ExpansionOf(bits, true);
        if (i % 3 == 1)
            text += text.find('.') == std::string::npos ? ".000000000000000000001" : "000000000000000000001";
        comparison.Text(text);
    }
    EXPECT_EQ(comparison.Failures(), 0);
}

// Products whose fifteen digits end in 5 right after the pattern's last
// decimal: the pattern rule must round those away from zero.
TEST(ResultTextReference, PatternHalfwayCases)
{
    Random random;
    Comparison comparison;
    for (const ConversionSpec *spec : {&FeetSqToMeterSq, &FeetCuToMeterCu}) {
        const std::size_t decimals = PatternDecimals(*spec);
        for (int i = 0; i < 4'000; ++i) {
            // All nines make the rounding carry into a new digit.
            std::string digits = i < 14 ? std::string(static_cast<std::size_t>(i + 1), '9')
                                        : random.Digits(1 + random.Below(14), true);
            digits += '5';
            std::string target = digits;
            if (target.size() <= decimals + 1)
                target.insert(0, decimals + 2 - target.size(), '0');
            target.insert(target.size() - decimals - 1, ".");
            const double guess = std::strtod(target.c_str(), nullptr) / spec->Factor;
            const std::string sign = random.Below(4) == 0 ? "-" : "";
            for (double value : {guess, std::nextafter(guess, 0.0), std::nextafter(guess, HUGE_VAL)})
                comparison.Text(sign + Shortest(value));
        }
    }
    EXPECT_EQ(comparison.Failures(), 0);
    EXPECT_GT(comparison.PatternHalfways(), 4'000);
}

TEST(ResultTextReference, OverflowLimits)
{
    Random random;
    Comparison comparison;
    const double max = std::numeric_limits<double>::max();
    const std::uint64_t maxBits = std::bit_cast<std::uint64_t>(max);
    const std::string nearMax[] = {
        Shortest(max), ExpansionOf(maxBits, false), ExpansionOf(maxBits, true), ExpansionOf(maxBits, true) + ".1",
        ExpansionOf(maxBits - 1, true), "1.7976931348623158e308", "1e309", "-1e309"};
    for (const std::string &text : nearMax)
        comparison.Text(text);

    for (const ConversionSpec *spec : {&MeterSqToFeetSq, &MeterCuToFeetCu}) {
        // Largest input that still converts.
        double largest = max / spec->Factor;
        while (!std::isfinite(largest * spec->Factor))
            largest = std::nextafter(largest, 0.0);
        while (std::isfinite(std::nextafter(largest, max) * spec->Factor))
            largest = std::nextafter(largest, max);
        const std::uint64_t bits = std::bit_cast<std::uint64_t>(largest);
        for (std::uint64_t b = bits - 2; b <= bits + 2; ++b) {
            const double value = std::bit_cast<double>(b);
            comparison.Text(Shortest(value));
            comparison.Text(ExpansionOf(b, false));
            comparison.Text(ExpansionOf(b, true));
            comparison.Text(ExpansionOf(b, true) + ".5");
            comparison.Text(Shortest(value) + " m\u00B2");
        }
        for (int i = 0; i < 1'000; ++i) {
            const double near = largest * (1 + (static_cast<double>(random.Below(2001)) - 1000) * 1e-15);
            comparison.Text(Shortest(near));
        }
    }
    EXPECT_EQ(comparison.Failures(), 0);
    EXPECT_GT(comparison.Overflows(), 0);
    EXPECT_GT(comparison.Count(), 2 * comparison.Overflows());
}

TEST(ResultTextReference, SubnormalProducts)
{
    Random random;
    Comparison comparison;
    for (int i = 0; i < 10'000; ++i) {
        const std::string digits = random.Digits(1 + random.Below(17), true);
        const int exponent = -305 - static_cast<int>(random.Below(25));
        comparison.Text(digits.substr(0, 1) + "." + digits.substr(1) + "e" + std::to_string(exponent));
    }
    EXPECT_EQ(comparison.Failures(), 0);
    EXPECT_GT(comparison.SubnormalProducts(), 10'000);
}

// Doubles whose exact value has a 5 right after the fifteenth digit: the cut
// to fifteen digits goes to the even neighbour, before the pattern rounding.
TEST(NumberTextReference, ExactTiesAtTheFifteenthDigit)
{
    Random random;
    Comparison comparison;
    for (int i = 0; i < 5'000; ++i) {
        // Sixteen-digit integers ending in 5, below 2^53 so they are exact.
        const double integer = static_cast<double>(1'000'000'000'000'000 + random.Below(800'000'000'000'000) * 10 + 5);
        // Fifteen integer digits and a half; fourteen digits and a quarter.
        const double half = static_cast<double>(100'000'000'000'000 + random.Below(800'000'000'000'000)) + 0.5;
        const double quarter = static_cast<double>(10'000'000'000'000 + random.Below(80'000'000'000'000)) +
                               (random.Below(2) == 0 ? 0.25 : 0.75);
        // Short dyadic fractions, which often end in 5 at the sixteenth digit.
        const double dyadic =
            std::ldexp(static_cast<double>(1 + random.Below(1 << 20)), -static_cast<int>(1 + random.Below(50)));
        for (double product : {integer, half, quarter, dyadic})
            comparison.Product(random.Below(8) == 0 ? -product : product);
    }
    EXPECT_EQ(comparison.Failures(), 0);
    EXPECT_GT(comparison.FifteenDigitTies(), 5'000);
}

// Hand-worked rows, so a fault in the model above cannot pass unnoticed.
TEST(ResultTextReference, ModelAgreesWithWorkedExamples)
{
    const struct
    {
        const char *name;
        const ConversionSpec &spec;
        const char *text;
        const char *expected;
    } cases[] = {
        {"plain", MeterSqToFeetSq, "2.5", "26.90975 Feet\u00B2"},
        {"plain exponent", MeterCuToFeetCu, "1e20", "3.528E+21 Feet\u00B3"},
        {"plain small", MeterSqToFeetSq, "1e-6", "1.07639E-05 Feet\u00B2"},
        {"plain negative zero", MeterSqToFeetSq, "-0", "-0 Feet\u00B2"},
        {"pattern pads", FeetSqToMeterSq, "100", "9.2900 Meter\u00B2"},
        {"pattern halfway up", FeetSqToMeterSq, "0.0016146393972012918", ".0002 Meter\u00B2"},
        {"pattern halfway negative", FeetCuToMeterCu, "-0.529200022438081", "-.02 Meter\u00B3"},
        {"pattern rounds to zero", FeetCuToMeterCu, "-0.1", ".00 Meter\u00B3"},
        {"pattern huge", FeetCuToMeterCu, "1e20", "2834467000000000000.00 Meter\u00B3"},
    };
    for (const auto &c : cases) {
        const SignedDouble value = ReadText(c.text);
        const Fifteen product = RoundToFifteen(Multiply(value.Bits, c.spec.Factor));
        bool halfway = false;
        const std::string number = c.spec.Pattern.empty()
                                       ? PlainReference(value.Negative, product, ".")
                                       : PatternReference(value.Negative, product, PatternDecimals(c.spec), ".",
                                                          &halfway);
        EXPECT_EQ(number + std::string(c.spec.Suffix), c.expected) << c.name;
    }
}

} // namespace
