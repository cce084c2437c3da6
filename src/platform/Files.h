#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <functional>

namespace vlnobrod::files {

// Copies `from` over `to`. The copy is made beside the target and renamed into place, so the
// old target survives a failed copy. A symbolic link keeps pointing where it did and its
// target gets the copy, with the old file's permissions; a read-only target is not
// replaced. Returns whether it worked.
bool CopyFile(const QString& from, const QString& to);

bool Exists(const QString& path);

// File names (no folder) in `folder` matching a wildcard pattern such as "*.mlo", in the
// order of their names. A missing folder gives an empty list.
QStringList List(const QString& folder, const QString& pattern);

// Last modification time; invalid for a missing file.
QDateTime ModificationTime(const QString& path);

bool MakeFolder(const QString& path);

// Sends a file to the desktop's trash once `confirm` has agreed. Returns whether the file
// went to the trash; nothing happens when the player says no.
bool DeleteFileToBin(const QString& path, const std::function<bool(const QString&)>& confirm);

} // namespace vlnobrod::files
