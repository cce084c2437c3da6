#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vlnobrod::text {

// Profile files are Windows-1250 on disk; the game works in UTF-8.
std::string Cp1250ToUtf8(std::string_view bytes);
// Nothing when the text holds a character that Windows-1250 cannot store.
std::optional<std::string> Utf8ToCp1250(std::string_view utf8);

bool IsValidUtf8(std::string_view bytes);

// Turns the bytes of a profile file into UTF-8: a UTF-8 byte-order mark is dropped, a file
// that is valid UTF-8 is taken as it is (a map edited in a modern editor), anything else is
// read as Windows-1250.
std::string DecodeFileText(std::string_view bytes);

// Lower case for comparing section and key names without regard to case, Czech letters
// included ("MĚSTO" and "město" are the same name).
std::string FoldCase(std::string_view utf8);

// Length and prefix counted in characters, not bytes.
std::size_t CharCount(std::string_view utf8);
std::string CharPrefix(std::string_view utf8, std::size_t chars);
std::string CharSuffix(std::string_view utf8, std::size_t fromChar);

} // namespace vlnobrod::text
