#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vlnobrod {

enum class FileEncoding : std::uint8_t; // Text.h

// A profile file held as its lines, with an index for finding sections and keys.
// Lookups follow the old profile functions: names match without regard to case, the first
// matching section and the first matching key win, lines starting with ";" are comments, a
// NUL ends a value, blanks around names and values are dropped and a value wrapped in double
// or single quotes loses them. Edits keep every other line as it was, its line end
// included: a changed key is rewritten in place, a new key goes after the last entry of its
// section, a new section goes at the end of the file.
class IniDocument {
public:
    IniDocument() = default;
    // Text in UTF-8; CRLF, LF and lone CR all end a line.
    static IniDocument Parse(std::string_view text);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    // A value that would lose something on reading (quotes around it) is written quoted.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The file's text, every line with the line end it came with; new lines take the
    // file's first line end (CRLF in a file that has none).
    std::string Serialize() const;

    std::size_t LineCount() const;

    // How the file stood on disk, so it is written back the same way.
    FileEncoding Encoding() const { return encoding_; }
    void SetEncoding(FileEncoding e) { encoding_ = e; }

private:
    enum class Eol : std::uint8_t { None, CrLf, Lf, Cr };
    struct Line {
        std::string text;
        Eol eol;
    };
    // A section and the lines up to the next one; block 0 holds the lines before the first
    // section, which belong to no section.
    struct Block {
        std::vector<Line> lines;   // a section's header first
        std::size_t lastEntry = 0; // last non-blank line: new keys go after it
        std::unordered_map<std::string, std::size_t> keys; // folded key -> first line
    };

    Line* LastLine();

    std::vector<Block> blocks_ = std::vector<Block>(1);
    std::unordered_map<std::string, std::size_t> firstSection_; // folded name -> block
    Eol newLineEol_ = Eol::CrLf;
    FileEncoding encoding_{}; // Windows-1250
};

} // namespace vlnobrod
