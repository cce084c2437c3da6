// Arbitrary text as a stored number: the readers must not crash or overflow, and every
// number the game writes must read back as the same number.
#include "FuzzOptions.h"
#include "state/Numbers.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

using namespace vlnobrod;

namespace {

// The grouped counter without its blanks and sign holds every digit of the rounded sum.
void checkGrouped(double v) {
    std::string digits;
    for (char c : FormatGrouped(v, "### ### ##0")) {
        check((c >= '0' && c <= '9') || c == ' ' || c == '-');
        if (c >= '0' && c <= '9')
            digits += c;
    }
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.0f", std::fabs(std::round(v)));
    check(digits == buf);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const char sep = DecimalSeparatorFor(text);
    check(sep == '.' || sep == ',');

    const double plain = ParseDot(text);
    ToU8(plain);
    ToI16(plain);
    ToI32(plain);

    const auto v = ParseNumber(text);
    const auto money = ParseMoney(text);
    check(!v || money); // every number is a sum, held at the bound
    if (money)
        check(std::fabs(*money) <= MaxMoney);
    if (!v)
        return 0;
    check(std::isfinite(*v) && *money == ClampMoney(*v));
    for (const char point : {'.', ','}) {
        const std::string written = FormatDouble(*v, {point});
        const auto back = ParseNumber(written);
        check(back.has_value() && FormatDouble(*back, {point}) == written);
        if (point == '.')
            check(ParseDot(written) == *back);
        // Single precision carries the chart positions: whole numbers of up to seven digits.
        if (std::fabs(*v) < 1e7) {
            const float single = static_cast<float>(std::trunc(*v));
            const auto s = ParseNumber(FormatSingle(single, {point}));
            check(s.has_value() && static_cast<float>(*s) == single);
        }
    }
    ToU8(*v);
    ToI16(*v);
    ToI32(*v);
    checkGrouped(*v);
    return 0;
}
