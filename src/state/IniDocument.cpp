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

// The name of a "[name]" line, or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    const std::string_view t = trim(line);
    const std::size_t close = t.find(']');
    if (t.empty() || t.front() != '[' || close == std::string_view::npos)
        return std::nullopt;
    return trim(t.substr(1, close - 1));
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

} // namespace

std::size_t IniDocument::FoldedHash::operator()(std::string_view name) const {
    return text::FoldedHash(name);
}

bool IniDocument::FoldedEqual::operator()(std::string_view a, std::string_view b) const {
    return text::EqualFolded(a, b);
}

IniDocument IniDocument::Parse(std::string_view text) {
    return ParseText(std::string(text));
}

IniDocument IniDocument::ParseText(std::string owned) {
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
        if (const auto name = sectionName(line)) {
            doc.blocks_.emplace_back().lines.push_back({line, eol});
            doc.sections_.emplace(*name, doc.blocks_.size() - 1);
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
    // Each section's index made at its final size.
    for (Block& b : doc.blocks_) {
        b.keys.reserve(b.lines.size());
        for (std::size_t i = 0; i < b.lines.size(); ++i)
            if (!b.lines[i].key.empty())
                b.keys.emplace(b.lines[i].key, i);
    }
    return doc;
}

std::string_view IniDocument::Keep(std::string text) {
    return *texts_.emplace_back(std::make_shared<const std::string>(std::move(text)));
}

const IniDocument::Block* IniDocument::SectionBlock(std::string_view section) const {
    const auto s = sections_.find(trim(section));
    return s == sections_.end() ? nullptr : &blocks_[s->second];
}

IniDocument::Section IniDocument::FindSection(std::string_view section) const {
    return Section(SectionBlock(section));
}

std::optional<std::string_view> IniDocument::Section::Find(std::string_view key) const {
    const auto k = block_ ? block_->keys.find(trim(key)) : Index::const_iterator();
    if (!block_ || k == block_->keys.end())
        return std::nullopt;
    return block_->lines[k->second].value;
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
    return SectionBlock(section) != nullptr;
}

// Only the file's last line can lack a line end, and a line after it needs one.
void IniDocument::EndLastLine() {
    for (auto b = blocks_.rbegin(); b != blocks_.rend(); ++b)
        if (!b->lines.empty()) {
            if (b->lines.back().eol == Eol::None)
                b->lines.back().eol = newLineEol_;
            return;
        }
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
    const Line entry{written, newLineEol_, key, valueAfter(written, written.find('='))};
    const auto s = sections_.find(section);
    if (s == sections_.end()) {
        EndLastLine();
        const std::string_view header = Keep("[" + std::string(section) + "]");
        Block& b = blocks_.emplace_back();
        b.lines.push_back({header, newLineEol_});
        b.lines.push_back(entry);
        b.lastEntry = 1;
        b.keys.emplace(key, 1);
        sections_.emplace(header.substr(1, section.size()), blocks_.size() - 1);
        return;
    }
    Block& b = blocks_[s->second];
    if (const auto k = b.keys.find(key); k != b.keys.end()) {
        Line& old = b.lines[k->second];
        old = Line{entry.text, old.eol, old.key, entry.value}; // the line keeps its own end
        return;
    }
    // A new key goes after the section's last entry. Only blank lines follow that entry, so
    // no key of the section moves.
    const std::size_t at = b.lastEntry + 1;
    if (b.lines[b.lastEntry].eol == Eol::None)
        b.lines[b.lastEntry].eol = newLineEol_;
    b.lines.insert(b.lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
    b.lastEntry = at;
    b.keys.emplace(key, at);
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
