#pragma once

#include "IniDocument.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace vlnobrod {

// Reads and writes profile files (INI text, Windows-1250 on disk unless the file came in
// UTF-8 or UTF-16, UTF-8 here). Each file is parsed once and kept; a read looks at the file's
// identity, size and times and reads it again only when it changed on disk. A file changed too
// shortly before it was read may change again without its times showing it (the file system's clock
// ticks coarsely), so until it is old enough each look reads it again and compares; it is parsed
// again only when its bytes changed. Writes put the whole file on disk at once: a temporary
// file beside it, then a rename over the old one, so a failed write never leaves half a file.
class Profiles {
public:
    static constexpr std::size_t MaxValueChars = 98;
    // No profile comes near: a game is some 20 kB. A larger file is not read (a sparse file of
    // a terabyte would exhaust memory) and counts as one that cannot be read.
    static constexpr std::size_t MaxFileBytes = 1 << 20;

    explicit Profiles(std::string appFolder = {}) : appFolder_(std::move(appFolder)) {}

    // The value of section/key, cut to 98 characters; `def` when the file, the section or
    // the key is missing. A key that is present with an empty value gives "".
    std::string ReadProfile(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& def);

    // The file as it is on disk now, parsed, for reading many keys at once (a whole game)
    // without looking at the disk for each of them. Valid until the next call on this object.
    const IniDocument& Snapshot(const std::string& file) { return Document(file); }
    // The same, or nothing when the file is missing or cannot be read.
    const IniDocument* ReadableSnapshot(const std::string& file);

    // What ReadProfile gives for a key of a section of an already parsed file.
    static std::string ValueOf(const IniDocument::Section& section, std::string_view key,
                               std::string_view def);

    // Stores section/key = value and puts the file on disk before returning. An empty file
    // name means "settings.ini" in the program's folder, and the caller's variable is given
    // that path. Returns whether the file was written.
    bool WriteProfile(std::string& file, const std::string& section, const std::string& key,
                      const std::string& value);

    // Many keys, one write: changes are applied to a parsed copy and the file is put on
    // disk once by Commit(), with exactly the lines that writing key by key would give.
    class Batch {
    public:
        void Set(const std::string& section, const std::string& key, const std::string& value) {
            doc_.Set(section, key, value);
        }
        bool Commit();

    private:
        friend class Profiles;
        Batch(Profiles& owner, std::string file, IniDocument doc)
            : owner_(owner), file_(std::move(file)), doc_(std::move(doc)) {}
        Profiles& owner_;
        std::string file_;
        IniDocument doc_;
    };
    Batch Edit(const std::string& file);

    // Forget what is cached (a test that rewrites files within one clock tick).
    void Forget(const std::string& file) { cache_.erase(file); }

    // What tells one state of a file on disk from another.
    struct Stamp {
        std::uint64_t device, inode;
        std::int64_t size, mtimeSec, mtimeNsec, ctimeSec, ctimeNsec;
        bool operator==(const Stamp&) const = default;
    };

    // The bytes of a regular file of at most MaxFileBytes, or nothing.
    static std::optional<std::string> ReadFile(const std::string& file);
    // Writes `bytes` to `path` whole: a temporary file beside it, then a rename. A symbolic
    // link keeps pointing where it did and its target is written; an existing file keeps
    // its permissions; a read-only file is not written. Temporary files left by a write
    // that was cut short are removed. Gives the stamp of the written file, taken from the
    // file itself and not its name (another writer may have replaced it already), or
    // nothing on any failure, with the old file untouched.
    static std::optional<Stamp> WriteFileAtomically(const std::filesystem::path& path,
                                                    const std::string& bytes);

    // Seconds since the epoch, as the file system's clock counts; tests set their own.
    using Clock = std::function<std::int64_t()>;
    void SetClock(Clock clock) { clock_ = std::move(clock); }

    // How many times a file was parsed (a cache that works parses once).
    std::size_t Parses() const { return parses_; }

private:
    struct Entry {
        std::optional<Stamp> stamp; // nothing: no file (or never read)
        std::uint64_t hash = 0;     // of the bytes on disk
        bool racy = true; // changed so recently that the stamp may not show the next change
        IniDocument doc;
    };
    const IniDocument& Document(const std::string& file);
    bool Store(const std::string& file, const IniDocument& doc);
    std::int64_t Now() const;

    std::string appFolder_;
    std::map<std::string, Entry> cache_;
    Clock clock_;
    std::size_t parses_ = 0;
};

} // namespace vlnobrod
