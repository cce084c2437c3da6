#include "Files.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace vlnobrod::files {

bool CopyFile(const QString& from, const QString& to) {
    // A file marked read-only is not replaced, even for a user the system would let through.
    // (Through a symbolic link, QSaveFile writes the target and keeps the link; the copy
    // takes the old file's permissions; it is written unnamed where the file system allows,
    // so a copy cut short leaves nothing behind.)
    const QFileInfo target(to);
    // The mode's bits; "User" is what the system lets this user do, which root always may.
    constexpr auto anyWrite =
        QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;
    if (target.exists() && (!target.isWritable() || !(target.permissions() & anyWrite)))
        return false;
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    QSaveFile out(to);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    while (!in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (chunk.isEmpty() && in.error() != QFile::NoError) {
            out.cancelWriting();
            return false;
        }
        if (out.write(chunk) != chunk.size()) {
            out.cancelWriting();
            return false;
        }
    }
    return out.commit();
}

bool Exists(const QString& path) {
    return QFileInfo::exists(path);
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

bool MakeFolder(const QString& path) {
    return QDir().mkpath(path);
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
