#include "Text.h"

#include <array>
#include <cstdint>
#include <cstring>
#include <vector>

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
    if (c == 0x178) // Ÿ, whose small letter lives in Latin-1
        return 0xFF;
    if (c >= 0x100 && c <= 0x17F && c != 0x138 && c != 0x149 && c != 0x17F)
        return (c % 2 == 0) ? c + 1 : c;
    return c;
}

// Where a run of plain ASCII starting at `from` ends, eight bytes at a time: both code pages
// keep ASCII as it is, and it is nearly all of a game's text.
const char* asciiRunEnd(const char* from, const char* end) {
    for (std::uint64_t w; end - from >= 8; from += 8) {
        std::memcpy(&w, from, 8);
        if (w & 0x8080808080808080ull)
            break;
    }
    while (from < end && static_cast<unsigned char>(*from) < 0x80)
        ++from;
    return from;
}

} // namespace

std::string Cp1250ToUtf8(std::string_view bytes) {
    // Each byte's UTF-8, made once: a map file is converted with one lookup a byte, and runs
    // of plain ASCII (most of any file) are copied whole.
    struct Encoded {
        char bytes[4];
        std::uint8_t size;
    };
    static const std::array<Encoded, 256> table = [] {
        std::array<Encoded, 256> t{};
        for (std::size_t b = 0; b < 256; ++b) {
            std::string one;
            appendUtf8(one, b < 0x80 ? char32_t(b) : cp1250High[b - 0x80]);
            for (std::size_t k = 0; k < one.size(); ++k)
                t[b].bytes[k] = one[k];
            t[b].size = static_cast<std::uint8_t>(one.size());
        }
        return t;
    }();
    // No character of the code page takes more than three bytes of UTF-8; one more byte of
    // room lets every character be copied as four.
    std::string out(bytes.size() * 3 + 1, '\0');
    char* to = out.data();
    const char* from = bytes.data();
    const char* const end = from + bytes.size();
    while (from < end) {
        const char* ascii = asciiRunEnd(from, end);
        std::memcpy(to, from, static_cast<std::size_t>(ascii - from));
        to += ascii - from;
        for (from = ascii; from < end && static_cast<unsigned char>(*from) >= 0x80; ++from) {
            const Encoded& e = table[static_cast<unsigned char>(*from)];
            std::memcpy(to, e.bytes, 4);
            to += e.size;
        }
    }
    out.resize(static_cast<std::size_t>(to - out.data()));
    return out;
}

std::optional<std::string> Utf8ToCp1250(std::string_view utf8) {
    // Every character of the code page lies below U+2123 (the trade mark sign): a direct
    // table from character to byte, 0 where the code page has none.
    static const std::vector<unsigned char> reverse = [] {
        std::vector<unsigned char> t(0x2123, 0);
        for (std::size_t k = 0; k < cp1250High.size(); ++k)
            t[cp1250High[k]] = static_cast<unsigned char>(0x80 + k);
        return t;
    }();
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        // Plain ASCII, nearly all of a saved game, is the same in both: copied a run at a time.
        const auto plain = static_cast<std::size_t>(
            asciiRunEnd(utf8.data() + i, utf8.data() + utf8.size()) - utf8.data());
        if (plain > i) {
            out.append(utf8, i, plain - i);
            i = plain;
            continue;
        }
        const char32_t cp = decodeOne(utf8, i);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        if (cp >= reverse.size() || reverse[cp] == 0)
            return std::nullopt;
        out += static_cast<char>(reverse[cp]);
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t start = i;
        const char32_t cp = decodeOne(bytes, i);
        if (cp == 0xFFFD && !(i - start == 3 && bytes.substr(start, 3) == "\xEF\xBF\xBD"))
            return false;
    }
    return true;
}

namespace {

constexpr std::string_view utf8Mark = "\xEF\xBB\xBF";

// Bytes of Windows-1250 that Czech text is made of, beyond ASCII: the Czech letters and the
// punctuation a Czech editor types (quotes, dashes, the ellipsis, the no-break space, § and °).
constexpr std::array<bool, 256> czechCp1250Bytes = [] {
    std::array<bool, 256> t{};
    for (unsigned char b :
         {0xC1, 0xC8, 0xCF, 0xC9, 0xCC, 0xCD, 0xD2, 0xD3, 0xD8, 0x8A, 0x8D, 0xDA, 0xD9, 0xDD,
          0x8E, 0xE1, 0xE8, 0xEF, 0xE9, 0xEC, 0xED, 0xF2, 0xF3, 0xF8, 0x9A, 0x9D, 0xFA, 0xF9,
          0xFD, 0x9E, 0x82, 0x84, 0x85, 0x91, 0x92, 0x93, 0x94, 0x96, 0x97, 0xA0, 0xA7, 0xB0})
        t[b] = true;
    return t;
}();

// Valid UTF-8 is taken for UTF-8 unless its characters look like Windows-1250 Czech read
// the wrong way: a character all of whose bytes are Czech letters or punctuation in
// Windows-1250 ("ČŠ" is C8 8A, the rare U+020A) speaks for Windows-1250, any other speaks
// for UTF-8 (Czech in UTF-8 starts with C3, C4 or C5: Ă, Ä, Ĺ, which Czech does not use).
bool looksLikeUtf8(std::string_view bytes) {
    std::size_t forUtf8 = 0, forCp1250 = 0;
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t start = i;
        const char32_t cp = decodeOne(bytes, i);
        if (cp == 0xFFFD && !(i - start == 3 && bytes.substr(start, 3) == "\xEF\xBF\xBD"))
            return false;
        if (cp < 0x80)
            continue;
        bool czech = true;
        for (std::size_t k = start; k < i; ++k)
            czech = czech && czechCp1250Bytes[static_cast<unsigned char>(bytes[k])];
        ++(czech ? forCp1250 : forUtf8);
    }
    return forUtf8 > forCp1250;
}

std::string utf16ToUtf8(std::string_view bytes, bool bigEndian) {
    std::string out;
    out.reserve(bytes.size());
    auto unit = [&](std::size_t i) -> char16_t {
        const auto a = static_cast<unsigned char>(bytes[i]);
        const auto b = static_cast<unsigned char>(bytes[i + 1]);
        return static_cast<char16_t>(bigEndian ? (a << 8) | b : (b << 8) | a);
    };
    for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
        const char16_t u = unit(i);
        if (u >= 0xD800 && u <= 0xDBFF && i + 3 < bytes.size()) {
            const char16_t low = unit(i + 2);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                appendUtf8(out, 0x10000 + ((char32_t(u) - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        // A surrogate without its partner is no character.
        appendUtf8(out, (u >= 0xD800 && u <= 0xDFFF) ? char32_t(0xFFFD) : char32_t(u));
    }
    return out;
}

std::string utf8ToUtf16(std::string_view utf8, bool bigEndian) {
    std::string out;
    out.reserve(utf8.size() * 2 + 2);
    auto put = [&](char32_t u) {
        const auto hi = static_cast<char>((u >> 8) & 0xFF), lo = static_cast<char>(u & 0xFF);
        out += bigEndian ? hi : lo;
        out += bigEndian ? lo : hi;
    };
    put(0xFEFF);
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = decodeOne(utf8, i);
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            put(0xDC00 + ((cp - 0x10000) & 0x3FF));
        } else {
            put(cp);
        }
    }
    return out;
}

} // namespace

namespace {

bool isAscii(std::string_view s) {
    // Eight bytes at a time, and done at the first that is not ASCII.
    std::size_t k = 0;
    for (; k + 8 <= s.size(); k += 8) {
        std::uint64_t w;
        std::memcpy(&w, s.data() + k, 8);
        if (w & 0x8080808080808080ull)
            return false;
    }
    for (; k < s.size(); ++k)
        if (static_cast<unsigned char>(s[k]) >= 0x80)
            return false;
    return true;
}

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

} // namespace

DecodedText DecodeFile(std::string_view bytes) {
    if (bytes.substr(0, 3) == utf8Mark)
        return {std::string(bytes.substr(3)), FileEncoding::Utf8};
    if (bytes.substr(0, 2) == "\xFF\xFE")
        return {utf16ToUtf8(bytes.substr(2), false), FileEncoding::Utf16LE};
    if (bytes.substr(0, 2) == "\xFE\xFF")
        return {utf16ToUtf8(bytes.substr(2), true), FileEncoding::Utf16BE};
    if (isAscii(bytes)) // plain ASCII reads the same either way
        return {std::string(bytes), FileEncoding::Windows1250};
    if (looksLikeUtf8(bytes))
        return {std::string(bytes), FileEncoding::Utf8};
    return {Cp1250ToUtf8(bytes), FileEncoding::Windows1250};
}

std::string EncodeFile(std::string_view utf8, FileEncoding encoding) {
    switch (encoding) {
    case FileEncoding::Windows1250:
        if (auto cp = Utf8ToCp1250(utf8))
            return std::move(*cp);
        break;
    case FileEncoding::Utf16LE:
        return utf8ToUtf16(utf8, false);
    case FileEncoding::Utf16BE:
        return utf8ToUtf16(utf8, true);
    case FileEncoding::Utf8:
        break;
    }
    std::string out(utf8Mark);
    out += utf8;
    return out;
}

bool EqualFolded(std::string_view a, std::string_view b) {
    if (a == b) // names are mostly asked for as the file spells them
        return true;
    if (a.size() == b.size() && isAscii(a)) {
        for (std::size_t k = 0; k < a.size(); ++k)
            if (lowerAscii(a[k]) != lowerAscii(b[k]))
                return false;
        return true;
    }
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (lower(decodeOne(a, i)) != lower(decodeOne(b, j)))
            return false;
    return i == a.size() && j == b.size();
}

std::uint64_t FoldedHashOfWide(std::string_view utf8) {
    std::uint64_t h = 14695981039346656037ull;
    for (std::size_t i = 0; i < utf8.size();)
        h = (h ^ lower(decodeOne(utf8, i))) * 1099511628211ull;
    return h;
}

std::string FoldCase(std::string_view utf8) {
    // Names are mostly plain ASCII ("Mesto00", "Trh03Cena").
    std::string out;
    out.reserve(utf8.size());
    if (isAscii(utf8)) {
        for (const char c : utf8)
            out += lowerAscii(c);
        return out;
    }
    for (std::size_t i = 0; i < utf8.size();)
        appendUtf8(out, lower(decodeOne(utf8, i)));
    return out;
}

std::size_t CharCount(std::string_view utf8) {
    if (isAscii(utf8))
        return utf8.size();
    std::size_t n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++n)
        decodeOne(utf8, i);
    return n;
}

std::size_t PrefixBytes(std::string_view utf8, std::size_t chars) {
    if (utf8.size() <= chars) // no character is shorter than a byte
        return utf8.size();
    std::size_t i = 0;
    for (std::size_t n = 0; n < chars && i < utf8.size(); ++n)
        decodeOne(utf8, i);
    return i;
}

std::string CharPrefix(std::string_view utf8, std::size_t chars) {
    return std::string(utf8.substr(0, PrefixBytes(utf8, chars)));
}

std::string CharSuffix(std::string_view utf8, std::size_t fromChar) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < fromChar && i < utf8.size(); ++n)
        decodeOne(utf8, i);
    return std::string(utf8.substr(i));
}

} // namespace vlnobrod::text
