#pragma once

#include <QString>

namespace vlnobrod {

// What plays the game's wave files. The back end (Qt Multimedia, with the sound server's
// libraries it brings) lives in a module of its own beside the program, loaded the first time
// a sound plays: a player who keeps sounds off never loads it, and nobody waits for it while
// the menu opens.
class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // Starts `file` and returns at once, cutting off the sound that is playing.
    virtual void Play(const QString& file) = 0;
};

// The module's one entry point, and its file's name without "lib" and ".so".
using MakeSoundBackend = SoundBackend* (*)();
inline constexpr const char* SoundBackendEntry = "vlnobrod_make_sound_backend";
inline constexpr const char* SoundBackendModule = "vlnobrod_sound";

} // namespace vlnobrod
