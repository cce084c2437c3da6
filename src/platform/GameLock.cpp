#include "GameLock.h"

#include "state/Paths.h"

#include <QDir>

namespace vlnobrod {

GameLock::GameLock(const DataPlaces& places)
    : folder_(QString::fromStdString(WritableFolder(places))) {
    // A first start of an installed game has no folder of its own yet.
    if (!QDir().mkpath(folder_))
        return;
    lock_ = std::make_unique<QLockFile>(folder_ + QStringLiteral("/aktual.lock"));
    // Held for as long as the game runs, so never stale by age: only a holder that is no
    // longer running gives it up.
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0))
        return;
    // A folder the game may not write keeps no lock; what cannot be written there is
    // reported where it is written.
    elsewhere_ = lock_->error() == QLockFile::LockFailedError;
    lock_.reset();
}

GameLock::~GameLock() = default;

QString GameLock::Message() const {
    return QStringLiteral("Vlnobrod už běží a hraje se ve složce\n%1\n\n"
                          "Dvě spuštěné hry by si v ní navzájem přepisovaly rozehranou hru "
                          "a uložené pozice. Pokračujte v okně, které je už otevřené; tato "
                          "kopie hry se nyní ukončí.")
        .arg(folder_);
}

} // namespace vlnobrod
