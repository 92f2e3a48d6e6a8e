// Prints what the conversion core makes of a fixed table of inputs: the value
// ParseQuantity reads (as its bit pattern), IsValidQuantity, and ResultText of
// every conversion with "." and "," as the separator. The same source is built
// for Linux and for Windows; the two outputs must be identical byte for byte,
// which shows that nothing in the core depends on the C runtime it runs on
// (glibc and the Windows CRT read and write numbers differently).
//
// The table is built here from a fixed seed, with the standard library's
// exact to_chars only, so both builds feed the core the very same texts.
// `numbertable --inputs` prints just the table's texts. A C++ library without
// floating-point to_chars (the WebAssembly build's) cannot make them: that
// build reads them from standard input instead, one escaped text a line.

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "conversion.h"
#include "conversions.h"
#include "quantity.h"

namespace {

using namespace orvanta;

// A fixed generator whose sequence is the same with every standard library.
class Lcg
{
public:
    std::uint64_t Bits()
    {
        m_state = m_state * 6364136223846793005u + 1442695040888963407u;
        return m_state ^ (m_state >> 29);
    }
    std::uint64_t Below(std::uint64_t n) { return Bits() % n; }
    std::string Digits(std::size_t count)
    {
        std::string digits;
        for (std::size_t i = 0; i < count; ++i)
            digits += static_cast<char>('0' + (i == 0 ? 1 + Below(9) : Below(10)));
        return digits;
    }

private:
    std::uint64_t m_state = 20260607;
};

#if defined(__cpp_lib_to_chars)
std::string Shortest(double value)
{
    char text[64];
    return {text, std::to_chars(text, text + sizeof text, value).ptr};
}

std::string Scientific(double value, int precision)
{
    char text[1100];
    return {text, std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, precision).ptr};
}

// The point exactly halfway between a positive finite double and the next
// one up, as "<digits>e<exponent>": (2m + 1) * 2^(e - 1) in decimal.
std::string HalfwayAbove(double value)
{
    int exponent = 0;
    const double fraction = std::frexp(value, &exponent);
    // value = mantissa * 2^(exponent - 53), subnormals included.
    auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    exponent -= 53;
    if (exponent < -1074) {
        mantissa >>= -1074 - exponent;
        exponent = -1074;
    }
    // Base 10^9 limbs, least significant first.
    std::vector<std::uint32_t> limbs;
    for (std::uint64_t n = 2 * mantissa + 1; n != 0; n /= 1'000'000'000)
        limbs.push_back(static_cast<std::uint32_t>(n % 1'000'000'000));
    const auto multiply = [&limbs](std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (std::uint32_t &limb : limbs) {
            const std::uint64_t t = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(t % 1'000'000'000);
            carry = t / 1'000'000'000;
        }
        for (; carry != 0; carry /= 1'000'000'000)
            limbs.push_back(static_cast<std::uint32_t>(carry % 1'000'000'000));
    };
    // x * 2^k with k < 0 is x * 5^-k * 10^k.
    int twos = exponent - 1;
    const int tens = twos < 0 ? twos : 0;
    for (; twos > 0; twos -= 16)
        multiply(1u << (twos < 16 ? twos : 16));
    for (int fives = -tens; fives > 0; --fives)
        multiply(5);

    std::string digits = std::to_string(limbs.back());
    for (std::size_t i = limbs.size() - 1; i-- > 0;) {
        char limb[16];
        std::snprintf(limb, sizeof limb, "%09u", static_cast<unsigned>(limbs[i]));
        digits += limb;
    }
    return digits + "e" + std::to_string(tens);
}

std::vector<std::string> Inputs()
{
    std::vector<std::string> inputs = {
        // The edge rows of the core's unit tests.
        "12.5 m", " 1 000", "1,5", "1.2.3", ".5", "5.", "1.5E3", "1D2", "1d-2", "-3", "+4", "$5", "abc", "",
        "12abc", "12 abc", " 2 5", "-0", ".", "-", "-.", "\t1\n2", "1\r2", "2\u066B5", "5\u20AC", "1E 3", "1e",
        "1e+", "1d-", "9007199254740993", "1e400", "-1e400", "1e-400", "-1e-400", "1e99999999999999999999999",
        "1e-99999999999999999999999", "0e99999999999999999999999", "1.7976931348623157e308",
        "1.7976931348623159e308", "4.9406564584124654e-324", "2.4703282292062328e-324", "&H10", "&hff", "&HFFFF",
        "&H8000", "&H7FFF", "&H10000", "&HFFFFFFFF", "&H80000000", "&H100000000", "&H0000000000FFFF", "&H", "&Hx",
        "&H1G", "&H10.5", "& H 1 0", "&O17", "&o177777", "&O200000", "&O8", "-&H10", "&1", "1", "0.0001", "0",
        "-1", "100", "0.1", "1000", "1000000", "2.5", "2,5", "1e308", "1e20", "1e-6", "0.0016146393972012918",
        "-0.529200022438081", "1e15", "999999999999999", "999999999999999.9", "0.000015",
        "1.00000000000000011102230246251565404236316680908203125",
        "1.000000000000000111022302462515654042363166809082031250000000001",
        "0." + std::string(1000, '0') + "1", "1" + std::string(400, '0'), "1" + std::string(1000, '0') + "e-1000",
        std::string(1000, ' ') + "5", "1 m\u00B2", "3 ft\u00B3",
    };

    Lcg random;
    // Numbers as people type them.
    for (int i = 0; i < 1'500; ++i) {
        std::string text = random.Digits(1 + random.Below(12));
        if (random.Below(3) == 0)
            text.insert(random.Below(text.size() + 1), 1, '.');
        if (random.Below(4) == 0)
            text += "eEdD"[random.Below(4)] + std::to_string(static_cast<int>(random.Below(80)) - 40);
        if (random.Below(20) == 0)
            text.insert(0, 1, '-');
        inputs.push_back(text);
    }
    // Doubles of every magnitude, shortest and with 1 to 25 digits.
    for (int i = 0; i < 1'500; ++i) {
        const std::uint64_t bits = random.Bits() & 0x7FFF'FFFF'FFFF'FFFFu;
        double value;
        std::memcpy(&value, &bits, sizeof value);
        if (!std::isfinite(value))
            continue;
        inputs.push_back(i % 2 == 0 ? Shortest(value) : Scientific(value, static_cast<int>(random.Below(25))));
    }
    // Exactly halfway between two doubles and a hair either side: only the
    // full digit string decides the rounding.
    for (int i = 0; i < 500; ++i) {
        const double value = i % 5 == 0 ? std::ldexp(1.0 + std::ldexp(static_cast<double>(random.Below(1u << 30)), -30),
                                                     static_cast<int>(random.Below(2098)) - 1074)
                                        : std::ldexp(static_cast<double>(random.Bits() >> 11),
                                                     static_cast<int>(random.Below(120)) - 80);
        if (!std::isfinite(value) || value == 0.0)
            continue;
        const std::string half = HalfwayAbove(value);
        const std::size_t e = half.find('e');
        std::string below = half;
        --below[e - 1];  // The last digit of an odd number times 2^k or 5^k is never 0.
        inputs.push_back(half);
        inputs.push_back(half.substr(0, e) + "1e" + std::to_string(std::stoi(half.substr(e + 1)) - 1));
        inputs.push_back(below);
    }
    // Products right at the pattern rule's rounding step, and inputs around
    // the largest that still converts.
    for (const ConversionSpec *spec : AllConversions) {
        // 10^decimals of the pattern; integer arithmetic, as the C libraries'
        // pow() need not agree to the last bit.
        double scale = 1;
        for (std::size_t d = spec->Pattern.empty() ? 4 : spec->Pattern.size() - spec->Pattern.find('.') - 1; d > 0; --d)
            scale *= 10;
        for (int i = 0; i < 100; ++i) {
            const double target = (static_cast<double>(random.Below(10'000'000'000)) + 0.5) / scale;
            const double guess = target / spec->Factor;
            for (double value : {guess, std::nextafter(guess, 0.0), std::nextafter(guess, 1e300)})
                inputs.push_back(Shortest(value));
        }
        double largest = std::numeric_limits<double>::max() / spec->Factor;
        for (int step = -3; step <= 3; ++step) {
            double value = largest;
            for (int k = 0; k < (step < 0 ? -step : step); ++k)
                value = std::nextafter(value, step < 0 ? 0.0 : HUGE_VAL);
            if (std::isfinite(value))
                inputs.push_back(Scientific(value, 20));
        }
    }
    // Subnormal and nearly overflowing values.
    for (int i = 0; i < 300; ++i) {
        const std::string digits = random.Digits(1 + random.Below(20));
        const int exponent = i % 2 == 0 ? -300 - static_cast<int>(random.Below(30)) : 290 + static_cast<int>(random.Below(20));
        inputs.push_back(digits.substr(0, 1) + "." + digits.substr(1) + "e" + std::to_string(exponent));
    }
    return inputs;
}

#else
// The texts as `numbertable --inputs` printed them.
std::vector<std::string> Inputs()
{
    std::vector<std::string> inputs;
    std::string line;
    for (int c = std::getchar(); c != EOF; c = std::getchar()) {
        if (c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        std::string text;
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (line[i] == '\\' && i + 3 < line.size() && line[i + 1] == 'x') {
                text += static_cast<char>(std::stoi(line.substr(i + 2, 2), nullptr, 16));
                i += 3;
            } else {
                text += line[i];
            }
        }
        inputs.push_back(text);
        line.clear();
    }
    return inputs;
}
#endif

// std::bit_cast is missing from the WebAssembly build's C++ library.
std::uint64_t BitsOf(double value)
{
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

// Control characters and bytes outside ASCII as \xHH, so each row is one line.
void Escaped(std::string &out, std::string_view text)
{
    for (unsigned char c : text) {
        if (c < 0x20 || c >= 0x7F || c == '\\') {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", c);
            out += hex;
        } else {
            out += static_cast<char>(c);
        }
    }
}

} // namespace

int main(int argc, char *argv[])
{
#ifdef _WIN32
    // Binary, or the Windows CRT would write "\r\n" for every "\n".
    _setmode(_fileno(stdout), _O_BINARY);
#endif
    std::string out;
    const bool inputsOnly = argc > 1 && std::string_view(argv[1]) == "--inputs";
    for (const std::string &text : Inputs()) {
        Escaped(out, text);
        if (inputsOnly) {
            out += '\n';
            continue;
        }
        char bits[24];
        std::snprintf(bits, sizeof bits, "\t%016llX\t%d",
                      static_cast<unsigned long long>(BitsOf(ParseQuantity(text))),
                      IsValidQuantity(text) ? 1 : 0);
        out += bits;
        for (const ConversionSpec *spec : AllConversions) {
            for (const char *separator : {".", ","}) {
                out += '\t';
                const std::optional<std::string> result = ResultText(*spec, text, separator);
                Escaped(out, result ? *result : "(too large)");
            }
        }
        out += '\n';
    }
    return std::fwrite(out.data(), 1, out.size(), stdout) == out.size() && std::fflush(stdout) == 0 ? 0 : 1;
}
