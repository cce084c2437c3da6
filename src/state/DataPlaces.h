#pragma once

#include <string>

namespace vlnobrod {

// Where the game's files lie. What ships with the game (the maps, their charts, the sounds)
// is always read from Data/ beside the program. What the game writes (the game in progress,
// the saved games, settings.ini and the best-players tables) lies there too as long as the
// program's folder can be written: a build tree, a copy unpacked anywhere. An installed
// game, whose folder the player cannot write, keeps it in the player's own data folder.
struct DataPlaces {
    std::string AppFolder;  // the program's folder
    std::string UserFolder; // the player's data folder; empty in the game's own layout

    bool PerUser() const { return !UserFolder.empty(); }
};

// What the program finds out about its surroundings as it starts.
struct PlaceFacts {
    std::string appFolder;
    bool appFolderWritable = false;  // settings.ini goes here in the game's own layout
    bool dataFolderWritable = false; // Data/ beside the program (or it can be made)
    std::string xdgDataHome;         // $XDG_DATA_HOME, empty when not set
    std::string home;                // $HOME
};

// The game's own layout when the program's folder and its Data/ can be written, otherwise
// "vlnobrod" in the player's data folder ($XDG_DATA_HOME, or ~/.local/share when that is not
// set or not an absolute path). Without any home to go to the game keeps its own layout,
// and what cannot be written there is reported where it is written.
DataPlaces ChooseDataPlaces(const PlaceFacts& facts);

} // namespace vlnobrod
