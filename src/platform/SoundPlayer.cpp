#include "SoundPlayer.h"

#include "SettingsStore.h"
#include "SoundBackend.h"
#include "state/Paths.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>

namespace vlnobrod {

SoundPlayer::SoundPlayer(SettingsStore& settings, QString appFolder, QString moduleFolder)
    : settings_(settings), appFolder_(std::move(appFolder)),
      moduleFolder_(std::move(moduleFolder)) {}

SoundPlayer::~SoundPlayer() = default;

QString SoundPlayer::SoundFile(const QString& name) const {
    // The setting is read every time, so switching sounds off takes effect at once.
    if (!settings_.SoundsOn())
        return {};
    const QString path = QString::fromStdString(
        vlnobrod::SoundFile(DataPlaces{appFolder_.toStdString(), {}}, name.toStdString()));
    if (!QFileInfo(path).isFile())
        return {};
    return path;
}

SoundBackend* SoundPlayer::Backend() {
    if (backend_ || moduleTried_)
        return backend_.get();
    moduleTried_ = true;
    const QString folder =
        moduleFolder_.isEmpty() ? QCoreApplication::applicationDirPath() : moduleFolder_;
    // Kept loaded for the rest of the program: the back end's objects live in it.
    QLibrary module(folder + QLatin1Char('/') + QLatin1String(SoundBackendModule));
    if (auto make = reinterpret_cast<MakeSoundBackend>(module.resolve(SoundBackendEntry)))
        backend_.reset(make());
    else
        qWarning("Zvuky nelze přehrát: %s", qPrintable(module.errorString()));
    return backend_.get();
}

bool SoundPlayer::PlaySoundName(const QString& name) {
    const QString path = SoundFile(name);
    if (path.isEmpty())
        return false;
    SoundBackend* backend = Backend();
    if (!backend)
        return false;
    backend->Play(path);
    return true;
}

} // namespace vlnobrod
