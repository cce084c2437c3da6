#include "Text.h"

#include <array>
#include <cstdint>
#include <unordered_map>

namespace vlnobrod::text {

namespace {

// Bytes 0x80..0xFF of Windows-1250. The five bytes the code page leaves unassigned map to
// the C1 control of the same number, so every byte survives a round trip.
constexpr std::array<char32_t, 128> cp1250High = {
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021, 0x0088, 0x2030, 0x0160, 0x2039,
    0x015A, 0x0164, 0x017D, 0x0179, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141,
    0x00A4, 0x0104, 0x00A6, 0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB,
    0x013D, 0x02DD, 0x013E, 0x017C, 0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3,
    0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7, 0x010D, 0x00E9, 0x0119, 0x00EB,
    0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9};

void appendUtf8(std::string& out, char32_t cp) {
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | (cp >> 6));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | (cp >> 12));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (cp >> 18));
        out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// Decodes one character at `i` and moves past it. Broken sequences give U+FFFD and move one
// byte, so any input ends.
char32_t decodeOne(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int len = 0;
    char32_t cp = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2;
        cp = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3;
        cp = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4;
        cp = b0 & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + static_cast<std::size_t>(len) > s.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + static_cast<std::size_t>(k)]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    // Overlong forms, surrogates and values past Unicode are not UTF-8.
    static constexpr char32_t minForLen[5] = {0, 0, 0x80, 0x800, 0x10000};
    if (cp < minForLen[len] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += static_cast<std::size_t>(len);
    return cp;
}

char32_t lower(char32_t c) {
    if (c >= 'A' && c <= 'Z')
        return c + 32;
    if (c < 0xC0)
        return c;
    if (c <= 0xDE && c != 0xD7)
        return c + 32;
    // Latin Extended-A pairs upper/lower case as even/odd, except two runs that pair odd/even.
    if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E))
        return (c % 2 == 1) ? c + 1 : c;
    if (c >= 0x100 && c <= 0x17F && c != 0x138 && c != 0x149 && c != 0x17F)
        return (c % 2 == 0) ? c + 1 : c;
    if (c == 0x178)
        return 0xFF;
    return c;
}

} // namespace

std::string Cp1250ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 4);
    std::size_t i = 0;
    while (i < bytes.size()) {
        // Plain ASCII, most of any file, is copied a run at a time.
        std::size_t run = i;
        while (run < bytes.size() && static_cast<unsigned char>(bytes[run]) < 0x80)
            ++run;
        out.append(bytes.substr(i, run - i));
        if (run == bytes.size())
            break;
        appendUtf8(out, cp1250High[static_cast<unsigned char>(bytes[run]) - 0x80]);
        i = run + 1;
    }
    return out;
}

std::optional<std::string> Utf8ToCp1250(std::string_view utf8) {
    static const std::unordered_map<char32_t, unsigned char> reverse = [] {
        std::unordered_map<char32_t, unsigned char> m;
        for (std::size_t k = 0; k < cp1250High.size(); ++k)
            m.emplace(cp1250High[k], static_cast<unsigned char>(0x80 + k));
        return m;
    }();
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = decodeOne(utf8, i);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        const auto it = reverse.find(cp);
        if (it == reverse.end())
            return std::nullopt;
        out += static_cast<char>(it->second);
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        if (static_cast<unsigned char>(bytes[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t start = i;
        const char32_t cp = decodeOne(bytes, i);
        if (cp == 0xFFFD && !(i - start == 3 && bytes.substr(start, 3) == "\xEF\xBF\xBD"))
            return false;
    }
    return true;
}

std::string DecodeFileText(std::string_view bytes) {
    if (bytes.substr(0, 3) == "\xEF\xBB\xBF")
        return std::string(bytes.substr(3));
    if (IsValidUtf8(bytes))
        return std::string(bytes);
    return Cp1250ToUtf8(bytes);
}

std::string FoldCase(std::string_view utf8) {
    // Names are nearly always plain ASCII, lowered in place; the rest is decoded from the
    // first other byte on.
    std::string out(utf8);
    std::size_t i = 0;
    for (; i < out.size(); ++i) {
        const auto b = static_cast<unsigned char>(out[i]);
        if (b >= 0x80)
            break;
        if (b >= 'A' && b <= 'Z')
            out[i] = static_cast<char>(b + 32);
    }
    if (i == out.size())
        return out;
    out.resize(i);
    while (i < utf8.size())
        appendUtf8(out, lower(decodeOne(utf8, i)));
    return out;
}

std::size_t CharCount(std::string_view utf8) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++n)
        decodeOne(utf8, i);
    return n;
}

std::string CharPrefix(std::string_view utf8, std::size_t chars) {
    if (utf8.size() <= chars) // never more characters than bytes
        return std::string(utf8);
    std::size_t i = 0;
    for (std::size_t n = 0; n < chars && i < utf8.size(); ++n)
        decodeOne(utf8, i);
    return std::string(utf8.substr(0, i));
}

std::string CharSuffix(std::string_view utf8, std::size_t fromChar) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < fromChar && i < utf8.size(); ++n)
        decodeOne(utf8, i);
    return std::string(utf8.substr(i));
}

} // namespace vlnobrod::text
