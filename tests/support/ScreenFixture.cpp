#include "ScreenFixture.h"

#include "state/Paths.h"
#include "state/Text.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace vlnobrod::testing {

ScreenFixture::ScreenFixture(Layout layout) {
    const bool installed = layout == Layout::Installed;
    appFolder_ = installed ? dir_.path() + QStringLiteral("/usr/lib/vlnobrod") : dir_.path();
    QDir(appFolder_).mkpath(QStringLiteral("Data/Sounds"));
    if (!installed)
        QDir(appFolder_).mkpath(QStringLiteral("Data/Save"));
    const DataPlaces places = ChooseDataPlaces({appFolder_.toStdString(),
                                                !installed,
                                                !installed,
                                                {},
                                                (dir_.path() + "/home").toStdString()});
    settings_ = std::make_unique<SettingsStore>(dir_.path() + QStringLiteral("/test-settings.ini"));
    random_ = std::make_unique<ScriptedRandom>(std::vector<float>{0.5f});
    game_ = std::make_unique<GameServices>(places, *settings_, *random_);
}

QString ScreenFixture::dataPath(const QString& relative) const {
    return appFolder_ + QStringLiteral("/Data/") + relative;
}

QString ScreenFixture::userPath(const QString& relative) const {
    return QString::fromStdString(WritableFolder(game_->state.Places)) + QLatin1Char('/') +
           relative;
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
