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
    struct Block; // below

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

    // A key name made ready for looking up once, for names asked for again and again (every
    // city's section has the same keys).
    class Key {
    public:
        Key() : Key(std::string_view()) {}
        Key(std::string_view name);
        Key(const char* name) : Key(std::string_view(name)) {}
        Key(const std::string& name) : Key(std::string_view(name)) {}
        const std::string& Name() const { return name_; }

    private:
        friend class IniDocument;
        std::string name_; // without the blanks around it
        std::uint64_t hash_;
    };
    // One section, found once for reading many of its keys; valid until the document
    // changes. A missing section has no keys.
    class Section {
    public:
        std::optional<std::string_view> Find(const Key& key) const;
        explicit operator bool() const { return block_ != nullptr; }

    private:
        friend class IniDocument;
        Section(const IniDocument& doc, const Block* block) : doc_(&doc), block_(block) {}
        const IniDocument* doc_;
        const Block* block_;
        mutable std::size_t next_ = 1; // the line after the last key found
    };
    Section FindSection(std::string_view section) const;
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
    // A line is a stretch of text_, without its line end. A key line knows where its value
    // lies, as reading gives it, so a lookup goes straight to it.
    struct Line {
        Line(std::size_t begin, std::size_t size, Eol eol, std::size_t value = 0,
             std::size_t valueSize = 0)
            : begin(begin), size(size), value(value), valueSize(valueSize), eol(eol) {}
        std::size_t begin, size;
        std::size_t value, valueSize;
        Eol eol;
        // The line starts with its key, of keySize bytes, and no line before it in its
        // section has a key of the same name.
        bool plain = false;
        std::uint32_t keySize = 0;
    };
    // Names (of sections or of one section's keys), each with the first line (or block)
    // that carries it: an open-addressed table of offsets into the document's own text, so
    // neither the index nor a lookup makes a folded copy of a name.
    class NameIndex {
    public:
        const std::size_t* Find(const std::string& text, std::string_view name,
                                std::uint64_t hash) const;
        // An existing name keeps its place: the first of equal names wins. Whether the name
        // was new.
        bool Add(const std::string& text, std::size_t begin, std::size_t size, std::uint64_t hash,
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
    std::optional<std::string_view> ValueIn(const Block* b, std::string_view key,
                                            std::uint64_t hash) const;
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
