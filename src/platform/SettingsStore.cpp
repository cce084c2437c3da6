#include "SettingsStore.h"

namespace vlnobrod {

SettingsStore::SettingsStore()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                            QStringLiteral("Vlnobrod"),
                                            QStringLiteral("Vlnobrod"))) {}

SettingsStore::SettingsStore(const QString& iniFile)
    : settings_(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QString SettingsStore::GetSetting(const QString& section, const QString& key,
                                  const QString& def) const {
    return settings_->value(section + '/' + key, def).toString();
}

void SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value) {
    settings_->setValue(section + '/' + key, value);
    settings_->sync();
}

void SettingsStore::DeleteSetting(const QString& section, const QString& key) {
    settings_->remove(section + '/' + key);
    settings_->sync();
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
