#include "state/Numbers.h"

#include <clocale>
#include <gtest/gtest.h>
#include <string>

using namespace vlnobrod;

TEST(Numbers, HalvesGoToTheEvenNeighbourAndConversionsSaturateInsteadOfWrapping) {
    EXPECT_EQ(ToI16(2.5), 2);
    EXPECT_EQ(ToI16(3.5), 4);
    EXPECT_EQ(ToI16(-2.5), -2);
    EXPECT_EQ(ToU8(0.5), 0);
    EXPECT_EQ(ToU8(1.5), 2);
    EXPECT_EQ(ToI32(2.5001), 3);
    EXPECT_EQ(ToU8(300), 255);
    EXPECT_EQ(ToU8(-4), 0);
    EXPECT_EQ(ToI16(40000), 32767);
    EXPECT_EQ(ToI16(-40000), -32768);
    EXPECT_EQ(ToI32(1e12), 2147483647);
    EXPECT_EQ(ToI32(-1e12), -2147483647 - 1);
    EXPECT_EQ(ToI16(std::numeric_limits<double>::quiet_NaN()), 0);
}

TEST(Numbers, DoublesAreWrittenWithTheUsersSeparatorAndFifteenDigits) {
    const NumberLocale dot{'.'}, comma{','};
    EXPECT_EQ(FormatDouble(1234.5, dot), "1234.5");
    EXPECT_EQ(FormatDouble(1234.5, comma), "1234,5");
    EXPECT_EQ(FormatDouble(10000, dot), "10000");
    EXPECT_EQ(FormatDouble(-0.25, comma), "-0,25");
    EXPECT_EQ(FormatDouble(0.1 + 0.2, dot), "0.3");
    EXPECT_EQ(FormatDouble(123456789.123456, dot), "123456789.123456");
    EXPECT_EQ(FormatSingle(12.345678f, dot), "12.34568");
    EXPECT_EQ(FormatSingle(25.0f, comma), "25");
    // The largest doubles, which fifteen digits would round past the largest, still read back.
    for (const double big : {1.7976931348623152e308, -1.7976931348623157e308}) {
        const auto back = ParseNumber(FormatDouble(big, dot));
        ASSERT_TRUE(back.has_value());
        EXPECT_EQ(*back, big);
    }
}

TEST(Numbers, ThePlainReaderTakesOnlyAPointAndStopsAtTheFirstStranger) {
    EXPECT_DOUBLE_EQ(ParseDot("24.75"), 24.75);
    EXPECT_DOUBLE_EQ(ParseDot("24,75"), 24);
    EXPECT_DOUBLE_EQ(ParseDot("  -3.5xyz"), -3.5);
    EXPECT_DOUBLE_EQ(ParseDot("abc"), 0);
    EXPECT_DOUBLE_EQ(ParseDot(""), 0);
    EXPECT_DOUBLE_EQ(ParseDot("1 2 3"), 123);
    EXPECT_DOUBLE_EQ(ParseDot("1.5E2"), 150);
    EXPECT_DOUBLE_EQ(ParseDot("7E"), 7);
}

TEST(Numbers, StoredNumbersReadWithEitherSeparator) {
    EXPECT_EQ(ParseNumber("12345,67"), 12345.67);
    EXPECT_EQ(ParseNumber("12345.67"), 12345.67);
    EXPECT_EQ(ParseNumber(" -500 "), -500);
    EXPECT_EQ(ParseNumber("1E+15"), 1e15);
    EXPECT_FALSE(ParseNumber(""));
    EXPECT_FALSE(ParseNumber("abc"));
    EXPECT_FALSE(ParseNumber("12a"));
    EXPECT_FALSE(ParseNumber("1.2.3"));
    EXPECT_FALSE(ParseNumber("-"));
    EXPECT_FALSE(ParseNumber("1E999")); // no double holds it
}

TEST(Numbers, TheSeparatorIsACommaOnlyWhereTheSystemWritesOne) {
    EXPECT_EQ(DecimalSeparatorFor(","), ',');
    EXPECT_EQ(DecimalSeparatorFor("."), '.');
    EXPECT_EQ(DecimalSeparatorFor("\u066B"), '.'); // Arabic and Persian
    EXPECT_EQ(DecimalSeparatorFor("'"), '.');
    EXPECT_EQ(DecimalSeparatorFor(""), '.');
    // However the separator got there, a file only ever gets one of the two.
    EXPECT_EQ(FormatDouble(12.5, NumberLocale{'\0'}), "12.5");
}

TEST(Numbers, MoneyIsHeldAtFifteenDigits) {
    EXPECT_EQ(MaxMoney, 999999999999999.0);
    EXPECT_EQ(FormatDouble(MaxMoney, {}), "999999999999999"); // survives the file unchanged
    EXPECT_EQ(ClampMoney(1e300), MaxMoney);
    EXPECT_EQ(ClampMoney(-std::numeric_limits<double>::infinity()), -MaxMoney);
    EXPECT_EQ(ClampMoney(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_EQ(ClampMoney(-12.5), -12.5);
    EXPECT_EQ(ParseMoney("1E999"), MaxMoney);
    EXPECT_EQ(ParseMoney("-1,79769313486232E+308"), -MaxMoney);
    EXPECT_EQ(ParseMoney("12,25"), 12.25);
    EXPECT_FALSE(ParseMoney("lots"));
}

TEST(Numbers, TheSystemsLocaleChangesNoNumber) {
    // A windowed program takes the system's locale; on a Czech system the C library would
    // write "1234,5" and read "12.5" as 12.
    const std::string before = std::setlocale(LC_NUMERIC, nullptr);
    const char* comma = nullptr;
    for (const char* name : {"cs_CZ.UTF-8", "cs_CZ.utf8", "de_DE.UTF-8", "fr_FR.UTF-8"})
        if ((comma = std::setlocale(LC_NUMERIC, name)))
            break;
    if (!comma)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    EXPECT_EQ(FormatDouble(1234.5, {'.'}), "1234.5");
    EXPECT_EQ(FormatDouble(1234.5, {','}), "1234,5");
    EXPECT_EQ(ParseNumber("12.5"), 12.5);
    EXPECT_EQ(ParseNumber("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(ParseDot("24.75"), 24.75);
    EXPECT_DOUBLE_EQ(ParseDot("24,75"), 24);
    std::setlocale(LC_NUMERIC, before.c_str());
}

TEST(Numbers, GroupedPatternsPutBlanksBetweenThousands) {
    EXPECT_EQ(FormatGrouped(0, "### ### ##0"), "0");
    EXPECT_EQ(FormatGrouped(999, "### ### ##0"), "999");
    EXPECT_EQ(FormatGrouped(1000, "### ### ##0"), "1 000");
    EXPECT_EQ(FormatGrouped(1234567.4, "### ### ##0"), "1 234 567");
    EXPECT_EQ(FormatGrouped(-50000, "### ### ##0"), "-50 000");
    EXPECT_EQ(FormatGrouped(1234567, "### ##0"), "1234 567");
    EXPECT_EQ(FormatGrouped(12345678901.0, "### ### ### ##0"), "12 345 678 901");
    EXPECT_EQ(FormatMoney(-0.4), "0");
}
