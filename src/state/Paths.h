#pragma once

#include "DataPlaces.h"
#include "GameState.h"

#include <string>

namespace vlnobrod {

// Every path of the game's files is built here, from the places chosen at start.

// What ships with the game: "<program folder>/Data".
std::string ShippedFolder(const DataPlaces& places);

// Where the game writes: Data/ beside the program, or the player's data folder.
std::string WritableFolder(const DataPlaces& places);

// The game in progress: "aktual.map" in the writable folder.
std::string StateFile(const DataPlaces& places);

// A shipped scenario map (map id + ".mlo") and its sea chart (".jpg").
std::string ScenarioFile(const DataPlaces& places, const std::string& mapa);
std::string ScenarioFile(const GameState& st);
std::string ChartFile(const DataPlaces& places, const std::string& mapa);

// The file a map's best-players table is written to: the map's own file in the game's own
// layout; in the player's data folder a file of the same name that holds the table alone,
// so a newer map shipped with the game is never hidden behind an old copy.
std::string TableFile(const DataPlaces& places, const std::string& mapa);

// Saved games: "Save/" + name + ".mlo" in the writable folder.
std::string SaveFolder(const DataPlaces& places);
std::string SavePath(const DataPlaces& places, const std::string& name);

// The folder of "settings.ini", the target of a profile write without a file name: the
// program's folder, or the player's data folder.
std::string SettingsFolder(const DataPlaces& places);

// The game's sounds: "Sounds/" + name + ".wav" in the shipped folder.
std::string SoundFile(const DataPlaces& places, const std::string& name);

} // namespace vlnobrod
