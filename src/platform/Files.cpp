#include "Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdlib>
#include <unistd.h>

namespace vlnobrod::files {

namespace {

// Whether files can be made in `folder` by the user the program runs as.
bool canWriteIn(const QString& folder) {
    return ::euidaccess(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

std::string environment(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

} // namespace

DataPlaces FindDataPlaces(const QString& appFolder) {
    PlaceFacts facts;
    facts.appFolder = appFolder.toStdString();
    facts.appFolderWritable = canWriteIn(appFolder);
    const QString data = appFolder + QStringLiteral("/Data");
    facts.dataFolderWritable = QFileInfo(data).isDir() ? canWriteIn(data) : facts.appFolderWritable;
    facts.xdgDataHome = environment("XDG_DATA_HOME");
    facts.home = environment("HOME");
    return ChooseDataPlaces(facts);
}

QStringList List(const QString& folder, const QString& pattern) {
    QDir dir(folder);
    if (!dir.exists())
        return {};
    return dir.entryList({pattern}, QDir::Files, QDir::Name | QDir::IgnoreCase);
}

QDateTime ModificationTime(const QString& path) {
    const QFileInfo fi(path);
    return fi.exists() ? fi.lastModified() : QDateTime();
}

bool DeleteFileToBin(const QString& path, const std::function<bool(const QString&)>& confirm) {
    if (!QFileInfo(path).isFile())
        return false;
    if (confirm && !confirm(path))
        return false;
    // The desktop's trash must exist before Qt is asked to use it: without it Qt looks for
    // another trash folder and can end up writing beside the current directory.
    const QString trash =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/Trash";
    if (!QDir().mkpath(trash + "/files") || !QDir().mkpath(trash + "/info"))
        return false;
    QFile f(path);
    return f.moveToTrash();
}

} // namespace vlnobrod::files
