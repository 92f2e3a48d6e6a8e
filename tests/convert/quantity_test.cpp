#include "quantity.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <new>
#include <string>

// Counts heap allocations so the tests can check that reading is free of them.
static int allocations = 0;
void *operator new(std::size_t size)
{
    ++allocations;
    if (void *p = std::malloc(size ? size : 1))
        return p;
    throw std::bad_alloc();
}
void operator delete(void *p) noexcept { std::free(p); }
void operator delete(void *p, std::size_t) noexcept { std::free(p); }

namespace {

using orvanta::ParseQuantity;

constexpr double kInf = std::numeric_limits<double>::infinity();

struct ParseCase
{
    const char *name;
    std::string text;
    double expected;
};

// Bitwise, so -0.0 and 0.0 differ.
void ExpectParses(const ParseCase &c)
{
    SCOPED_TRACE(c.name);
    const double actual = ParseQuantity(c.text);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(c.expected))
        << actual << " instead of " << c.expected;
}

TEST(ParseQuantity, ReadsTheLeadingNumber)
{
    const ParseCase cases[] = {
        {"unit after number", "12.5 m", 12.5}, {"spaces inside", " 1 000", 1000}, {"comma ends", "1,5", 1},
        {"second point ends", "1.2.3", 1.2}, {"no integer part", ".5", 0.5}, {"no fraction", "5.", 5},
        {"exponent E", "1.5E3", 1500}, {"exponent D", "1D2", 100}, {"exponent d negative", "1d-2", 0.01},
        {"minus", "-3", -3}, {"plus", "+4", 4}, {"currency first", "$5", 0}, {"letters", "abc", 0},
        {"empty", "", 0}, {"letters after", "12abc", 12}, {"space then letters", "12 abc", 12},
        {"split digits", " 2 5", 25}, {"negative zero", "-0", -0.0}, {"point alone", ".", 0},
        {"minus alone", "-", 0}, {"minus point", "-.", 0}, {"tab and line feed", "\t1\n2", 12},
        {"carriage return ends", "1\r2", 1}, {"arabic separator ends", "2\u066B5", 2},
        {"euro sign ends", "5\u20AC", 5}, {"space in exponent", "1E 3", 1000},
        {"bare exponent letter", "1e", 1}, {"exponent sign only", "1e+", 1}, {"D and minus only", "1d-", 1},
        {"tie to even", "9007199254740993", 9007199254740992.0}, {"too large", "1e400", kInf},
        {"too large negative", "-1e400", -kInf}, {"too small", "1e-400", 0}, {"too small negative", "-1e-400", -0.0},
        {"huge exponent", "1e99999999999999999999999", kInf}, {"huge negative exponent", "1e-99999999999999999999999", 0},
        {"zero with huge exponent", "0e99999999999999999999999", 0},
        {"largest double", "1.7976931348623157e308", std::numeric_limits<double>::max()},
        {"past the largest double", "1.7976931348623159e308", kInf},
        {"smallest subnormal", "4.9406564584124654e-324", std::numeric_limits<double>::denorm_min()},
        {"just above half the smallest subnormal", "2.4703282292062328e-324", std::numeric_limits<double>::denorm_min()},
    };
    for (const ParseCase &c : cases)
        ExpectParses(c);
}

TEST(ParseQuantity, ReadsHexadecimalAndOctal)
{
    const ParseCase cases[] = {
        {"hex", "&H10", 16}, {"lower case", "&hff", 255}, {"16-bit all ones", "&HFFFF", -1},
        {"16-bit sign bit", "&H8000", -32768}, {"16-bit largest", "&H7FFF", 32767}, {"needs 32 bits", "&H10000", 65536},
        {"32-bit all ones", "&HFFFFFFFF", -1}, {"32-bit sign bit", "&H80000000", -2147483648.0},
        {"wider than 32 bits", "&H100000000", kInf}, {"leading zeros", "&H0000000000FFFF", -1}, {"no digits", "&H", 0},
        {"not a digit", "&Hx", 0}, {"stops at non-digit", "&H1G", 1}, {"point ends", "&H10.5", 16},
        {"spaces inside", "& H 1 0", 16}, {"octal", "&O17", 15}, {"octal 16-bit all ones", "&o177777", -1},
        {"octal needs 32 bits", "&O200000", 65536}, {"8 is no octal digit", "&O8", 0}, {"sign in front", "-&H10", 0},
        {"ampersand and digit", "&1", 0},
    };
    for (const ParseCase &c : cases)
        ExpectParses(c);
}

TEST(ParseQuantity, ReadsTenMegabyteTextsExactly)
{
    const std::string many(10'000'000, '0');
    // 1 + 2^-53, exactly halfway between 1 and the next double.
    const std::string half = "1.00000000000000011102230246251565404236316680908203125";
    std::string digits;
    for (int i = 0; i < 100'000; ++i)
        digits += "1234567890";
    const ParseCase cases[] = {
        {"leading spaces", std::string(10'000'000, ' ') + "5", 5},
        {"tiny fraction", "0." + many + "1", 0},
        {"huge integer", "1" + many, kInf},
        {"integer scaled back", "1" + many + "e-10000000", 1},
        {"fraction scaled back", "0." + many + "1e10000001", 1},
        {"halfway rounds to even", half + many, 1},
        {"just above halfway", half + many + "1", std::nextafter(1.0, 2.0)},
        {"million digits", "0." + digits, 0.12345678901234568},
    };
    for (const ParseCase &c : cases)
        ExpectParses(c);

    const int before = allocations;
    for (const ParseCase &c : cases)
        (void)ParseQuantity(c.text);
    EXPECT_EQ(allocations, before);
}

TEST(IsValidQuantity, AcceptsExactlyPositiveValues)
{
    const struct
    {
        const char *text;
        bool valid;
    } cases[] = {{"1", true},      {"0.0001", true},  {"1e400", true},        {"&H100000000", true},
                 {"0", false},     {"-1", false},     {"1e-400", false},      {"&HFFFF", false},
                 {"abc", false},   {"", false}};
    for (const auto &c : cases)
        EXPECT_EQ(orvanta::IsValidQuantity(c.text), c.valid) << c.text;
}

} // namespace
