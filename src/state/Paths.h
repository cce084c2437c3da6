#pragma once

#include "GameState.h"

#include <string>

namespace vlnobrod {

// Where the game keeps its files: everything lies in Data/ beside the program. Every path of
// the data folder is built here.

// "<program folder>/Data"
std::string DataFolder(const std::string& appFolder);

// The game in progress: "Data/aktual.map".
std::string StateFile(const std::string& appFolder);

// A scenario map ("Data/" + map id + ".mlo") and its sea chart (".jpg").
std::string ScenarioFile(const std::string& appFolder, const std::string& mapa);
std::string ScenarioFile(const GameState& st);
std::string ChartFile(const std::string& appFolder, const std::string& mapa);

// Saved games: "Data/Save/" + name + ".mlo".
std::string SaveFolder(const std::string& appFolder);
std::string SavePath(const std::string& appFolder, const std::string& name);

// The game's sounds: "Data/Sounds/" + name + ".wav".
std::string SoundFile(const std::string& appFolder, const std::string& name);

} // namespace vlnobrod
