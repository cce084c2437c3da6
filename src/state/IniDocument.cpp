#include "IniDocument.h"

#include "Text.h"

#include <algorithm>
#include <functional>
#include <utility>

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

// The value of a line known to be a key line: what follows the first "=", up to a NUL,
// without blanks around it or the quotes that wrap it.
std::string_view valueOf(std::string_view line) {
    std::string_view value = line.substr(line.find('=') + 1);
    value = trim(value.substr(0, value.find('\0')));
    if (isQuoted(value))
        value = value.substr(1, value.size() - 2);
    return value;
}

// The key of a key line: what comes before the first "=", without blanks around it; a line
// whose first character is ";" is a comment, whatever it holds.
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

} // namespace

const std::size_t* IniDocument::NameIndex::Find(const std::string& text, std::string_view name,
                                                std::uint64_t hash) const {
    if (slots_.empty())
        return nullptr;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        const Slot& s = slots_[i];
        if (s.at == std::string::npos)
            return nullptr;
        if (s.hash == hash && text::EqualFolded({text.data() + s.begin, s.size}, name))
            return &s.at;
    }
}

void IniDocument::NameIndex::Reserve(std::size_t names) {
    // At most three quarters full, so a probe ends soon on an empty slot, with room for the
    // keys a save adds to a map's sections without building the table again.
    std::size_t size = 8;
    while (size * 3 < names * 4)
        size *= 2;
    if (size <= slots_.size())
        return;
    std::vector<Slot> old =
        std::exchange(slots_, std::vector<Slot>(size, Slot{0, 0, 0, std::string::npos}));
    for (const Slot& s : old)
        if (s.at != std::string::npos)
            for (std::size_t i = s.hash & (size - 1);; i = (i + 1) & (size - 1))
                if (slots_[i].at == std::string::npos) {
                    slots_[i] = s;
                    break;
                }
}

void IniDocument::NameIndex::Add(const std::string& text, std::size_t begin, std::size_t size,
                                 std::uint64_t hash, std::size_t at) {
    if ((used_ + 1) * 4 > slots_.size() * 3)
        Reserve(2 * (used_ + 1));
    const std::string_view name(text.data() + begin, size);
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t i = hash & mask;; i = (i + 1) & mask) {
        Slot& s = slots_[i];
        if (s.at == std::string::npos) {
            s = Slot{hash, begin, size, at};
            ++used_;
            return;
        }
        if (s.hash == hash && text::EqualFolded({text.data() + s.begin, s.size}, name))
            return;
    }
}

IniDocument IniDocument::Parse(std::string_view text) {
    return ParseText(std::string(text));
}

IniDocument IniDocument::ParseText(std::string owned) {
    IniDocument doc;
    doc.text_ = std::move(owned);
    const std::string_view text = doc.text_;
    // First every line and where the sections start, then each section's lines in one go:
    // a few allocations for the whole file rather than a growing vector for each section.
    struct Found {
        Line line;
        bool header;
    };
    std::vector<Found> found;
    found.reserve(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) + 1);
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

    doc.blocks_.reserve(sections + 1);
    auto add = [&](NameIndex& index, std::string_view name, std::size_t at) {
        index.Add(doc.text_, static_cast<std::size_t>(name.data() - text.data()), name.size(),
                  text::FoldedHash(name), at);
    };
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
                add(doc.firstSection_, *sectionName(line), doc.blocks_.size() - 1);
                continue;
            }
            if (!isBlankLine(line))
                b.lastEntry = b.lines.size() - 1;
            if (!section)
                continue; // lines before the first section belong to no section
            if (auto key = keyOf(line))
                add(b.keys, *key, b.lines.size() - 1);
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
    return doc;
}

const IniDocument::Block* IniDocument::SectionBlock(std::string_view section) const {
    if (!lastSection_.empty() && section == lastSection_)
        return &blocks_[lastBlock_];
    const std::string_view name = trim(section);
    const std::size_t* s = firstSection_.Find(text_, name, text::FoldedHash(name));
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
    key = trim(key);
    const std::size_t* k = b->keys.Find(text_, key, text::FoldedHash(key));
    if (!k)
        return std::nullopt;
    return valueOf(TextOf(b->lines[*k]));
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
    const std::uint64_t keyHash = text::FoldedHash(key);
    const std::uint64_t sectionHash = text::FoldedHash(section);
    const Line entry = NewLine(key, value); // the key's text starts the new line
    // Only the file's last line can lack a line end, and a line after it needs one.
    auto endLastLine = [this] {
        if (Line* last = LastLine(); last && last->eol == Eol::None)
            last->eol = newLineEol_;
    };
    const std::size_t* s = firstSection_.Find(text_, section, sectionHash);
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
        b.keys.Add(text_, entry.begin, key.size(), keyHash, 1);
        blocks_.push_back(std::move(b));
        firstSection_.Add(text_, begin + 1, section.size(), sectionHash, blocks_.size() - 1);
        return;
    }
    Block& b = blocks_[*s];
    if (const std::size_t* k = b.keys.Find(text_, key, keyHash)) {
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
    b.keys.Add(text_, entry.begin, key.size(), keyHash, at);
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
