#pragma once

#include <cstdint>
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

// The bytes to put on disk for `utf8` in `encoding`. UTF-8 and UTF-16 carry a byte-order
// mark; Windows-1250 falls back to UTF-8 with its mark when the text has a character the
// code page lacks.
std::string EncodeFile(std::string_view utf8, FileEncoding encoding);

// Names compared without regard to case, Czech letters included ("MĚSTO" and "město" are
// the same name), and a hash equal for names that compare equal.
bool EqualFolded(std::string_view a, std::string_view b);
std::size_t FoldedHash(std::string_view utf8);

// Length and prefix counted in characters, not bytes.
std::size_t CharCount(std::string_view utf8);
std::string CharPrefix(std::string_view utf8, std::size_t chars);
// Bytes taken by the first `chars` characters (all of them when there are fewer).
std::size_t PrefixBytes(std::string_view utf8, std::size_t chars);

} // namespace vlnobrod::text
