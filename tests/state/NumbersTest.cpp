#include "state/Numbers.h"

#include <clocale>
#include <gtest/gtest.h>
#include <limits>
#include <string>

using namespace vlnobrod;

// On a Czech system the C library would write "1234,5" and read "12.5" as 12: the numbers are
// checked under a locale with a decimal comma where one is installed.
TEST(Numbers, AreWrittenAndReadTheGamesWayWhateverTheSystemsLocale) {
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    for (const char* name : {"cs_CZ.UTF-8", "cs_CZ.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"})
        if (std::setlocale(LC_NUMERIC, name))
            break;
    constexpr double nan = std::numeric_limits<double>::quiet_NaN();
    const NumberLocale dot{'.'};
    // Halves go to the even neighbour, conversions saturate, NaN is no sum. The plain reader
    // takes only a point and stops at the first stranger; stored numbers read whole or not.
    const std::pair<std::optional<double>, std::optional<double>> numbers[] = {
        {ToI16(2.5), 2},
        {ToI16(3.5), 4},
        {ToI32(2.5001), 3},
        {ToU8(300), 255},
        {ToI16(-40000), -32768},
        {ToI32(1e12), 2147483647},
        {ToI16(nan), 0},
        {ClampMoney(-std::numeric_limits<double>::infinity()), -MaxMoney},
        {ClampMoney(nan), 0},
        {ParseDot("24,75"), 24},
        {ParseDot("  -3.5xyz"), -3.5},
        {ParseDot("1 2 3"), 123},
        {ParseDot("7E"), 7},
        {ParseNumber(" -500 "), -500},
        {ParseNumber("1E+15"), 1e15},
        {ParseNumber(""), {}},
        {ParseNumber("1.2.3"), {}},
        {ParseNumber("-"), {}},
        {ParseNumber("+.5"), 0.5},
        {ParseNumber("1.e2"), 100},
        {ParseNumber("+-5"), {}},
        {ParseNumber("inf"), {}},
        {ParseNumber("-nan"), {}},
        {ParseNumber("1E999"), {}},
        {ParseNumber("-1E-999"), 0},
        {ParseMoney("-1E999"), -MaxMoney},
        {ParseMoney("0.0000000001E999"), MaxMoney},
        {ParseMoney("1000000000E-999"), 0},
        {ParseMoney("1E9223372036854775807"), MaxMoney}, // exponents at the ends of their type
        {ParseMoney("0.001E-9223372036854775808"), 0},
        {ParseDot("  1e400"), std::numeric_limits<double>::infinity()}};
    for (std::size_t i = 0; i < std::size(numbers); ++i)
        EXPECT_EQ(numbers[i].first, numbers[i].second) << "row " << i;

    // Written with the player's separator (only ever "." or ",") and fifteen digits, seven
    // for singles; counters group thousands, digits beyond the pattern too.
    const std::pair<std::string, std::string> written[] = {
        {FormatDouble(123456789.123456, dot), "123456789.123456"},
        {FormatDouble(12.5, NumberLocale{'\0'}), "12.5"},
        {FormatSingle(12.345678f, dot), "12.34568"},
        {std::string(1, DecimalSeparatorFor(",")), ","},
        {std::string(1, DecimalSeparatorFor("\u066B")), "."},
        {FormatGrouped(1234567, "### ##0"), "1 234 567"},
        {FormatGrouped(1234567, "## ##0"), "1 234 567"},
        {FormatGrouped(999999999999, "### ### ### ##0"), "999 999 999 999"},
        {FormatGrouped(1000000000209999, "### ### ### ##0"), "1 000 000 000 209 999"},
        {FormatMoney(-0.4), "0"},
    };
    for (const auto& [got, expected] : written)
        EXPECT_EQ(got, expected);
    // The largest doubles, which fifteen digits would round past the largest, read back.
    for (const double big : {1.7976931348623152e308, -1.7976931348623157e308})
        EXPECT_EQ(ParseNumber(FormatDouble(big, dot)), big);
    std::setlocale(LC_NUMERIC, before.c_str());
}
