#pragma once

#include <chrono>
#include <string>

namespace vlnobrod {

// One running game at a time does something: enters a result into a best-players table,
// plays in a data folder. The lock is the system's lock on an open file (flock), the file
// present only while the lock is held: taking it writes nothing and waits for no disk, and
// a game that dies holding it lets go at once, so nothing has to guess whether a holder
// still lives.
class FileLock {
public:
    // Waits up to `patience` for the lock at `path`. Not held when another game keeps it
    // longer, or when no lock can be made there (a folder nobody may write, where the game
    // cannot write what the lock guards either).
    explicit FileLock(std::string path,
                      std::chrono::milliseconds patience = std::chrono::seconds(5));
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    // Not held because another game kept it all the while.
    bool Busy() const { return busy_; }

private:
    std::string path_;
    int fd_ = -1;
    bool busy_ = false;
};

} // namespace vlnobrod
