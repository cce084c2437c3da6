#include "GameLock.h"

#include "state/Paths.h"

#include <QDir>
#include <QFile>

namespace vlnobrod {

GameLock::GameLock(const DataPlaces& places)
    : folder_(QString::fromStdString(WritableFolder(places))) {
    // A first start of an installed game has no folder of its own yet. A folder the game may
    // not write keeps no lock; what cannot be written there is reported where it is written.
    if (QDir().mkpath(folder_))
        lock_.emplace(QFile::encodeName(folder_ + QStringLiteral("/aktual.lock")).toStdString(),
                      std::chrono::milliseconds(0));
}

GameLock::~GameLock() = default;

bool GameLock::HeldElsewhere() const {
    return lock_ && lock_->Busy();
}

QString GameLock::Message() const {
    return QStringLiteral("Vlnobrod už běží a hraje se ve složce\n%1\n\n"
                          "Dvě spuštěné hry by si v ní navzájem přepisovaly rozehranou hru "
                          "a uložené pozice. Pokračujte v okně, které je už otevřené; tato "
                          "kopie hry se nyní ukončí.")
        .arg(folder_);
}

} // namespace vlnobrod
