#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSettings>

namespace vlnobrod {

namespace {

constexpr qint64 MaxFileBytes = 64 * 1024;

// Where Qt keeps the settings of the application "Vlnobrod", so a player's settings from
// before stay his.
QString playersFile() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vlnobrod"),
                     QStringLiteral("Vlnobrod"))
        .fileName();
}

QString heldName(const QString& section, const QString& key) {
    return section.toLower() + '/' + key.toLower();
}

// The section a "[name]" line opens, or nothing for any other line.
std::optional<QString> sectionOf(const QString& line) {
    const QString t = line.trimmed();
    if (!t.startsWith('[') || t.indexOf(']') < 0)
        return std::nullopt;
    return t.mid(1, t.indexOf(']') - 1).trimmed();
}

// The key of a "key=value" line; empty for comments, blank lines and anything else.
QString keyOf(const QString& line) {
    const QString t = line.trimmed();
    if (t.startsWith(';') || t.startsWith('#') || t.indexOf('=') <= 0)
        return {};
    return t.left(t.indexOf('=')).trimmed();
}

QString valueOf(const QString& line) {
    QString v = line.mid(line.indexOf('=') + 1).trimmed();
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"')
        v = v.mid(1, v.size() - 2);
    return v;
}

bool same(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

SettingsStore::SettingsStore() : file_(playersFile()) {}

SettingsStore::SettingsStore(const QString& iniFile) : file_(iniFile) {}

QStringList SettingsStore::Lines(bool* readable) const {
    QFile f(file_);
    const bool missing = !QFileInfo::exists(file_);
    // A few lines are all the game ever writes; a file far bigger is no settings of ours and
    // is neither read whole nor replaced.
    const bool opened = !missing && f.open(QIODevice::ReadOnly) && f.size() <= MaxFileBytes;
    if (readable)
        *readable = missing || opened;
    if (!opened)
        return {};
    QStringList lines = QString::fromUtf8(f.readAll()).split('\n');
    if (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast(); // the last line's end
    return lines;
}

QString SettingsStore::GetSetting(const QString& section, const QString& key,
                                  const QString& def) const {
    if (const auto held = held_.find(heldName(section, key)); held != held_.end())
        return held->second.value_or(def);
    bool inSection = false;
    for (const QString& line : Lines()) {
        if (const auto s = sectionOf(line))
            inSection = same(*s, section);
        else if (inSection && same(keyOf(line), key))
            return valueOf(line);
    }
    return def;
}

bool SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value) {
    return Store(section, key, value);
}

bool SettingsStore::DeleteSetting(const QString& section, const QString& key) {
    return Store(section, key, std::nullopt);
}

bool SettingsStore::Store(const QString& section, const QString& key,
                          const std::optional<QString>& value) {
    bool readable = false;
    const QStringList before = Lines(&readable);
    QStringList lines = before;
    // Where the key stands, and the last line of its section that is not blank.
    qsizetype keyLine = -1, sectionEnd = -1;
    bool inSection = false;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (const auto s = sectionOf(lines[i])) {
            inSection = same(*s, section);
            if (inSection && sectionEnd < 0)
                sectionEnd = i;
        } else if (inSection) {
            if (keyLine < 0 && same(keyOf(lines[i]), key))
                keyLine = i;
            if (!lines[i].trimmed().isEmpty())
                sectionEnd = i;
        }
    }
    // A file of CRLF lines gets CRLF lines.
    const QString eol = !before.isEmpty() && before.front().endsWith('\r') ? "\r" : "";
    const QString entry = value ? key + '=' + *value + eol : QString();
    if (keyLine >= 0 && value)
        lines[keyLine] = entry;
    else if (keyLine >= 0)
        lines.removeAt(keyLine);
    else if (value && sectionEnd >= 0)
        lines.insert(sectionEnd + 1, entry);
    else if (value) {
        if (!lines.isEmpty() && !lines.back().trimmed().isEmpty())
            lines.append(eol);
        lines.append('[' + section + ']' + eol);
        lines.append(entry);
    }

    bool stored = readable;
    if (readable && lines != before) {
        // Marked read-only: not written, even by a user the system would let through.
        const QFileInfo info(file_);
        const auto writeBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
        if (info.exists() && (!(info.permissions() & writeBits) || !info.isWritable())) {
            stored = false;
        } else {
            QDir().mkpath(info.path());
            QSaveFile out(file_);
            stored = out.open(QIODevice::WriteOnly) &&
                     out.write((lines.join('\n') + '\n').toUtf8()) >= 0 && out.commit();
        }
    }
    if (stored) {
        held_.erase(heldName(section, key));
        problem_.clear();
    } else {
        held_[heldName(section, key)] = value;
        problem_ =
            QStringLiteral("Nastavení se nepodařilo uložit: soubor %1 nelze přepsat "
                           "(je jen pro čtení, na jeho místě je složka, nebo je příliš velký). "
                           "Vaše volba platí jen do ukončení hry.")
                .arg(QDir::toNativeSeparators(file_));
    }
    return stored;
}

bool SettingsStore::SoundsOn() const {
    bool ok = false;
    const double v =
        GetSetting(QStringLiteral("Options"), QStringLiteral("Zvuky"), QStringLiteral("0"))
            .trimmed()
            .toDouble(&ok);
    return ok && v == 1.0;
}

} // namespace vlnobrod
