#include "SoundPlayer.h"

#include "SettingsStore.h"
#include "state/Paths.h"

#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace vlnobrod {

SoundPlayer::SoundPlayer(SettingsStore& settings, QString appFolder)
    : settings_(settings), appFolder_(std::move(appFolder)) {}

SoundPlayer::~SoundPlayer() {
    delete effect_;
}

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

bool SoundPlayer::PlaySoundName(const QString& name) {
    const QString path = SoundFile(name);
    if (path.isEmpty())
        return false;
    if (!effect_)
        effect_ = new QSoundEffect;
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(path));
    effect_->setLoopCount(1);
    effect_->play();
    return true;
}

} // namespace vlnobrod
