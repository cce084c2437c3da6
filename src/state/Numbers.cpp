#include "Numbers.h"

#include <algorithm>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>

namespace vlnobrod {

namespace {

template <typename Int> Int roundSaturated(double v) {
    constexpr auto lo = static_cast<double>(std::numeric_limits<Int>::min());
    constexpr auto hi = static_cast<double>(std::numeric_limits<Int>::max());
    // Most values are whole numbers within range already, as read from a file.
    if (v >= lo && v <= hi && v == static_cast<double>(static_cast<Int>(v)))
        return static_cast<Int>(v);
    if (std::isnan(v))
        return 0;
    // nearbyint rounds in the current mode, which is to-nearest-even unless someone changed it.
    const double r = std::nearbyint(v);
    if (r <= lo)
        return std::numeric_limits<Int>::min();
    if (r >= hi)
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(r);
}

// The C library's conversions follow the process's locale, which a windowed program takes
// from the system: on a Czech system they would write "1234,5" and read "12.5" as 12. The
// game's own rules decide the separator, so these never look at the locale.
double readC(const std::string& s) {
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", nullptr);
    return c ? ::strtod_l(s.c_str(), nullptr, c) : std::strtod(s.c_str(), nullptr);
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
    for (char& c : s)
        if (c == 'e')
            c = 'E';
    if (s == "-0")
        s = "0";
    // Only the two separators a file can be read back with.
    const char point = loc.decimalSeparator == ',' ? ',' : '.';
    for (char& c : s)
        if (c == '.')
            c = point;
    return s;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
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
    std::size_t i = 0;
    auto skip = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    skip();
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        num += text[i++];
    bool seenDigit = false, seenPoint = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isBlank(c))
            continue;
        if (isDigit(c)) {
            num += c;
            seenDigit = true;
        } else if (c == '.' && !seenPoint) {
            num += c;
            seenPoint = true;
        } else {
            break;
        }
    }
    if (!seenDigit)
        return 0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
        std::size_t j = i + 1;
        std::string exp = "e";
        if (j < text.size() && (text[j] == '-' || text[j] == '+'))
            exp += text[j++];
        const std::size_t digitsStart = exp.size();
        while (j < text.size() && isDigit(text[j]))
            exp += text[j++];
        if (exp.size() > digitsStart)
            num += exp;
    }
    return readC(num);
}

bool ReadAnyStoredNumber(std::string_view text, double& value) {
    std::size_t b = 0, e = text.size();
    while (b < e && isBlank(text[b]))
        ++b;
    while (e > b && isBlank(text[e - 1]))
        --e;
    if (b == e || e - b > 64)
        return false;
    // Most stored numbers are whole ones of a few digits: read at once.
    bool minus = false;
    std::int64_t digits = 0;
    if (ReadPlainWhole(text.substr(b, e - b), minus, digits)) {
        value = minus ? -static_cast<double>(digits) : static_cast<double>(digits);
        return true;
    }
    std::string s(text.substr(b, e - b));
    bool point = false, digit = false;
    for (std::size_t i = 0; i < s.size(); ++i) {
        char& c = s[i];
        if (isDigit(c)) {
            digit = true;
        } else if (c == '.' || c == ',') {
            if (point)
                return false;
            point = true;
            c = '.';
        } else if ((c == '-' || c == '+') && i == 0) {
        } else if ((c == 'E' || c == 'e') && digit && i + 1 < s.size()) {
            // Exponent: an optional sign and at least one digit, nothing else.
            std::size_t j = i + 1;
            if (s[j] == '-' || s[j] == '+')
                ++j;
            if (j >= s.size())
                return false;
            for (std::size_t k = j; k < s.size(); ++k)
                if (!isDigit(s[k]))
                    return false;
            break;
        } else {
            return false;
        }
    }
    if (!digit)
        return false;
    value = readC(s);
    return true;
}

char DecimalSeparatorFor(std::string_view systemSeparator) {
    return systemSeparator == "," ? ',' : '.';
}

std::string FormatGrouped(double v, std::string_view pattern) {
    if (!std::isfinite(v))
        v = 0;
    // Display rounding: halves away from zero, as a cashier would.
    const double r = std::round(v);
    const bool negative = r < 0;
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.0f", std::fabs(r));
    const std::string digits(buf);

    // Walk the pattern from the right, placing one digit per placeholder and keeping the
    // blanks between groups only where digits stand on both sides.
    std::string out;
    std::size_t d = digits.size();
    for (std::size_t p = pattern.size(); p-- > 0;) {
        const char c = pattern[p];
        if (c == '0' || c == '#') {
            if (d > 0)
                out.insert(out.begin(), digits[--d]);
            else if (c == '0')
                out.insert(out.begin(), '0');
        } else if (d > 0) {
            out.insert(out.begin(), c);
        }
    }
    if (d > 0)
        out.insert(0, digits.substr(0, d));
    if (negative && out != "0")
        out.insert(out.begin(), '-');
    return out;
}

} // namespace vlnobrod
