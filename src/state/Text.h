#pragma once

#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

namespace vlnobrod {
// How a profile file stands on disk. The game writes Windows-1250 as it always has; a file
// that came in another encoding is written back in it, and text Windows-1250 cannot hold is
// written in UTF-8.
enum class FileEncoding : std::uint8_t { Windows1250, Utf8, Utf16LE, Utf16BE };
} // namespace vlnobrod

namespace vlnobrod::text {

struct DecodedText {
    std::string utf8;
    FileEncoding encoding = FileEncoding::Windows1250;
};

// Profile files are Windows-1250 on disk; the game works in UTF-8.
std::string Cp1250ToUtf8(std::string_view bytes);
// Nothing when the text holds a character that Windows-1250 cannot store.
std::optional<std::string> Utf8ToCp1250(std::string_view utf8);

bool IsValidUtf8(std::string_view bytes);

// Turns the bytes of a profile file into UTF-8. A byte-order mark says UTF-8 or UTF-16 (either
// byte order). Without one the file is UTF-8 only when it is valid UTF-8 and most of its
// characters could not have come from Czech text in Windows-1250 (some pairs of Czech letters
// in Windows-1250, such as "ČŠ", happen to be valid UTF-8 for a rare character); otherwise it
// is Windows-1250. A file of plain ASCII counts as Windows-1250.
DecodedText DecodeFile(std::string_view bytes);
inline std::string DecodeFileText(std::string_view bytes) {
    return DecodeFile(bytes).utf8;
}

// The bytes to put on disk for `utf8` in `encoding`. UTF-8 and UTF-16 carry a byte-order
// mark; Windows-1250 falls back to UTF-8 with its mark when the text has a character the
// code page lacks.
std::string EncodeFile(std::string_view utf8, FileEncoding encoding);

// Lower case for comparing section and key names without regard to case, Czech letters
// included ("MĚSTO" and "město" are the same name).
std::string FoldCase(std::string_view utf8);
// The same comparison without building folded copies, and a hash equal for every two names
// that compare equal (a profile's index looks names up hundreds of times a game).
bool EqualFolded(std::string_view a, std::string_view b);
std::uint64_t FoldedHashOfWide(std::string_view utf8); // a name that is not all ASCII
inline std::uint64_t FoldedHash(std::string_view utf8) {
    // Folding keeps ASCII names ASCII and others not, so the two kinds may hash apart. An
    // ASCII name is taken eight bytes at a time with the case bit of every byte set: names
    // that differ only there ("@" and "`") merely share a hash.
    constexpr std::uint64_t mul = 0x9E3779B97F4A7C15ull;
    std::uint64_t h = utf8.size() * mul;
    std::uint64_t high = 0;
    std::size_t k = 0;
    for (; k + 8 <= utf8.size(); k += 8) {
        std::uint64_t w;
        std::memcpy(&w, utf8.data() + k, 8);
        high |= w;
        h = (h ^ (w | 0x2020202020202020ull)) * mul;
        h ^= h >> 32;
    }
    if (k < utf8.size()) {
        std::uint64_t w = 0;
        for (std::size_t j = k; j < utf8.size(); ++j)
            w |= std::uint64_t(static_cast<unsigned char>(utf8[j])) << (8 * (j - k));
        high |= w;
        h = (h ^ (w | 0x2020202020202020ull)) * mul;
        h ^= h >> 32;
    }
    return (high & 0x8080808080808080ull) == 0 ? h : FoldedHashOfWide(utf8);
}

// Length and prefix counted in characters, not bytes.
std::size_t CharCount(std::string_view utf8);
std::string CharPrefix(std::string_view utf8, std::size_t chars);
std::string CharSuffix(std::string_view utf8, std::size_t fromChar);
// Bytes taken by the first `chars` characters (all of them when there are fewer).
std::size_t PrefixBytes(std::string_view utf8, std::size_t chars);

} // namespace vlnobrod::text
