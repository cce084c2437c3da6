#include "IniDocument.h"

#include "Text.h"

#include <algorithm>

namespace vlnobrod {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trim(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

// The name of a "[name]" line, given without blanks around it, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view t) {
    if (t.empty() || t.front() != '[' || t.find(']') == std::string_view::npos)
        return std::nullopt;
    return trim(t.substr(1, t.find(']') - 1));
}

bool isQuoted(std::string_view v) {
    return v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\'');
}

// The value of a key line whose first "=" stands at `eq`: what follows it, up to a NUL,
// without blanks around it or the quotes that wrap it.
std::string_view valueAfter(std::string_view line, std::size_t eq) {
    std::string_view value = line.substr(eq + 1);
    value = trim(value.substr(0, value.find('\0')));
    return isQuoted(value) ? value.substr(1, value.size() - 2) : value;
}

// A value must stay on its line: line breaks become blanks, and it ends where reading ends
// it, at a NUL. One that reading would strip of blanks at its ends or of its quotes is
// written in a pair of quotes more.
void appendValue(std::string& out, std::string_view value) {
    value = value.substr(0, value.find('\0'));
    auto blank = [](char c) { return isBlank(c) || c == '\r' || c == '\n'; };
    const bool quote =
        !value.empty() && (blank(value.front()) || blank(value.back()) || isQuoted(value));
    if (quote)
        out += '"';
    for (const char c : value)
        out += c == '\r' || c == '\n' ? ' ' : c;
    if (quote)
        out += '"';
}

// The first place in `index` whose name (`nameAt` of the place) equals `name`.
template <typename Index, typename NameAt>
std::optional<std::size_t> lookup(const Index& index, std::string_view name, NameAt nameAt) {
    const std::size_t hash = text::FoldedHash(name);
    auto e = std::lower_bound(index.begin(), index.end(), hash,
                              [](const auto& entry, std::size_t h) { return entry.first < h; });
    for (; e != index.end() && e->first == hash; ++e)
        if (text::EqualFolded(nameAt(e->second), name))
            return e->second;
    return std::nullopt;
}

// A name at a place after all others: after any equal name.
template <typename Index> void insert(Index& index, std::string_view name, std::size_t place) {
    const std::pair entry(text::FoldedHash(name), place);
    index.insert(std::upper_bound(index.begin(), index.end(), entry), entry);
}

} // namespace

IniDocument IniDocument::Parse(std::string owned) {
    IniDocument doc;
    const std::string_view text = doc.Keep(std::move(owned));
    bool eolSeen = false;
    auto addLine = [&](std::string_view line, Eol eol) {
        if (!eolSeen && eol != Eol::None) {
            doc.newLineEol_ = eol; // new lines end as the file's first line does
            eolSeen = true;
        }
        const std::string_view t = trim(line);
        if (t.empty()) {
            doc.blocks_.back().lines.push_back({line, eol});
            return;
        }
        if (const auto name = sectionName(t)) {
            // The sections of a file are mostly alike: room for as many lines as the last one.
            const std::size_t lastSize = doc.blocks_.back().lines.size();
            doc.blocks_.push_back({*name, {{line, eol}}});
            doc.blocks_.back().lines.reserve(lastSize);
            doc.sections_.emplace_back(text::FoldedHash(*name), doc.blocks_.size() - 1);
            return;
        }
        Block& b = doc.blocks_.back();
        b.lastEntry = b.lines.size();
        Line& l = b.lines.emplace_back(Line{line, eol});
        // Lines before the first section belong to no section; a line whose first character
        // is ";" is a comment, whatever it holds. The key is what comes before the first
        // "=", without blanks around it.
        const std::size_t eq = line.find('=');
        const std::string_view key = trim(line.substr(0, eq));
        if (doc.blocks_.size() == 1 || t.front() == ';' || eq == std::string_view::npos ||
            key.empty())
            return;
        l.key = key;
        l.value = valueAfter(line, eq);
    };
    std::size_t cr = text.find('\r'), lf = text.find('\n');
    for (std::size_t start = 0; start < text.size();) {
        cr = cr < start ? text.find('\r', start) : cr;
        lf = lf < start ? text.find('\n', start) : lf;
        const std::size_t end = std::min({cr, lf, text.size()});
        const bool crlf = end == cr && lf == cr + 1;
        addLine(text.substr(start, end - start), end == text.size() ? Eol::None
                                                 : crlf             ? Eol::CrLf
                                                 : end == lf        ? Eol::Lf
                                                                    : Eol::Cr);
        start = end + (crlf ? 2 : 1);
    }
    std::sort(doc.sections_.begin(), doc.sections_.end());
    for (Block& b : doc.blocks_) {
        b.keys.reserve(b.lines.size());
        for (std::size_t i = 0; i < b.lines.size(); ++i)
            if (!b.lines[i].key.empty())
                b.keys.emplace_back(text::FoldedHash(b.lines[i].key), i);
        std::sort(b.keys.begin(), b.keys.end());
        // A key is the first of its name unless an equal one comes before it with its hash.
        for (auto k = b.keys.begin(), run = k; k != b.keys.end(); ++k) {
            run = run->first == k->first ? run : k;
            b.lines[k->second].first = std::none_of(run, k, [&](const auto& e) {
                return text::EqualFolded(b.lines[e.second].key, b.lines[k->second].key);
            });
        }
    }
    return doc;
}

std::string_view IniDocument::Keep(std::string text) {
    return *texts_.emplace_back(std::make_shared<const std::string>(std::move(text)));
}

std::optional<std::size_t> IniDocument::SectionAt(std::string_view section) const {
    return lookup(sections_, trim(section), [this](std::size_t b) { return blocks_[b].name; });
}

IniDocument::Section IniDocument::FindSection(std::string_view section) const {
    const auto s = SectionAt(section);
    return Section(s ? &blocks_[*s] : nullptr);
}

std::optional<std::string_view> IniDocument::Section::Find(std::string_view key) const {
    if (!block_)
        return std::nullopt;
    key = trim(key);
    const std::vector<Line>& lines = block_->lines;
    const bool next = next_ < lines.size() && lines[next_].first && lines[next_].key == key;
    const auto at = next ? std::optional(next_)
                         : lookup(block_->keys, key, [&](std::size_t i) { return lines[i].key; });
    if (!at)
        return std::nullopt;
    next_ = *at + 1;
    return lines[*at].value;
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
    return FindSection(section).Find(key);
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const auto v = Find(section, key);
    return v ? std::optional<std::string>(*v) : std::nullopt;
}

bool IniDocument::HasSection(std::string_view section) const {
    return SectionAt(section).has_value();
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    section = trim(section);
    key = trim(key);
    std::string text(key);
    text += '=';
    appendValue(text, value);
    // Read back as any key line is read: the value follows the first "=", the one written
    // after the key unless the key holds one itself.
    const std::string_view written = Keep(std::move(text));
    key = written.substr(0, key.size());
    const Line entry{written, newLineEol_, key, valueAfter(written, written.find('=')), true};
    const auto s = SectionAt(section);
    if (!s) {
        // A new section goes at the end, after the file's last line, which may lack its end.
        if (std::vector<Line>& last = blocks_.back().lines;
            !last.empty() && last.back().eol == Eol::None)
            last.back().eol = newLineEol_;
        const std::string_view header = Keep("[" + std::string(section) + "]");
        blocks_.push_back({header.substr(1, section.size()), {{header, newLineEol_}}});
        insert(sections_, blocks_.back().name, blocks_.size() - 1);
    }
    Block& b = blocks_[s.value_or(blocks_.size() - 1)];
    if (const auto k = lookup(b.keys, key, [&](std::size_t i) { return b.lines[i].key; })) {
        Line& old = b.lines[*k];
        old = Line{entry.text, old.eol, old.key, entry.value, true}; // the line keeps its end
        return;
    }
    // A new key goes after the section's last entry. Only blank lines follow that entry, so
    // no key of the section moves.
    const std::size_t at = b.lastEntry + 1;
    if (b.lines[b.lastEntry].eol == Eol::None)
        b.lines[b.lastEntry].eol = newLineEol_;
    b.lines.insert(b.lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
    b.lastEntry = at;
    insert(b.keys, key, at);
}

std::string IniDocument::Serialize() const {
    static constexpr std::string_view ends[] = {"", "\r\n", "\n", "\r"};
    std::string out;
    out.reserve(texts_.empty() ? 0 : texts_.front()->size());
    for (const Block& b : blocks_)
        for (const Line& l : b.lines) {
            out += l.text;
            out += ends[static_cast<std::size_t>(l.eol)];
        }
    return out;
}

} // namespace vlnobrod
