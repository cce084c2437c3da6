#include "IniDocument.h"

#include "Text.h"

#include <algorithm>

namespace vlnobrod {

namespace {

std::string_view trim(std::string_view s) {
    std::size_t b = 0, e = s.size();
    while (b < e && (s[b] == ' ' || s[b] == '\t'))
        ++b;
    while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t'))
        --e;
    return s.substr(b, e - b);
}

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    const std::string_view t = trim(line);
    if (t.empty() || t.front() != '[')
        return std::nullopt;
    const std::size_t close = t.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return trim(t.substr(1, close - 1));
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = trim(line.substr(0, eq));
    if (key.empty())
        return std::nullopt;
    std::string_view value = trim(line.substr(eq + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
        value = value.substr(1, value.size() - 2);
    return KeyLine{key, value};
}

bool isBlankLine(std::string_view line) {
    return trim(line).empty();
}

// A value must stay on its line: line breaks become blanks.
std::string oneLine(std::string_view value) {
    std::string v(value);
    for (char& c : v)
        if (c == '\r' || c == '\n')
            c = ' ';
    return v;
}

} // namespace

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    doc.lines_.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            doc.lines_.emplace_back(text.substr(start, i - start));
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        doc.lines_.emplace_back(text.substr(start));
    doc.Reindex();
    return doc;
}

void IniDocument::Reindex() {
    sections_.clear();
    firstSection_.clear();
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string_view line = lines_[i];
        if (auto name = sectionName(line)) {
            sections_.push_back(Section{i, i, {}});
            firstSection_.emplace(text::FoldCase(*name), sections_.size() - 1);
            continue;
        }
        if (sections_.empty())
            continue; // lines before the first section belong to no section
        Section& sec = sections_.back();
        if (!isBlankLine(line))
            sec.lastLine = i;
        if (auto kl = keyLine(line))
            sec.keys.emplace(text::FoldCase(kl->key), i);
    }
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const auto s = firstSection_.find(text::FoldCase(trim(section)));
    if (s == firstSection_.end())
        return std::nullopt;
    const Section& sec = sections_[s->second];
    const auto k = sec.keys.find(text::FoldCase(trim(key)));
    if (k == sec.keys.end())
        return std::nullopt;
    return std::string(keyLine(lines_[k->second])->value);
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    const std::string entry = std::string(trim(key)) + "=" + oneLine(value);
    const auto s = firstSection_.find(text::FoldCase(trim(section)));
    if (s == firstSection_.end()) {
        lines_.push_back("[" + std::string(trim(section)) + "]");
        lines_.push_back(entry);
        const std::size_t header = lines_.size() - 2;
        sections_.push_back(Section{header, header + 1, {}});
        sections_.back().keys.emplace(text::FoldCase(trim(key)), header + 1);
        firstSection_.emplace(text::FoldCase(trim(section)), sections_.size() - 1);
        return;
    }
    Section& sec = sections_[s->second];
    const std::string folded = text::FoldCase(trim(key));
    if (const auto k = sec.keys.find(folded); k != sec.keys.end()) {
        lines_[k->second] = entry;
        return;
    }
    // A new key goes after the section's last entry; every line behind it moves one down.
    const std::size_t at = sec.lastLine + 1;
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(at), entry);
    for (Section& other : sections_) {
        if (other.header >= at)
            ++other.header;
        if (other.lastLine >= at)
            ++other.lastLine;
        for (auto& [name, line] : other.keys)
            if (line >= at)
                ++line;
    }
    sec.lastLine = at;
    sec.keys.emplace(folded, at);
}

std::string IniDocument::Serialize() const {
    std::string out;
    std::size_t size = 0;
    for (const auto& l : lines_)
        size += l.size() + 2;
    out.reserve(size);
    for (const auto& l : lines_) {
        out += l;
        out += "\r\n";
    }
    return out;
}

} // namespace vlnobrod
