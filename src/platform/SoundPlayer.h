#pragma once

#include <QString>
#include <memory>

namespace vlnobrod {

class SettingsStore;
class SoundBackend;

// Plays the game's wave files from Data/Sounds, one at a time: a new sound cuts off the one
// that is playing. Silent while sounds are switched off, when the file is missing or when the
// sound module cannot be loaded. The module is looked for in `moduleFolder`, the program's
// own folder when that is empty, the first time a sound plays.
class SoundPlayer {
public:
    SoundPlayer(SettingsStore& settings, QString appFolder, QString moduleFolder = {});
    ~SoundPlayer();

    // The file that would play for `name` right now, or an empty string for silence.
    QString SoundFile(const QString& name) const;

    // Starts the sound and returns at once. Returns whether a sound was started.
    bool PlaySoundName(const QString& name);

    void SetAppFolder(const QString& folder) { appFolder_ = folder; }
    // Whether the sound module has been loaded (it is, from the first sound that plays).
    bool BackendLoaded() const { return backend_ != nullptr; }

private:
    SoundBackend* Backend();

    SettingsStore& settings_;
    QString appFolder_;
    QString moduleFolder_;
    std::unique_ptr<SoundBackend> backend_;
    bool moduleTried_ = false;
};

} // namespace vlnobrod
