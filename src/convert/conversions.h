#pragma once

#include <array>
#include <string_view>

namespace orvanta {

// The constants of one direction of conversion. All four records are fixed at
// build time; the factors are the exact doubles nearest to the decimal values
// the program has always used (10.7639, 0.0929, 35.28, 0.02834467), not the
// textbook ones, so results match what users already know from this tool.
struct ConversionSpec
{
    double Factor;
    // Number pattern of the result ("####.0000", "####.00"); empty selects the
    // plain rule (shortest form up to 15 significant digits).
    std::string_view Pattern;
    // UTF-8; begins with a space and ends with ² or ³.
    std::string_view Suffix;
    // Name prefixes of the row controls on this conversion's page; row n is
    // the prefix followed by n.
    std::string_view InputPrefix;
    std::string_view ButtonPrefix;
    std::string_view ResultPrefix;
};

inline constexpr ConversionSpec MeterSqToFeetSq{10.7639, "", " Feet\u00B2", "Meter", "Command", "AnsFeet"};
inline constexpr ConversionSpec FeetSqToMeterSq{0.0929, "####.0000", " Meter\u00B2", "Feet", "cmd", "AnsMet"};
inline constexpr ConversionSpec MeterCuToFeetCu{35.28, "", " Feet\u00B3", "M", "C", "A"};
inline constexpr ConversionSpec FeetCuToMeterCu{0.02834467, "####.00", " Meter\u00B3", "F", "D", "S"};

inline constexpr std::array<const ConversionSpec *, 4> AllConversions{
    &MeterSqToFeetSq, &FeetSqToMeterSq, &MeterCuToFeetCu, &FeetCuToMeterCu};

} // namespace orvanta
