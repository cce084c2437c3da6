#pragma once

#include "platform/SettingsStore.h"
#include "state/Paths.h"
#include "state/Random.h"
#include "state/Text.h"
#include "widgets/GameServices.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <QtGlobal>
#include <memory>

namespace vlnobrod::testing {

// A control of a screen by its object name; the test run stops when the screen has none.
template <typename T = QWidget> T* Named(const QObject& in, const char* name, int index = -1) {
    const QString full =
        QString::fromLatin1(name) + (index < 0 ? QString() : QString::number(index));
    T* found = in.findChild<T*>(full);
    if (!found)
        qFatal("no control named %s", qPrintable(full));
    return found;
}

// Shows `w` and waits until it is on the screen and, with `keys`, until it has the keys.
inline bool Shown(QWidget& w, bool keys = false) {
    w.show();
    if (keys)
        w.activateWindow();
    return QTest::qWaitForWindowExposed(&w) && (!keys || QTest::qWaitForWindowActive(&w));
}

// A game of its own for a screen test: a scratch program folder with an empty Data/ and
// Data/Save/, settings that are not the player's, and scripted dice. An installed game has
// its program folder, taken as read-only, in usr/lib/vlnobrod and writes into home/.local.
class ScreenFixture {
public:
    enum class Layout { Own, Installed };
    explicit ScreenFixture(Layout layout = Layout::Own) {
        const bool own = layout == Layout::Own;
        appFolder_ = own ? dir_.path() : dir_.path() + QStringLiteral("/usr/lib/vlnobrod");
        QDir(appFolder_).mkpath(own ? QStringLiteral("Data/Save") : QStringLiteral("Data"));
        QDir(appFolder_).mkpath(QStringLiteral("Data/Sounds"));
        const std::string home = (dir_.path() + "/home").toStdString();
        const DataPlaces places = ChooseDataPlaces({appFolder_.toStdString(), own, own, {}, home});
        game_ = std::make_unique<GameServices>(places, settings_, random_);
    }

    QString appFolder() const { return appFolder_; }
    // A file in Data/ beside the program, and one where the game writes.
    QString dataPath(const QString& relative) const { return appFolder_ + "/Data/" + relative; }
    QString userPath(const QString& relative) const {
        return QString::fromStdString(WritableFolder(game_->state.Places)) + '/' + relative;
    }

    // Writes a profile file (UTF-8 text, stored as Windows-1250 like the game's own files).
    QString writeData(const QString& relative, const QString& text) const {
        const QString path = dataPath(relative);
        QDir().mkpath(QFileInfo(path).path());
        const std::string out = text::Utf8ToCp1250(text.toStdString()).value_or(text.toStdString());
        if (QFile f(path); f.open(QIODevice::WriteOnly))
            f.write(out.data(), static_cast<qint64>(out.size()));
        return path;
    }
    // Copies one of the game's shipped files from data/ into the scratch Data/.
    bool copyShipped(const QString& relative) const {
        return QFile::copy(QStringLiteral(VLNOBROD_SOURCE_DIR "/data/") + relative,
                           dataPath(relative));
    }

    GameServices& game() { return *game_; }
    SettingsStore& settings() { return settings_; }
    ScriptedRandom& random() { return random_; }

private:
    QTemporaryDir dir_;
    QString appFolder_;
    SettingsStore settings_{dir_.path() + "/test-settings.ini"};
    ScriptedRandom random_{std::vector<float>{0.5f}};
    std::unique_ptr<GameServices> game_;
};

} // namespace vlnobrod::testing
