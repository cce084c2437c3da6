#pragma once

#include "state/DataPlaces.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

namespace vlnobrod::files {

// Where the program in `appFolder` keeps its files (see ChooseDataPlaces): its own layout
// when whoever runs it may write that folder and its Data/, else the player's data folder.
DataPlaces FindDataPlaces(const QString& appFolder);

// File names (no folder) in `folder` matching a wildcard pattern such as "*.mlo", in the
// order of their names. A missing folder gives an empty list.
QStringList List(const QString& folder, const QString& pattern);

// Last modification time; invalid for a missing file.
QDateTime ModificationTime(const QString& path);

// Sends a file to the desktop's trash once `confirm` has agreed. Returns whether the file
// went to the trash; nothing happens when the player says no.
bool DeleteFileToBin(const QString& path, const std::function<bool(const QString&)>& confirm);

} // namespace vlnobrod::files
