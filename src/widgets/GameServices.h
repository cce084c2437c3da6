#pragma once

#include "platform/SettingsStore.h"
#include "platform/SoundPlayer.h"
#include "state/GameState.h"
#include "state/Paths.h"
#include "state/Profiles.h"
#include "state/Random.h"

#include <QString>

namespace vlnobrod {

// What every window works with: the game in memory, the profile files, the dice, the
// player's settings and the sound player. The game shell makes one and hands it to each
// window by reference; a test makes its own with a scratch folder and settings file. The
// places of the game's files are decided once, before it is made.
struct GameServices {
    GameServices(const DataPlaces& places, SettingsStore& settingsStore, RandomSource& rnd)
        : profiles(SettingsFolder(places)), random(rnd), settings(settingsStore),
          sound(settingsStore, QString::fromStdString(places.AppFolder)) {
        state.Places = places;
    }
    // The game's own layout in `appFolder`.
    GameServices(const QString& appFolder, SettingsStore& settingsStore, RandomSource& rnd)
        : GameServices(DataPlaces{appFolder.toStdString(), {}}, settingsStore, rnd) {}

    void PlaySoundName(const QString& name) { sound.PlaySoundName(name); }

    GameState state;
    Profiles profiles;
    RandomSource& random;
    SettingsStore& settings;
    SoundPlayer sound;
};

} // namespace vlnobrod
