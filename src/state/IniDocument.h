#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace vlnobrod {

// A profile file held as its lines, with an index for finding sections and keys.
// Lookups follow the old profile functions: names match without regard to case, the first
// matching section and the first matching key win, blanks around names and values are
// dropped and a value wrapped in double quotes loses them. Edits keep every other line as
// it was: a changed key is rewritten in place, a new key goes after the last entry of its
// section, a new section goes at the end of the file.
class IniDocument {
public:
    IniDocument() = default;
    // Text in UTF-8; CRLF, LF and lone CR all end a line.
    static IniDocument Parse(std::string_view text);

    std::optional<std::string> Get(std::string_view section, std::string_view key) const;
    void Set(std::string_view section, std::string_view key, std::string_view value);

    // The file's text with CRLF line ends.
    std::string Serialize() const;

    std::size_t LineCount() const { return lines_.size(); }

private:
    struct Section {
        std::size_t header;   // line index of "[name]"
        std::size_t lastLine; // last non-blank line that belongs to the section
        std::unordered_map<std::string, std::size_t> keys; // folded key -> first line
    };

    void Reindex();

    std::vector<std::string> lines_;
    std::vector<Section> sections_;
    std::unordered_map<std::string, std::size_t> firstSection_; // folded name -> sections_ index
};

} // namespace vlnobrod
