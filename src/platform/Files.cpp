#include "Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace vlnobrod::files {

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
