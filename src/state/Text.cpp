#include "Text.h"

#include <algorithm>
#include <array>

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
    static constexpr unsigned char lead[] = {0x00, 0xC0, 0xE0, 0xF0};
    const int more = cp < 0x80 ? 0 : cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
    out += static_cast<char>(lead[more] | (cp >> (6 * more)));
    for (int k = more - 1; k >= 0; --k)
        out += static_cast<char>(0x80 | ((cp >> (6 * k)) & 0x3F));
}

// Decodes one character at `i` and moves past it. Broken sequences, overlong forms,
// surrogates and values past Unicode give U+FFFD and move one byte, so any input ends.
char32_t decodeOne(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80)
        return s[i++];
    const std::size_t len = (b0 & 0xE0) == 0xC0   ? 2
                            : (b0 & 0xF0) == 0xE0 ? 3
                            : (b0 & 0xF8) == 0xF0 ? 4
                                                  : 0;
    char32_t cp = b0 & (0x7F >> len);
    bool ok = len > 0 && i + len <= s.size();
    for (std::size_t k = 1; ok && k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        ok = (b & 0xC0) == 0x80;
        cp = (cp << 6) | (b & 0x3F);
    }
    static constexpr char32_t minForLen[5] = {0, 0, 0x80, 0x800, 0x10000};
    ok = ok && cp >= minForLen[len] && cp <= 0x10FFFF && (cp < 0xD800 || cp > 0xDFFF);
    i += ok ? len : 1;
    return ok ? cp : 0xFFFD;
}

// Whether the character decoded from `start` to `i` was broken (not a U+FFFD of the text).
bool broken(std::string_view s, std::size_t start, std::size_t i, char32_t cp) {
    return cp == 0xFFFD && s.substr(start, i - start) != "\xEF\xBF\xBD";
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

} // namespace

std::string Cp1250ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() + bytes.size() / 8);
    for (auto from = bytes.begin(); from != bytes.end();) {
        // Both code pages keep ASCII as it is, and it is nearly all of a game's text.
        const auto ascii = std::find_if(from, bytes.end(), [](char c) { return c & 0x80; });
        out.append(from, ascii);
        for (from = ascii; from != bytes.end() && (*from & 0x80); ++from)
            appendUtf8(out, cp1250High[static_cast<unsigned char>(*from) - 0x80]);
    }
    return out;
}

std::optional<std::string> Utf8ToCp1250(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t cp = decodeOne(utf8, i);
        if (cp < 0x80) {
            out += static_cast<char>(cp);
            continue;
        }
        const auto at = std::find(cp1250High.begin(), cp1250High.end(), cp);
        if (at == cp1250High.end())
            return std::nullopt;
        out += static_cast<char>(0x80 + (at - cp1250High.begin()));
    }
    return out;
}

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        const std::size_t start = i;
        const char32_t cp = decodeOne(bytes, i);
        if (broken(bytes, start, i, cp))
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
        if (broken(bytes, start, i, cp))
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
        char32_t cp = decodeOne(utf8, i);
        if (cp >= 0x10000) {
            put(0xD800 + ((cp - 0x10000) >> 10));
            cp = 0xDC00 + ((cp - 0x10000) & 0x3FF);
        }
        put(cp);
    }
    return out;
}

} // namespace

DecodedText DecodeFile(std::string_view bytes) {
    if (bytes.substr(0, 3) == utf8Mark)
        return {std::string(bytes.substr(3)), FileEncoding::Utf8};
    if (bytes.substr(0, 2) == "\xFF\xFE")
        return {utf16ToUtf8(bytes.substr(2), false), FileEncoding::Utf16LE};
    if (bytes.substr(0, 2) == "\xFE\xFF")
        return {utf16ToUtf8(bytes.substr(2), true), FileEncoding::Utf16BE};
    if (looksLikeUtf8(bytes)) // plain ASCII is taken for Windows-1250: it reads the same
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
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size())
        if (lower(decodeOne(a, i)) != lower(decodeOne(b, j)))
            return false;
    return i == a.size() && j == b.size();
}

// Folding keeps ASCII in ASCII and all else out of it: equal names share their folded ASCII.
std::size_t FoldedHash(std::string_view utf8) {
    std::size_t h = 14695981039346656037ull;
    for (const char c : utf8)
        if (static_cast<unsigned char>(c) < 0x80)
            h = (h ^ static_cast<std::size_t>(c >= 'A' && c <= 'Z' ? c + 32 : c)) *
                1099511628211ull;
    return h;
}

std::size_t CharCount(std::string_view utf8) {
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

} // namespace vlnobrod::text
