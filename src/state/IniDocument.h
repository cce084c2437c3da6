#pragma once

#include <cstdint>
#include <memory>
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
    struct Block; // below

public:
    // Text in UTF-8; CRLF, LF and lone CR all end a line. The document keeps `text`.
    static IniDocument Parse(std::string text);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    // The same without a copy: valid until the document changes.
    std::optional<std::string_view> Find(std::string_view section, std::string_view key) const;
    bool HasSection(std::string_view section) const;

    // One section, found once for reading many of its keys; valid until the document
    // changes. A missing section has no keys.
    class Section {
    public:
        std::optional<std::string_view> Find(std::string_view key) const;

    private:
        friend class IniDocument;
        explicit Section(const Block* block) : block_(block) {}
        const Block* block_;
        // Tried before the index: the line after the last key found, as keys mostly come in order.
        mutable std::size_t next_ = 1;
    };
    Section FindSection(std::string_view section) const;

    // A value that would lose something on reading (blanks or quotes at its ends) is written
    // in quotes; it ends at a NUL, as reading ends it.
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The file's text, every line with the line end it came with; new lines take the
    // file's first line end (CRLF in a file that has none).
    std::string Serialize() const;

    // How the file stood on disk, so it is written back the same way.
    FileEncoding Encoding() const { return encoding_; }
    void SetEncoding(FileEncoding e) { encoding_ = e; }

private:
    enum class Eol : std::uint8_t { None, CrLf, Lf, Cr };
    // A line without its line end; a key line knows its key and where its value lies, as
    // reading gives them, and whether it is the first line of its section with that key.
    struct Line {
        std::string_view text;
        Eol eol;
        std::string_view key = {}, value = {};
        bool first = false;
    };
    // Names by the hash of their case-folded form, as (hash, line or block), in order: names
    // that are equal lie together, the first of them first.
    using Index = std::vector<std::pair<std::size_t, std::size_t>>;
    // A section and the lines up to the next one; block 0 holds the lines before the first
    // section, which belong to no section.
    struct Block {
        std::string_view name;
        std::vector<Line> lines;   // a section's header first
        std::size_t lastEntry = 0; // last non-blank line: new keys go after it
        Index keys = {};
    };

    std::optional<std::size_t> SectionAt(std::string_view section) const;
    std::string_view Keep(std::string text);

    // What the lines are pieces of: the parsed text and every line written since. Each is
    // never changed once made, so copies of the document share them.
    std::vector<std::shared_ptr<const std::string>> texts_;
    std::vector<Block> blocks_ = std::vector<Block>(1);
    Index sections_;
    Eol newLineEol_ = Eol::CrLf;
    FileEncoding encoding_{}; // Windows-1250
};

} // namespace vlnobrod
