#include "Profiles.h"

#include "Text.h"

#include <cstdio>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vlnobrod {

namespace fs = std::filesystem;

namespace {

bool readWhole(const std::string& file, std::string& bytes) {
    std::FILE* f = std::fopen(file.c_str(), "rb");
    if (!f)
        return false;
    bytes.clear();
    char chunk[16384];
    std::size_t n = 0;
    while ((n = std::fread(chunk, 1, sizeof chunk, f)) > 0)
        bytes.append(chunk, n);
    const bool failed = std::ferror(f) != 0;
    std::fclose(f);
    return !failed;
}

} // namespace

const IniDocument& Profiles::Document(const std::string& file) {
    Entry& e = cache_[file];
    const auto stamp = StampOf(file);
    if (!stamp) {
        if (e.stamp || e.doc.LineCount() > 0)
            e = Entry{};
        return e.doc;
    }
    if (e.stamp == stamp)
        return e.doc;
    std::string bytes;
    if (!readWhole(file, bytes)) {
        e = Entry{};
        return e.doc;
    }
    e.doc = IniDocument::Parse(text::DecodeFileText(bytes));
    e.stamp = stamp;
    return e.doc;
}

std::optional<Profiles::Stamp> Profiles::StampOf(const std::string& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    // A file copied or renamed over the old one is a new inode, so even a copy of the same
    // size made within one clock tick is noticed.
    return Stamp{static_cast<std::uint64_t>(st.st_dev),
                 static_cast<std::uint64_t>(st.st_ino),
                 static_cast<std::int64_t>(st.st_size),
                 st.st_mtim.tv_sec,
                 st.st_mtim.tv_nsec,
                 st.st_ctim.tv_sec,
                 st.st_ctim.tv_nsec};
}

std::string Profiles::ReadProfile(const std::string& file, const std::string& section,
                                  const std::string& key, const std::string& def) {
    return ValueOf(Document(file), section, key, def);
}

std::string Profiles::ValueOf(const IniDocument& doc, const std::string& section,
                              const std::string& key, const std::string& def) {
    const auto v = doc.Get(section, key);
    return text::CharPrefix(v ? *v : def, MaxValueChars);
}

bool Profiles::WriteFileAtomically(const fs::path& path, const std::string& bytes) {
    fs::path tmp = path;
    tmp += ".tmp~";
    {
        std::FILE* f = std::fopen(tmp.c_str(), "wb");
        if (!f)
            return false;
        const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
        const bool flushed = std::fflush(f) == 0 && ::fsync(fileno(f)) == 0;
        const bool closed = std::fclose(f) == 0;
        if (!written || !flushed || !closed) {
            std::error_code ec;
            fs::remove(tmp, ec);
            return false;
        }
    }
    std::error_code ec;
    fs::rename(tmp, path, ec);
    if (ec) {
        fs::remove(tmp, ec);
        return false;
    }
    return true;
}

bool Profiles::Store(const std::string& file, const IniDocument& doc) {
    const std::string text = doc.Serialize();
    // Windows-1250 as the game has always written; a name with a character that code page
    // cannot hold keeps the whole file in UTF-8, which the reader recognises.
    const auto cp = text::Utf8ToCp1250(text);
    if (!WriteFileAtomically(file, cp ? *cp : text))
        return false;
    Entry& e = cache_[file];
    e.doc = doc;
    e.stamp = StampOf(file);
    if (!e.stamp)
        cache_.erase(file);
    return true;
}

bool Profiles::WriteProfile(std::string& file, const std::string& section, const std::string& key,
                            const std::string& value) {
    if (file.empty())
        file = appFolder_ + "/settings.ini";
    IniDocument doc = Document(file);
    doc.Set(section, key, value);
    return Store(file, doc);
}

Profiles::Batch Profiles::Edit(const std::string& file) {
    return Batch(*this, file, Document(file));
}

bool Profiles::Batch::Commit() {
    return owner_.Store(file_, doc_);
}

} // namespace vlnobrod
