#include "GameLock.h"

#include "state/Paths.h"

#include <QDir>
#include <QFile>
#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vlnobrod {

// The lock is the system's lock on an open file (flock), not a file whose presence counts:
// taking it writes nothing and waits for no disk (QLockFile syncs the file it writes, some
// 8 ms at start-up on a busy disk), and nothing has to guess whether a holder still lives.
GameLock::GameLock(const DataPlaces& places)
    : folder_(QString::fromStdString(WritableFolder(places))),
      path_(QFile::encodeName(folder_ + QStringLiteral("/aktual.lock"))) {
    // A first start of an installed game has no folder of its own yet.
    if (!QDir().mkpath(folder_))
        return;
    // A folder the game may not write keeps no lock; what cannot be written there is
    // reported where it is written.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int fd = ::open(path_.constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0)
            return;
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            elsewhere_ = errno == EWOULDBLOCK;
            ::close(fd);
            return;
        }
        // A game ending just now removes the file as it lets go: a lock on a file that is
        // gone locks nothing, so it is taken again on the new one.
        struct stat held {
        }, named{};
        if (::fstat(fd, &held) == 0 && ::stat(path_.constData(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            fd_ = fd;
            return;
        }
        ::close(fd);
    }
}

GameLock::~GameLock() {
    if (fd_ < 0)
        return;
    // Removed while still held, so no other game takes a lock on a file about to go.
    ::unlink(path_.constData());
    ::close(fd_);
}

QString GameLock::Message() const {
    return QStringLiteral("Vlnobrod už běží a hraje se ve složce\n%1\n\n"
                          "Dvě spuštěné hry by si v ní navzájem přepisovaly rozehranou hru "
                          "a uložené pozice. Pokračujte v okně, které je už otevřené; tato "
                          "kopie hry se nyní ukončí.")
        .arg(folder_);
}

} // namespace vlnobrod
