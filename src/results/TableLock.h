#pragma once

#include <chrono>
#include <string>

namespace vlnobrod {

// Holds a best-players table for one entry: reading the table, moving its places down and
// writing it back happen while no other running game (a second copy, another player on the
// same data folder) does the same, so no entry overwrites another unseen. The lock is a
// file beside the table ("<table>.lock"), present only while it is held; a game that dies
// holding it lets go at once.
class TableLock {
public:
    // Waits up to `patience` for the lock of `tableFile`. Not held when another game keeps it
    // longer, or when no lock can be made beside the table (a folder nobody may write, where
    // the table cannot be written either).
    explicit TableLock(const std::string& tableFile,
                       std::chrono::milliseconds patience = std::chrono::seconds(5));
    ~TableLock();
    TableLock(const TableLock&) = delete;
    TableLock& operator=(const TableLock&) = delete;

    bool Held() const { return fd_ >= 0; }
    // Not held because another game kept it all the while.
    bool Busy() const { return busy_; }

private:
    std::string path_;
    int fd_ = -1;
    bool busy_ = false;
};

} // namespace vlnobrod
