#pragma once

#include <QObject>
#include <QString>

class QSoundEffect;

namespace vlnobrod {

class SettingsStore;

// Plays the game's wave files from Data/Sounds, one at a time: a new sound cuts off the one
// that is playing. Silent while sounds are switched off or when the file is missing.
class SoundPlayer {
public:
    SoundPlayer(SettingsStore& settings, QString appFolder);
    ~SoundPlayer();

    // The file that would play for `name` right now, or an empty string for silence.
    QString SoundFile(const QString& name) const;

    // Starts the sound and returns at once. Returns whether a sound was started.
    bool PlaySoundName(const QString& name);

    void SetAppFolder(const QString& folder) { appFolder_ = folder; }

private:
    SettingsStore& settings_;
    QString appFolder_;
    QSoundEffect* effect_ = nullptr;
};

} // namespace vlnobrod
