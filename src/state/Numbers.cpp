#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <limits>

namespace vlnobrod {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

template <typename Int> Int roundSaturated(double v) {
    constexpr auto lo = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr auto hi = static_cast<double>(std::numeric_limits<Int>::max());
    // nearbyint rounds in the current mode, which is to-nearest-even unless someone changed it.
    return std::isnan(v) ? 0 : static_cast<Int>(std::clamp(std::nearbyint(v), lo, hi));
}

// Whether a number beyond a double's range is too large rather than too small: where its
// first significant digit stands, the exponent counted.
bool beyondLargest(std::string_view s) {
    const std::size_t e = std::min(s.find_first_of("eE"), s.size());
    const std::string_view mantissa = s.substr(0, e);
    const auto point = static_cast<long long>(std::min(mantissa.find('.'), mantissa.size()));
    const auto first = static_cast<long long>(mantissa.find_first_of("123456789"));
    long long exponent = 0;
    if (e < s.size()) {
        std::string_view x = s.substr(e + 1);
        if (!x.empty() && x.front() == '+')
            x.remove_prefix(1);
        if (std::from_chars(x.data(), x.data() + x.size(), exponent).ec != std::errc())
            exponent = x.front() == '-' ? -1'000'000'000 : 1'000'000'000;
        // Beyond any mantissa either way, and small enough that the sum below cannot overflow.
        exponent = std::clamp(exponent, -1'000'000'000LL, 1'000'000'000LL);
    }
    return (first < point ? point - first : point - first + 1) + exponent > 0;
}

// Reads `s` whole as a number: an optional sign, digits with at most one ".", an optional
// exponent; nothing for any other text. std::from_chars never looks at the process's
// locale, which a windowed program takes from the system (a Czech one would read "12.5" as
// 12). One too large for a double reads as infinite, one too small as zero.
std::optional<double> fromText(std::string_view s) {
    const std::size_t sign = !s.empty() && (s.front() == '-' || s.front() == '+') ? 1 : 0;
    if (sign >= s.size() || (!isDigit(s[sign]) && s[sign] != '.')) // no "inf" or second sign
        return std::nullopt;
    if (s.front() == '+')
        s.remove_prefix(1);
    double v = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    if (end != s.data() + s.size() || (ec != std::errc() && ec != std::errc::result_out_of_range))
        return std::nullopt;
    if (ec == std::errc::result_out_of_range)
        v = std::copysign(beyondLargest(s) ? HUGE_VAL : 0.0, s.front() == '-' ? -1.0 : 1.0);
    return v;
}

std::string formatSignificant(double v, int digits, const NumberLocale& loc) {
    if (std::isnan(v))
        return "0";
    if (std::isinf(v))
        v = v > 0 ? std::numeric_limits<double>::max() : std::numeric_limits<double>::lowest();
    char buf[64];
    const auto end =
        std::to_chars(buf, buf + sizeof buf, v, std::chars_format::general, digits).ptr;
    std::string s(buf, end);
    if (s == "-0")
        s = "0";
    // Only the two separators a file can be read back with.
    const char point = loc.decimalSeparator == ',' ? ',' : '.';
    for (char& c : s)
        c = c == 'e' ? 'E' : c == '.' ? point : c;
    return s;
}

// A whole stored number, which may be infinite, or nothing when the text is not one.
std::optional<double> readStored(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    long long whole = 0; // most stored numbers are plain whole ones
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), whole);
    if (ec == std::errc() && end == text.data() + text.size())
        return static_cast<double>(whole);
    if (text.empty() || text.size() > 64)
        return std::nullopt;
    // A decimal comma (a game saved on a system that writes one) is read as a point.
    std::string withPoint;
    if (text.find(',') != std::string_view::npos) {
        withPoint = text;
        std::replace(withPoint.begin(), withPoint.end(), ',', '.');
        text = withPoint;
    }
    return fromText(text);
}

} // namespace

std::uint8_t ToU8(double v) {
    return roundSaturated<std::uint8_t>(v);
}
std::int16_t ToI16(double v) {
    return roundSaturated<std::int16_t>(v);
}
std::int32_t ToI32(double v) {
    return roundSaturated<std::int32_t>(v);
}

std::string FormatDouble(double v, const NumberLocale& loc) {
    // Fifteen digits round the very largest doubles up past the largest there is, and such a
    // text would not read back: those few are written with seventeen.
    constexpr double Largest15 = 1.79769313486231e308;
    return formatSignificant(v, std::fabs(v) > Largest15 ? 17 : 15, loc);
}

std::string FormatSingle(float v, const NumberLocale& loc) {
    return formatSignificant(static_cast<double>(v), 7, loc);
}

double ParseDot(std::string_view text) {
    // Collect the characters that make up the number, skipping blanks on the way.
    std::string num;
    std::size_t i = std::min(text.find_first_not_of(" \t"), text.size());
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        num += text[i++];
    bool seenDigit = false, seenPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isBlank(c))
            continue;
        if (!isDigit(c) && (c != '.' || seenPoint))
            break;
        num += c;
        seenDigit = seenDigit || isDigit(c);
        seenPoint = seenPoint || c == '.';
    }
    if (!seenDigit)
        return 0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && std::string_view("EeDd").find(text[i]) != std::string_view::npos) {
        const std::size_t digits = i + 1 + (text.substr(i + 1, 1).find_first_of("+-") == 0);
        std::size_t j = digits;
        while (j < text.size() && isDigit(text[j]))
            ++j;
        if (j > digits)
            num += "e" + std::string(text.substr(i + 1, j - i - 1));
    }
    return fromText(num).value_or(0);
}

std::optional<double> ParseNumber(std::string_view text) {
    const auto v = readStored(text);
    return v && std::isfinite(*v) ? v : std::nullopt;
}

std::optional<double> ParseMoney(std::string_view text) {
    const auto v = readStored(text);
    return v ? std::optional(ClampMoney(*v)) : std::nullopt;
}

char DecimalSeparatorFor(std::string_view systemSeparator) {
    return systemSeparator == "," ? ',' : '.';
}

std::string FormatGrouped(double v, std::string_view pattern) {
    // Display rounding: halves away from zero, as a cashier would.
    const double r = std::round(std::isfinite(v) ? v : 0);
    char buf[400];
    std::string digits(
        buf, static_cast<std::size_t>(std::snprintf(buf, sizeof buf, "%.0f", std::fabs(r))));
    const auto zeros = static_cast<std::size_t>(std::count(pattern.begin(), pattern.end(), '0'));
    digits.insert(0, zeros - std::min(zeros, digits.size()), '0');
    std::string out = r < 0 && digits != "0" ? "-" : "";
    for (std::size_t i = 0; i < digits.size(); ++i)
        out += (i > 0 && (digits.size() - i) % 3 == 0 ? " " : "") + std::string(1, digits[i]);
    return out;
}

} // namespace vlnobrod
