#include "IniDocument.h"

#include "Text.h"

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

bool isQuoted(std::string_view v) {
    return v.size() >= 2 && v.front() == v.back() && (v.front() == '"' || v.front() == '\'');
}

struct KeyLine {
    std::string_view key;
    std::string_view value;
};

std::optional<KeyLine> keyLine(std::string_view line) {
    const std::string_view t = trim(line);
    if (!t.empty() && t.front() == ';')
        return std::nullopt; // a comment, whatever it holds
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = trim(line.substr(0, eq));
    if (key.empty())
        return std::nullopt;
    std::string_view value = line.substr(eq + 1);
    value = trim(value.substr(0, value.find('\0')));
    if (isQuoted(value))
        value = value.substr(1, value.size() - 2);
    return KeyLine{key, value};
}

bool isBlankLine(std::string_view line) {
    return trim(line).empty();
}

// A value must stay on its line: line breaks become blanks. One that reading would strip
// of its quotes gets a pair more.
std::string valueText(std::string_view value) {
    std::string v(value);
    for (char& c : v)
        if (c == '\r' || c == '\n')
            c = ' ';
    if (const std::string_view t = trim(v); isQuoted(t))
        return "\"" + std::string(t) + "\"";
    return v;
}

} // namespace

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    bool eolSeen = false;
    std::size_t block = 0;
    auto addLine = [&](std::string_view line, Eol eol) {
        if (eol != Eol::None && !eolSeen) {
            doc.newLineEol_ = eol;
            eolSeen = true;
        }
        if (auto name = sectionName(line)) {
            doc.blocks_.emplace_back();
            block = doc.blocks_.size() - 1;
            doc.blocks_[block].lines.push_back(Line{std::string(line), eol});
            doc.firstSection_.emplace(text::FoldCase(*name), block);
            return;
        }
        Block& b = doc.blocks_[block];
        b.lines.push_back(Line{std::string(line), eol});
        if (!isBlankLine(line))
            b.lastEntry = b.lines.size() - 1;
        if (block == 0)
            return; // lines before the first section belong to no section
        if (auto kl = keyLine(line))
            b.keys.emplace(text::FoldCase(kl->key), b.lines.size() - 1);
    };
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        Eol eol = text[i] == '\n' ? Eol::Lf : Eol::Cr;
        const std::string_view line = text.substr(start, i - start);
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            eol = Eol::CrLf;
            ++i;
        }
        addLine(line, eol);
        start = i + 1;
    }
    if (start < text.size())
        addLine(text.substr(start), Eol::None);
    return doc;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    const auto s = firstSection_.find(text::FoldCase(trim(section)));
    if (s == firstSection_.end())
        return std::nullopt;
    const Block& b = blocks_[s->second];
    const auto k = b.keys.find(text::FoldCase(trim(key)));
    if (k == b.keys.end())
        return std::nullopt;
    return std::string(keyLine(b.lines[k->second].text)->value);
}

bool IniDocument::HasSection(std::string_view section) const {
    return firstSection_.count(text::FoldCase(trim(section))) > 0;
}

IniDocument::Line* IniDocument::LastLine() {
    for (auto b = blocks_.rbegin(); b != blocks_.rend(); ++b)
        if (!b->lines.empty())
            return &b->lines.back();
    return nullptr;
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    std::string entry = std::string(trim(key)) + "=" + valueText(value);
    const std::string folded = text::FoldCase(trim(key));
    // Only the file's last line can lack a line end, and a line after it needs one.
    auto endLastLine = [this] {
        if (Line* last = LastLine(); last && last->eol == Eol::None)
            last->eol = newLineEol_;
    };
    const auto s = firstSection_.find(text::FoldCase(trim(section)));
    if (s == firstSection_.end()) {
        endLastLine();
        Block b;
        b.lines.push_back(Line{"[" + std::string(trim(section)) + "]", newLineEol_});
        b.lines.push_back(Line{std::move(entry), newLineEol_});
        b.lastEntry = 1;
        b.keys.emplace(folded, 1);
        blocks_.push_back(std::move(b));
        firstSection_.emplace(text::FoldCase(trim(section)), blocks_.size() - 1);
        return;
    }
    Block& b = blocks_[s->second];
    if (const auto k = b.keys.find(folded); k != b.keys.end()) {
        b.lines[k->second].text = std::move(entry);
        return;
    }
    // A new key goes after the section's last entry. Only blank lines follow that entry, so
    // no key of the section moves.
    const std::size_t at = b.lastEntry + 1;
    if (b.lines[b.lastEntry].eol == Eol::None)
        b.lines[b.lastEntry].eol = newLineEol_;
    b.lines.insert(b.lines.begin() + static_cast<std::ptrdiff_t>(at),
                   Line{std::move(entry), newLineEol_});
    b.lastEntry = at;
    b.keys.emplace(folded, at);
}

std::size_t IniDocument::LineCount() const {
    std::size_t n = 0;
    for (const Block& b : blocks_)
        n += b.lines.size();
    return n;
}

std::string IniDocument::Serialize() const {
    static constexpr std::string_view ends[] = {"", "\r\n", "\n", "\r"};
    std::size_t size = 0;
    for (const Block& b : blocks_)
        for (const Line& l : b.lines)
            size += l.text.size() + 2;
    std::string out;
    out.reserve(size);
    for (const Block& b : blocks_)
        for (const Line& l : b.lines) {
            out += l.text;
            out += ends[static_cast<std::size_t>(l.eol)];
        }
    return out;
}

} // namespace vlnobrod
