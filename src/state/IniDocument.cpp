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

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// The value of a key line whose first "=" stands at `eq`: what follows it, up to a NUL,
// without blanks around it or the quotes that wrap it. `nuls` says whether the text may
// hold a NUL at all.
std::string_view valueAfter(std::string_view line, std::size_t eq, bool nuls) {
    std::size_t b = eq + 1, e = nuls ? std::min(line.find('\0', b), line.size()) : line.size();
    while (b < e && isBlank(line[b]))
        ++b;
    while (e > b && isBlank(line[e - 1]))
        --e;
    const std::string_view value = line.substr(b, e - b);
    return isQuoted(value) ? value.substr(1, value.size() - 2) : value;
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

// Names are short: compared here rather than by a call.
bool sameBytes(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t k = 0; k < a.size(); ++k)
        if (a[k] != b[k])
            return false;
    return true;
}

// Names are mostly asked for as the file spells them.
bool sameName(std::string_view stored, std::string_view name) {
    return sameBytes(stored, name) || text::EqualFolded(stored, name);
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
        if (s.hash == hash && sameName({text.data() + s.begin, s.size}, name))
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

bool IniDocument::NameIndex::Add(const std::string& text, std::size_t begin, std::size_t size,
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
            return true;
        }
        if (s.hash == hash && sameName({text.data() + s.begin, s.size}, name))
            return false;
    }
}

IniDocument IniDocument::Parse(std::string_view text) {
    return ParseText(std::string(text));
}

IniDocument IniDocument::ParseText(std::string owned) {
    IniDocument doc;
    doc.text_ = std::move(owned);
    const std::string_view text = doc.text_;
    // A NUL ends a value, but a file rarely holds one: then no value is searched for it.
    const bool nuls = text.find('\0') != std::string_view::npos;
    doc.blocks_.reserve(16);
    // The keys of the section being read, indexed once its last line is known: the index
    // is made at its final size.
    struct Found {
        std::size_t begin, size, line;
        std::uint64_t hash;
    };
    std::vector<Found> keys;
    keys.reserve(64);
    auto endSection = [&] {
        Block& b = doc.blocks_.back();
        b.keys.Reserve(b.lines.size() - 1);
        for (const Found& k : keys)
            if (b.keys.Add(doc.text_, k.begin, k.size, k.hash, k.line)) {
                Line& l = b.lines[k.line];
                l.plain = k.begin == l.begin && k.size <= UINT32_MAX;
                l.keySize = static_cast<std::uint32_t>(k.size);
            }
        keys.clear();
    };
    bool eolSeen = false;
    auto addLine = [&](std::size_t begin, std::size_t end, Eol eol) {
        if (!eolSeen && eol != Eol::None) {
            doc.newLineEol_ = eol; // new lines end as the file's first line does
            eolSeen = true;
        }
        std::size_t first = begin;
        while (first < end && isBlank(text[first]))
            ++first;
        if (first == end) { // a blank line
            doc.blocks_.back().lines.emplace_back(begin, end - begin, eol);
            return;
        }
        if (text[first] == '[')
            if (const auto name = sectionName(text.substr(begin, end - begin))) {
                if (doc.blocks_.size() > 1)
                    endSection();
                // Sections of one file are mostly of a size.
                const std::size_t guess = std::max<std::size_t>(doc.blocks_.back().lines.size(), 8);
                Block& b = doc.blocks_.emplace_back();
                b.lines.reserve(guess);
                b.lines.emplace_back(begin, end - begin, eol);
                doc.firstSection_.Add(
                    doc.text_, static_cast<std::size_t>(name->data() - text.data()), name->size(),
                    text::FoldedHash(*name), doc.blocks_.size() - 1);
                return;
            }
        Block& b = doc.blocks_.back();
        b.lastEntry = b.lines.size();
        // Lines before the first section belong to no section; a line whose first character
        // is ";" is a comment, whatever it holds.
        if (doc.blocks_.size() == 1 || text[first] == ';') {
            b.lines.emplace_back(begin, end - begin, eol);
            return;
        }
        // The key is what comes before the first "=", without blanks around it.
        std::size_t eq = first; // keys are short: looked for here rather than by a call
        while (eq < end && text[eq] != '=')
            ++eq;
        if (eq == first || eq == end) {
            b.lines.emplace_back(begin, end - begin, eol);
            return;
        }
        std::size_t keyEnd = eq;
        while (isBlank(text[keyEnd - 1]))
            --keyEnd;
        const std::string_view key = text.substr(first, keyEnd - first);
        const std::string_view value =
            valueAfter(text.substr(begin, end - begin), eq - begin, nuls);
        Found& k = keys.emplace_back();
        k.begin = first;
        k.size = key.size();
        k.line = b.lines.size();
        k.hash = text::FoldedHash(key);
        b.lines.emplace_back(begin, end - begin, eol,
                             static_cast<std::size_t>(value.data() - text.data()), value.size());
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
            addLine(start, text.size(), Eol::None);
            break;
        }
        Eol eol = end == nextLf ? Eol::Lf : Eol::Cr;
        std::size_t next = end + 1;
        if (eol == Eol::Cr && nextLf == end + 1) {
            eol = Eol::CrLf;
            ++next;
        }
        addLine(start, end, eol);
        start = next;
    }
    if (doc.blocks_.size() > 1)
        endSection();
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

IniDocument::Key::Key(std::string_view name) : name_(trim(name)), hash_(text::FoldedHash(name_)) {}

IniDocument::Section IniDocument::FindSection(std::string_view section) const {
    return Section(*this, SectionBlock(section));
}

std::optional<std::string_view> IniDocument::ValueIn(const Block* b, std::string_view key,
                                                     std::uint64_t hash) const {
    if (!b)
        return std::nullopt;
    const std::size_t* k = b->keys.Find(text_, key, hash);
    if (!k)
        return std::nullopt;
    const Line& l = b->lines[*k];
    return std::string_view(text_.data() + l.value, l.valueSize);
}

std::optional<std::string_view> IniDocument::Section::Find(const Key& key) const {
    if (!block_)
        return std::nullopt;
    // Keys are mostly read in the order the file has them: the line after the last key
    // found is tried before the index.
    const std::string& text = doc_->text_;
    if (next_ < block_->lines.size()) {
        const Line& l = block_->lines[next_];
        if (l.plain && sameBytes({text.data() + l.begin, l.keySize}, key.name_)) {
            ++next_;
            return std::string_view(text.data() + l.value, l.valueSize);
        }
    }
    const std::size_t* k = block_->keys.Find(text, key.name_, key.hash_);
    if (!k)
        return std::nullopt;
    next_ = *k + 1;
    const Line& l = block_->lines[*k];
    return std::string_view(text.data() + l.value, l.valueSize);
}

std::optional<std::string_view> IniDocument::Find(std::string_view section,
                                                  std::string_view key) const {
    key = trim(key);
    return ValueIn(SectionBlock(section), key, text::FoldedHash(key));
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
    Line l(begin, text_.size() - begin, newLineEol_);
    // Read back as any key line is read: the value follows the first "=", the one written
    // after the key unless the key holds one itself. The value written holds no NUL.
    const std::size_t eq = key.find('=');
    const std::string_view v = eq == std::string_view::npos
                                   ? valueAfter(TextOf(l), key.size(), false)
                                   : valueAfter(TextOf(l), eq, true);
    l.value = static_cast<std::size_t>(v.data() - text_.data());
    l.valueSize = v.size();
    return l;
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
        b.lines.emplace_back(begin, text_.size() - begin, newLineEol_);
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
        const Eol eol = old.eol; // the line keeps its own end
        old = entry;
        old.eol = eol;
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
