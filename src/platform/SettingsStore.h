#pragma once

#include <QSettings>
#include <QString>
#include <memory>

namespace vlnobrod {

// The player's own settings (today only whether sounds play), kept per user under the
// application name "Vlnobrod". Tests give a file of their own so they never touch the
// player's settings.
class SettingsStore {
public:
    SettingsStore();                                // the player's settings
    explicit SettingsStore(const QString& iniFile); // a settings file of the caller's

    QString GetSetting(const QString& section, const QString& key, const QString& def) const;
    void SaveSetting(const QString& section, const QString& key, const QString& value);
    void DeleteSetting(const QString& section, const QString& key);

    // Sounds play only while "Options"/"Zvuky" holds the number 1.
    bool SoundsOn() const;

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace vlnobrod
