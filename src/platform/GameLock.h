#pragma once

#include "state/DataPlaces.h"
#include "state/FileLock.h"

#include <QString>
#include <optional>

namespace vlnobrod {

// One running game per data folder. Two copies of the game writing one folder would mix
// their games (a save copies the state file, which the other copy has just filled with its
// own map) and overwrite each other's saves. The first copy holds "aktual.lock" beside the
// state file while it runs; a second one finds it held, tells the player and ends before it
// touches anything. The system lets go of the lock when its holder ends, however it ends
// (killed, a power cut), so a game that died keeps nobody out.
class GameLock {
public:
    explicit GameLock(const DataPlaces& places);
    ~GameLock();
    GameLock(const GameLock&) = delete;
    GameLock& operator=(const GameLock&) = delete;

    // Whether another running game holds the folder: this one must leave it alone.
    bool HeldElsewhere() const;
    // What the second copy tells the player before it ends.
    QString Message() const;

private:
    QString folder_;
    std::optional<FileLock> lock_; // none where the folder cannot be made
};

} // namespace vlnobrod
