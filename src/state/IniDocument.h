#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
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
    // The same, keeping `text` itself rather than a copy of it.
    static IniDocument ParseText(std::string text);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // The same without a copy: valid until the document changes.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;
    // A value that would lose something on reading (blanks or quotes at its ends) is written
    // in quotes; it ends at a NUL, as reading ends it.
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
    // A line is a stretch of text_, without its line end.
    struct Line {
        std::size_t begin, size;
        Eol eol;
    };
    // Names (of sections or of one section's keys), each with the first line (or block)
    // that carries it: an open-addressed table of offsets into the document's own text, so
    // neither the index nor a lookup makes a folded copy of a name.
    class NameIndex {
    public:
        const std::size_t* Find(const std::string& text, std::string_view name,
                                std::uint64_t hash) const;
        // An existing name keeps its place: the first of equal names wins.
        void Add(const std::string& text, std::size_t begin, std::size_t size, std::uint64_t hash,
                 std::size_t at);
        void Reserve(std::size_t names);

    private:
        struct Slot {
            std::uint64_t hash;
            std::size_t begin, size;
            std::size_t at; // npos: an empty slot
        };
        std::vector<Slot> slots_;
        std::size_t used_ = 0;
    };

    // A section and the lines up to the next one; block 0 holds the lines before the first
    // section, which belong to no section.
    struct Block {
        std::vector<Line> lines;   // a section's header first
        std::size_t lastEntry = 0; // last non-blank line: new keys go after it
        NameIndex keys;            // key -> first line
    };

    std::string_view TextOf(const Line& l) const { return {text_.data() + l.begin, l.size}; }
    Line NewLine(std::string_view key, std::string_view value);
    bool IsOurs(std::string_view piece) const;
    const Block* SectionBlock(std::string_view section) const;
    Line* LastLine();

    // The text as parsed, then every line written since, one after another: a document is
    // a few allocations, not one a line.
    std::string text_;
    std::vector<Block> blocks_ = std::vector<Block>(1);
    NameIndex firstSection_; // section name -> block
    Eol newLineEol_ = Eol::CrLf;
    FileEncoding encoding_{}; // Windows-1250
    // The last section looked up: a game reads dozens of keys of one section in a row.
    // (A document belongs to one thread, as everything of the game does.)
    mutable std::string lastSection_;
    mutable std::size_t lastBlock_ = 0;
};

} // namespace vlnobrod
