#pragma once

#include "platform/SettingsStore.h"
#include "state/Random.h"
#include "widgets/GameServices.h"

#include <QString>
#include <QTemporaryDir>
#include <memory>

namespace vlnobrod::testing {

// A game of its own for a screen test: a scratch program folder with an empty Data/ and
// Data/Save/, a settings file that is not the player's, and scripted dice. An installed game
// has its program folder in usr/lib/vlnobrod, taken as one the player cannot write, and
// writes into home/.local/share/vlnobrod instead.
class ScreenFixture {
public:
    enum class Layout { Own, Installed };
    explicit ScreenFixture(Layout layout = Layout::Own);

    QString appFolder() const { return appFolder_; }
    // A file in Data/ beside the program, and one where the game writes.
    QString dataPath(const QString& relative) const;
    QString userPath(const QString& relative) const;

    // Writes a profile file (UTF-8 text, stored as Windows-1250 like the game's own files).
    QString writeData(const QString& relative, const QString& text) const;
    // Copies one of the game's shipped files from data/ into the scratch Data/.
    bool copyShipped(const QString& relative) const;

    GameServices& game() { return *game_; }
    SettingsStore& settings() { return *settings_; }
    ScriptedRandom& random() { return *random_; }

private:
    QTemporaryDir dir_;
    QString appFolder_;
    std::unique_ptr<SettingsStore> settings_;
    std::unique_ptr<ScriptedRandom> random_;
    std::unique_ptr<GameServices> game_;
};

} // namespace vlnobrod::testing
