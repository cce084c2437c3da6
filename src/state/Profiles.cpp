#include "Profiles.h"

#include "Text.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <functional>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace vlnobrod {

namespace fs = std::filesystem;

namespace {

// Whether a file of this stamp, read at `lookedAt` (seconds), may yet change without its
// stamp showing it: its last change (either time) lies less than three seconds before the
// reading, or after it. The coarsest file systems keep times to two seconds.
bool racy(const Profiles::Stamp& s, std::int64_t lookedAt) {
    return lookedAt - std::max(s.mtimeSec, s.ctimeSec) < 3;
}

constexpr std::string_view TempEnding = ".tmp~";

Profiles::Stamp stampOf(const struct stat& st) {
    return Profiles::Stamp{static_cast<std::uint64_t>(st.st_dev),
                           static_cast<std::uint64_t>(st.st_ino),
                           static_cast<std::int64_t>(st.st_size),
                           st.st_mtim.tv_sec,
                           st.st_mtim.tv_nsec,
                           st.st_ctim.tv_sec,
                           st.st_ctim.tv_nsec};
}

// Reads the file and the stamp of what was read through one descriptor, so the two belong
// to the same file even when another program renames a new one into place meanwhile. A file
// larger than any profile is not read: it is no game, and reading it could exhaust memory.
bool readWhole(const std::string& file, std::string& bytes, Profiles::Stamp& stamp) {
    // Not held up by a pipe or a device in the file's place: only a regular file is read.
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
              static_cast<std::uint64_t>(st.st_size) <= Profiles::MaxFileBytes;
    if (ok) {
        stamp = stampOf(st);
        // Read straight into place; a file that grew meanwhile is read to its end, or to
        // one byte past the limit.
        bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
        std::size_t done = 0;
        for (;;) {
            if (done == bytes.size()) {
                if (done > Profiles::MaxFileBytes)
                    break;
                bytes.resize(std::min(2 * done, Profiles::MaxFileBytes + 1));
            }
            const ssize_t n = ::read(fd, bytes.data() + done, bytes.size() - done);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0)
                ok = false;
            if (n <= 0)
                break;
            done += static_cast<std::size_t>(n);
        }
        ok = ok && done <= Profiles::MaxFileBytes;
        bytes.resize(ok ? done : 0);
    }
    ::close(fd);
    return ok;
}

// Where a write to `path` must go: through any symbolic links to the file they name.
std::optional<fs::path> resolveLinks(fs::path p) {
    for (int hops = 0; hops < 40; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(p, ec)))
            return p;
        const fs::path target = fs::read_symlink(p, ec);
        if (ec)
            return std::nullopt;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return std::nullopt; // a circle of links
}

// "<prefix><pid>.tmp~", with a process id of one to nine digits.
bool isOurTemporary(std::string_view name, std::string_view prefix, pid_t& pid) {
    if (!name.starts_with(prefix) || !name.ends_with(TempEnding))
        return false;
    const std::string_view digits =
        name.substr(prefix.size(), std::max(name.size(), prefix.size() + TempEnding.size()) -
                                       prefix.size() - TempEnding.size());
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), pid);
    return !digits.empty() && digits.size() <= 9 &&
           std::isdigit(static_cast<unsigned char>(digits[0])) && ec == std::errc() &&
           end == digits.data() + digits.size();
}

// Temporary files of earlier writes to `base` that never finished: this program's own, and
// those of programs that no longer run. A write still going on in another program is left.
void removeLeftovers(const fs::path& dir, const std::string& base) {
    DIR* d = ::opendir(dir.empty() ? "." : dir.c_str());
    if (!d)
        return;
    const std::string prefix = base + ".";
    const std::string older = base + std::string(TempEnding); // the name earlier versions used
    while (const dirent* entry = ::readdir(d)) {
        const std::string_view name = entry->d_name;
        pid_t pid = 0;
        bool stale = name == older;
        if (!stale && isOurTemporary(name, prefix, pid))
            stale = pid == ::getpid() || (::kill(pid, 0) != 0 && errno == ESRCH);
        if (!stale)
            continue;
        const fs::path leftover = dir / std::string(name);
        struct stat st {};
        if (::lstat(leftover.c_str(), &st) == 0 && S_ISREG(st.st_mode))
            ::unlink(leftover.c_str());
    }
    ::closedir(d);
}

bool writeAll(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

std::int64_t Profiles::Now() const {
    if (clock_)
        return clock_();
    timespec now{};
    ::clock_gettime(CLOCK_REALTIME, &now);
    return now.tv_sec;
}

const IniDocument& Profiles::Document(const std::string& file) {
    Entry& e = cache_[file];
    // A file never read is read at once: the stamp comes with it.
    if (e.stamp) {
        // A file copied or renamed over the old one is a new inode, so even a copy of the
        // same size made within one clock tick is noticed.
        struct stat st {};
        if (::stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) && e.stamp == stampOf(st) &&
            !e.racy)
            return e.doc;
    }
    // Taken before reading: whatever changes after this moment shows in the file's times.
    const std::int64_t lookedAt = Now();
    std::string bytes;
    Stamp read{};
    if (!readWhole(file, bytes, read)) {
        e = Entry{};
        return e.doc;
    }
    const std::uint64_t hash = std::hash<std::string_view>{}(bytes);
    if (!e.stamp || e.hash != hash) {
        text::DecodedText decoded = text::DecodeFile(bytes);
        e.doc = IniDocument::Parse(std::move(decoded.utf8));
        e.doc.SetEncoding(decoded.encoding);
        ++parses_;
    }
    e.stamp = read;
    e.hash = hash;
    e.racy = racy(read, lookedAt);
    return e.doc;
}

const IniDocument* Profiles::ReadableSnapshot(const std::string& file) {
    const IniDocument& doc = Document(file);
    return cache_[file].stamp ? &doc : nullptr;
}

std::string Profiles::ReadProfile(const std::string& file, const std::string& section,
                                  const std::string& key, const std::string& def) {
    return ValueOf(Document(file).FindSection(section), key, def);
}

std::string Profiles::ValueOf(const IniDocument::Section& section, std::string_view key,
                              std::string_view def) {
    return text::CharPrefix(section.Find(key).value_or(def), MaxValueChars);
}

std::optional<std::string> Profiles::ReadFile(const std::string& file) {
    std::string bytes;
    Stamp stamp{};
    return readWhole(file, bytes, stamp) ? std::optional(std::move(bytes)) : std::nullopt;
}

std::optional<Profiles::Stamp> Profiles::WriteFileAtomically(const fs::path& path,
                                                             const std::string& bytes) {
    const auto target = resolveLinks(path);
    if (!target || target->filename().empty())
        return std::nullopt;
    struct stat old {};
    const bool exists = ::stat(target->c_str(), &old) == 0;
    if (exists) {
        if (!S_ISREG(old.st_mode))
            return std::nullopt;
        // Marked read-only: not written, even by a user the system would let through.
        if ((old.st_mode & 0222) == 0 || ::access(target->c_str(), W_OK) != 0)
            return std::nullopt;
    }
    const fs::path dir = target->parent_path();
    const std::string base = target->filename().string();
    removeLeftovers(dir, base);

    const fs::path tmp = dir / (base + "." + std::to_string(::getpid()) + std::string(TempEnding));
    const int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0666);
    if (fd < 0)
        return std::nullopt;
    bool ok = true;
    if (exists) {
        ok = ::fchmod(fd, old.st_mode & 07777) == 0;
        // Only the owner's own user or root may hand a file over; otherwise the new file is
        // the writer's, as any program's edit would leave it.
        if ((old.st_uid != ::geteuid() || old.st_gid != ::getegid()) &&
            ::fchown(fd, old.st_uid, old.st_gid) != 0) {
        }
    }
    ok = ok && writeAll(fd, bytes) && ::fsync(fd) == 0;
    ok = ok && ::rename(tmp.c_str(), target->c_str()) == 0;
    if (!ok) {
        ::close(fd);
        ::unlink(tmp.c_str());
        return std::nullopt;
    }
    // After the rename, which changes the file's ctime; a stamp that cannot be taken is one
    // that matches nothing, so the next read looks at the disk.
    struct stat written {};
    const Stamp stamp = ::fstat(fd, &written) == 0 ? stampOf(written) : Stamp{};
    ::close(fd);
    return stamp;
}

bool Profiles::Store(const std::string& file, const IniDocument& doc) {
    const std::string bytes = text::EncodeFile(doc.Serialize(), doc.Encoding());
    const std::int64_t lookedAt = Now();
    const auto stamp = WriteFileAtomically(file, bytes);
    if (!stamp)
        return false;
    Entry& e = cache_[file];
    e.doc = doc;
    if (bytes.compare(0, 3, "\xEF\xBB\xBF") == 0)
        e.doc.SetEncoding(FileEncoding::Utf8); // as the file now reads
    e.stamp = stamp;
    e.hash = std::hash<std::string_view>{}(bytes);
    e.racy = racy(*stamp, lookedAt);
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
