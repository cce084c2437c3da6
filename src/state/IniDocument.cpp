#include "IniDocument.h"

#include "Text.h"

#include <algorithm>
#include <functional>

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

// Only the key of a key line, as keyLine finds it, without looking at the value.
std::optional<std::string_view> keyOf(std::string_view line) {
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos)
        return std::nullopt;
    const std::string_view key = trim(line.substr(0, eq));
    if (key.empty() || key.front() == ';')
        return std::nullopt;
    return key;
}

bool isBlankLine(std::string_view line) {
    return trim(line).empty();
}

// A value must stay on its line: line breaks become blanks, and it ends where reading ends
// it, at a NUL. One that reading would strip of blanks at its ends or of its quotes is
// written in a pair of quotes more.
void appendValue(std::string& out, std::string_view value) {
    value = value.substr(0, value.find('\0'));
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    const bool quote =
        !value.empty() && (blank(value.front()) || blank(value.back()) || isQuoted(value));
    if (quote)
        out += '"';
    const std::size_t from = out.size();
    out += value;
    for (std::size_t i = from; i < out.size(); ++i)
        if (out[i] == '\r' || out[i] == '\n')
            out[i] = ' ';
    if (quote)
        out += '"';
}

std::string_view nameAt(const std::string& names, std::size_t begin, std::size_t size) {
    return {names.data() + begin, size};
}

// FNV-1a: names are short, and any spread will do.
std::uint64_t hashOf(std::string_view s) {
    std::uint64_t h = 14695981039346656037ull;
    for (const char c : s)
        h = (h ^ static_cast<unsigned char>(c)) * 1099511628211ull;
    return h;
}

} // namespace

const std::size_t* IniDocument::NameIndex::Find(const std::string& names,
                                                std::string_view folded) const {
    const std::uint64_t h = hashOf(folded);
    auto it = std::lower_bound(names_.begin(), names_.end(), h,
                               [](const Name& n, std::uint64_t v) { return n.hash < v; });
    for (; it != names_.end() && it->hash == h; ++it)
        if (nameAt(names, it->begin, it->size) == folded)
            return &it->at;
    return nullptr;
}

void IniDocument::NameIndex::Add(std::string& names, std::string_view folded, std::size_t at) {
    if (Find(names, folded))
        return;
    const std::uint64_t h = hashOf(folded);
    const auto it = std::upper_bound(names_.begin(), names_.end(), h,
                                     [](std::uint64_t v, const Name& n) { return v < n.hash; });
    const std::size_t begin = names.size();
    names += folded;
    names_.insert(it, Name{h, begin, folded.size(), at});
}

void IniDocument::NameIndex::Append(std::string& names, std::string_view raw, std::size_t at) {
    const std::size_t begin = names.size();
    text::AppendFolded(names, raw);
    const std::size_t size = names.size() - begin;
    names_.push_back(Name{hashOf(nameAt(names, begin, size)), begin, size, at});
}

void IniDocument::NameIndex::Finish(const std::string& names) {
    // Equal names meet; of these the first in the file stays.
    auto less = [&](const Name& a, const Name& b) {
        if (a.hash != b.hash)
            return a.hash < b.hash;
        const auto na = nameAt(names, a.begin, a.size), nb = nameAt(names, b.begin, b.size);
        return na != nb ? na < nb : a.at < b.at;
    };
    std::sort(names_.begin(), names_.end(), less);
    names_.erase(std::unique(names_.begin(), names_.end(),
                             [&](const Name& a, const Name& b) {
                                 return a.hash == b.hash && nameAt(names, a.begin, a.size) ==
                                                                nameAt(names, b.begin, b.size);
                             }),
                 names_.end());
}

IniDocument IniDocument::Parse(std::string_view text) {
    IniDocument doc;
    doc.text_ = text;
    // First every line and where the sections start, then each section's lines in one go:
    // a few allocations for the whole file rather than a growing vector for each section.
    struct Found {
        Line line;
        bool header;
    };
    // Line ends are found with memchr: a byte at a time costs dearly in instrumented builds.
    auto countOf = [&](char c) {
        std::size_t n = 0;
        for (std::size_t at = text.find(c); at != std::string_view::npos; at = text.find(c, at + 1))
            ++n;
        return n;
    };
    std::vector<Found> found;
    found.reserve(countOf('\n') + countOf('\r') + 1);
    std::size_t sections = 0;
    auto addLine = [&](std::size_t begin, std::size_t size, Eol eol) {
        const bool header = sectionName(text.substr(begin, size)).has_value();
        sections += header;
        found.push_back(Found{Line{begin, size, eol}, header});
    };
    std::size_t start = 0;
    std::size_t nextCr = text.find('\r'), nextLf = text.find('\n');
    while (start < text.size()) {
        if (nextCr != std::string_view::npos && nextCr < start)
            nextCr = text.find('\r', start);
        if (nextLf != std::string_view::npos && nextLf < start)
            nextLf = text.find('\n', start);
        const std::size_t end = std::min(nextCr, nextLf);
        if (end == std::string_view::npos) {
            addLine(start, text.size() - start, Eol::None);
            break;
        }
        Eol eol = end == nextLf ? Eol::Lf : Eol::Cr;
        std::size_t next = end + 1;
        if (eol == Eol::Cr && nextLf == end + 1) {
            eol = Eol::CrLf;
            ++next;
        }
        addLine(start, end - start, eol);
        start = next;
    }

    doc.names_.reserve(text.size());
    doc.blocks_.reserve(sections + 1);
    // Lines from..to of one block; a section's header comes first.
    auto fill = [&](Block& b, std::size_t from, std::size_t to, bool section) {
        b.lines.reserve(to - from);
        if (section)
            b.keys.Reserve(to - from - 1);
        for (std::size_t k = from; k < to; ++k) {
            const Line& l = found[k].line;
            const std::string_view line = text.substr(l.begin, l.size);
            b.lines.push_back(l);
            if (section && k == from) {
                doc.firstSection_.Append(doc.names_, *sectionName(line), doc.blocks_.size() - 1);
                continue;
            }
            if (!isBlankLine(line))
                b.lastEntry = b.lines.size() - 1;
            if (!section)
                continue; // lines before the first section belong to no section
            if (auto key = keyOf(line))
                b.keys.Append(doc.names_, *key, b.lines.size() - 1);
        }
    };
    auto blockEnd = [&](std::size_t from) {
        while (from < found.size() && !found[from].header)
            ++from;
        return from;
    };
    std::size_t at = blockEnd(0);
    fill(doc.blocks_[0], 0, at, false);
    while (at < found.size()) {
        const std::size_t end = blockEnd(at + 1);
        doc.blocks_.emplace_back();
        fill(doc.blocks_.back(), at, end, true);
        at = end;
    }
    for (const Found& f : found)
        if (f.line.eol != Eol::None) {
            doc.newLineEol_ = f.line.eol; // new lines end as the file's first line does
            break;
        }
    doc.firstSection_.Finish(doc.names_);
    for (Block& b : doc.blocks_)
        b.keys.Finish(doc.names_);
    return doc;
}

const IniDocument::Block* IniDocument::SectionBlock(std::string_view section) const {
    if (!lastSection_.empty() && section == lastSection_)
        return &blocks_[lastBlock_];
    const std::size_t* s = firstSection_.Find(names_, text::FoldCase(trim(section)));
    if (!s)
        return nullptr;
    lastSection_ = section;
    lastBlock_ = *s;
    return &blocks_[*s];
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
    const Block* b = SectionBlock(section);
    if (!b)
        return std::nullopt;
    const std::size_t* k = b->keys.Find(names_, text::FoldCase(trim(key)));
    if (!k)
        return std::nullopt;
    return keyLine(TextOf(b->lines[*k]))->value;
}

std::optional<std::string> IniDocument::Get(std::string_view section, std::string_view key) const {
    if (const auto v = Find(section, key))
        return std::string(*v);
    return std::nullopt;
}

bool IniDocument::HasSection(std::string_view section) const {
    return SectionBlock(section) != nullptr;
}

IniDocument::Line* IniDocument::LastLine() {
    for (auto b = blocks_.rbegin(); b != blocks_.rend(); ++b)
        if (!b->lines.empty())
            return &b->lines.back();
    return nullptr;
}

bool IniDocument::IsOurs(std::string_view piece) const {
    const std::less_equal<const char*> le;
    return le(text_.data(), piece.data()) && le(piece.data(), text_.data() + text_.size());
}

IniDocument::Line IniDocument::NewLine(std::string_view key, std::string_view value) {
    const std::size_t begin = text_.size();
    text_ += key;
    text_ += '=';
    appendValue(text_, value);
    return Line{begin, text_.size() - begin, newLineEol_};
}

void IniDocument::Set(std::string_view section, std::string_view key, std::string_view value) {
    // Pieces of this very document would move as it grows: copied first (never in the game).
    if (IsOurs(section) || IsOurs(key) || IsOurs(value)) {
        const std::string s(section), k(key), v(value);
        Set(s, k, v);
        return;
    }
    section = trim(section);
    key = trim(key);
    const std::string folded = text::FoldCase(key), foldedSection = text::FoldCase(section);
    const Line entry = NewLine(key, value);
    // Only the file's last line can lack a line end, and a line after it needs one.
    auto endLastLine = [this] {
        if (Line* last = LastLine(); last && last->eol == Eol::None)
            last->eol = newLineEol_;
    };
    const std::size_t* s = firstSection_.Find(names_, foldedSection);
    if (!s) {
        endLastLine();
        const std::size_t begin = text_.size();
        text_ += '[';
        text_ += section;
        text_ += ']';
        Block b;
        b.lines.push_back(Line{begin, text_.size() - begin, newLineEol_});
        b.lines.push_back(entry);
        b.lastEntry = 1;
        b.keys.Add(names_, folded, 1);
        blocks_.push_back(std::move(b));
        firstSection_.Add(names_, foldedSection, blocks_.size() - 1);
        return;
    }
    Block& b = blocks_[*s];
    if (const std::size_t* k = b.keys.Find(names_, folded)) {
        Line& old = b.lines[*k];
        old.begin = entry.begin;
        old.size = entry.size;
        return;
    }
    // A new key goes after the section's last entry. Only blank lines follow that entry, so
    // no key of the section moves.
    const std::size_t at = b.lastEntry + 1;
    if (b.lines[b.lastEntry].eol == Eol::None)
        b.lines[b.lastEntry].eol = newLineEol_;
    b.lines.insert(b.lines.begin() + static_cast<std::ptrdiff_t>(at), entry);
    b.lastEntry = at;
    b.keys.Add(names_, folded, at);
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
            size += l.size + 2;
    std::string out;
    out.reserve(size);
    for (const Block& b : blocks_)
        for (const Line& l : b.lines) {
            out += TextOf(l);
            out += ends[static_cast<std::size_t>(l.eol)];
        }
    return out;
}

} // namespace vlnobrod
