#pragma once

#include <QString>
#include <QStringList>
#include <map>
#include <optional>

namespace vlnobrod {

// The player's own settings (today only whether sounds play), kept per user under the
// application name "Vlnobrod" (in the file Qt gives an application's settings). Tests give a
// file of their own so they never touch the player's settings.
//
// The file is the player's too: a change rewrites only the line of its key, so comments and
// keys the game does not know stay as they were. A change the file cannot take (it is
// read-only, or a folder stands in its place) still holds until the program ends, and
// Problem() tells the player why it will not be kept.
class SettingsStore {
public:
    SettingsStore();                                // the player's settings
    explicit SettingsStore(const QString& iniFile); // a settings file of the caller's

    QString GetSetting(const QString& section, const QString& key, const QString& def) const;
    // Both give whether the file took the change.
    bool SaveSetting(const QString& section, const QString& key, const QString& value);
    bool DeleteSetting(const QString& section, const QString& key);

    // Sounds play only while "Options"/"Zvuky" holds the number 1.
    bool SoundsOn() const;

    // Why the last change did not reach the file, in Czech; empty when it did.
    const QString& Problem() const { return problem_; }
    const QString& FileName() const { return file_; }

private:
    bool Store(const QString& section, const QString& key, const std::optional<QString>& value);
    QStringList Lines(bool* readable = nullptr) const;

    QString file_;
    // Changes the file did not take, by "section/key": nothing for a deleted key.
    std::map<QString, std::optional<QString>> held_;
    QString problem_;
};

} // namespace vlnobrod
