#include "ScreenFixture.h"

#include "state/Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vlnobrod::testing {

ScreenFixture::ScreenFixture() {
    QDir(dir_.path()).mkpath(QStringLiteral("Data/Save"));
    QDir(dir_.path()).mkpath(QStringLiteral("Data/Sounds"));
    settings_ = std::make_unique<SettingsStore>(dir_.path() + QStringLiteral("/test-settings.ini"));
    random_ = std::make_unique<ScriptedRandom>(std::vector<float>{0.5f});
    game_ = std::make_unique<GameServices>(dir_.path(), *settings_, *random_);
}

QString ScreenFixture::dataPath(const QString& relative) const {
    return dir_.path() + QStringLiteral("/Data/") + relative;
}

QString ScreenFixture::writeData(const QString& relative, const QString& text) const {
    const QString path = dataPath(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) {
        const auto bytes = text::Utf8ToCp1250(text.toStdString());
        const std::string out = bytes ? *bytes : text.toStdString();
        f.write(out.data(), static_cast<qint64>(out.size()));
    }
    return path;
}

bool ScreenFixture::copyShipped(const QString& relative) const {
    const QString from = QStringLiteral(VLNOBROD_SOURCE_DIR "/data/") + relative;
    const QString to = dataPath(relative);
    QDir().mkpath(QFileInfo(to).path());
    QFile::remove(to);
    return QFile::copy(from, to);
}

} // namespace vlnobrod::testing
