#include "conversion.h"

#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <limits>
#include <optional>
#include <string>

namespace {

using namespace orvanta;

constexpr double kMax = std::numeric_limits<double>::max();

TEST(ConversionSpec, FactorsAreTheExpectedDoubles)
{
    EXPECT_EQ(std::bit_cast<std::uint64_t>(MeterSqToFeetSq.Factor), 0x4025871DE69AD42Cu);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(FeetSqToMeterSq.Factor), 0x3FB7C84B5DCC63F1u);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(MeterCuToFeetCu.Factor), 0x4041A3D70A3D70A4u);
    EXPECT_EQ(std::bit_cast<std::uint64_t>(FeetCuToMeterCu.Factor), 0x3F9D06629AA9E4EBu);
}

TEST(ResultText, ConvertsTypedText)
{
    const struct
    {
        const char *name;
        const ConversionSpec &spec;
        std::string text;
        const char *separator;
        std::optional<std::string> expected;
    } cases[] = {
        {"m2 one", MeterSqToFeetSq, "1", ".", "10.7639 Feet\u00B2"},
        {"m2 hundred", MeterSqToFeetSq, "100", ".", "1076.39 Feet\u00B2"},
        {"m3 hundred", MeterCuToFeetCu, "100", ".", "3528 Feet\u00B3"},
        {"m3 tenth", MeterCuToFeetCu, "0.1", ".", "3.528 Feet\u00B3"},
        {"ft2 one", FeetSqToMeterSq, "1", ".", ".0929 Meter\u00B2"},
        {"ft2 hundred", FeetSqToMeterSq, "100", ".", "9.2900 Meter\u00B2"},
        {"ft2 1e5", FeetSqToMeterSq, "100000", ".", "9290.0000 Meter\u00B2"},
        {"ft2 1e6", FeetSqToMeterSq, "1000000", ".", "92900.0000 Meter\u00B2"},
        {"ft3 one", FeetCuToMeterCu, "1", ".", ".03 Meter\u00B3"},
        {"ft3 thousand", FeetCuToMeterCu, "1000", ".", "28.34 Meter\u00B3"},
        {"ft3 tenth", FeetCuToMeterCu, "0.1", ".", ".00 Meter\u00B3"},
        {"comma separator", MeterSqToFeetSq, "2.5", ",", "26,90975 Feet\u00B2"},
        {"comma in input ends it", MeterSqToFeetSq, "2,5", ",", "21,5278 Feet\u00B2"},
        {"two-byte separator", MeterSqToFeetSq, "2.5", "\u066B", "26\u066B90975 Feet\u00B2"},
        {"two-byte separator pattern", FeetSqToMeterSq, "1", "\u066B", "\u066B0929 Meter\u00B2"},
        {"m2 overflow", MeterSqToFeetSq, "1e308", ".", std::nullopt},
        {"m3 overflow", MeterCuToFeetCu, "1e308", ".", std::nullopt},
        {"ft2 huge", FeetSqToMeterSq, "1e308", ".", "929" + std::string(304, '0') + ".0000 Meter\u00B2"},
        {"ft3 huge", FeetCuToMeterCu, "1e308", ".", "2834467" + std::string(300, '0') + ".00 Meter\u00B3"},
    };
    for (const ConversionSpec *spec : AllConversions)
        EXPECT_EQ(ResultText(*spec, "1e400", "."), std::nullopt) << spec->Suffix;
    for (const auto &c : cases)
        EXPECT_EQ(ResultText(c.spec, c.text, c.separator), c.expected) << c.name;
}

TEST(ResultText, OverflowsExactlyPastTheLargestConvertibleInput)
{
    for (const ConversionSpec *spec : {&MeterSqToFeetSq, &MeterCuToFeetCu}) {
        double largest = kMax / spec->Factor;
        while (!std::isfinite(largest * spec->Factor))
            largest = std::nextafter(largest, 0.0);
        while (std::isfinite(std::nextafter(largest, kMax) * spec->Factor))
            largest = std::nextafter(largest, kMax);
        char text[32];
        *std::to_chars(text, text + 31, largest).ptr = '\0';
        EXPECT_TRUE(ResultText(*spec, text, ".").has_value()) << text;
        *std::to_chars(text, text + 31, std::nextafter(largest, kMax)).ptr = '\0';
        EXPECT_FALSE(ResultText(*spec, text, ".").has_value()) << text;
    }
}

struct NumberCase
{
    const char *name;
    double product;
    std::string expected;
};

TEST(NumberText, PlainRuleKeepsFifteenSignificantDigits)
{
    const NumberCase cases[] = {
        {"factor", 10.7639, "10.7639"}, {"binary noise below", 100 * 10.7639, "1076.39"},
        {"binary noise above", 0.1 * 35.28, "3.528"}, {"integer", 100 * 35.28, "3528"},
        {"below one", 0.01 * 10.7639, "0.107639"}, {"exponent from 1e15", 1e15, "1E+15"},
        {"largest fixed", 999999999999999.0, "999999999999999"}, {"rounds into exponent form", 999999999999999.9, "1E+15"},
        {"small exponent", 0.000015, "1.5E-05"}, {"smallest fixed", 0.0001, "0.0001"},
        {"largest", kMax, "1.79769313486232E+308"}, {"zero", 0.0, "0"},
    };
    for (const NumberCase &c : cases)
        EXPECT_EQ(NumberText(MeterSqToFeetSq, c.product, "."), c.expected) << c.name;

    // Against the C library over many magnitudes.
    std::uint64_t state = 12345;
    for (int i = 0; i < 20000; ++i) {
        state = state * 6364136223846793005u + 1442695040888963407u;
        const double value = std::ldexp(static_cast<double>(state >> 11), static_cast<int>(state % 200) - 150);
        char expected[40];
        std::snprintf(expected, sizeof expected, "%.15G", value);
        ASSERT_EQ(NumberText(MeterSqToFeetSq, value, "."), expected);
    }
}

TEST(NumberText, PatternRuleRoundsDecimalsHalfAwayFromZero)
{
    const NumberCase fourDecimals[] = {
        {"no integer part", 0.0929, ".0929"}, {"padded", 9.29, "9.2900"},
        {"half of 0.0929 is a decimal half", 0.5 * 0.0929, ".0465"}, {"carry lengthens", 9999.99995, "10000.0000"},
        {"carry into units", 0.99995, "1.0000"}, {"half of the last place", 0.00005, ".0001"},
        {"below half of the last place", 0.00004999, ".0000"}, {"far below", 1e-9, ".0000"},
        {"above 1e15", 9.29e18, "9290000000000000000.0000"},
        {"largest", kMax, "179769313486232" + std::string(294, '0') + ".0000"},
        {"negative", -9.29, "-9.2900"}, {"negative rounding to zero", -0.00001, ".0000"},
    };
    for (const NumberCase &c : fourDecimals)
        EXPECT_EQ(NumberText(FeetSqToMeterSq, c.product, "."), c.expected) << c.name;

    const NumberCase twoDecimals[] = {
        {"rounds up", 0.02834467, ".03"}, {"rounds down", 28.344669999999997, "28.34"},
        {"rounds to zero", 0.002834467, ".00"}, {"carry into units", 0.996, "1.00"},
        {"binary below half", 0.015, ".02"}, {"binary below half again", 2.675, "2.68"},
    };
    for (const NumberCase &c : twoDecimals)
        EXPECT_EQ(NumberText(FeetCuToMeterCu, c.product, "."), c.expected) << c.name;
}

} // namespace
