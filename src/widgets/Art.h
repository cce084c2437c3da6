#pragma once

#include <QCursor>
#include <QFont>
#include <QPixmap>
#include <QString>

namespace vlnobrod::art {

// A picture compiled into the program (":/art/<name>.png"); an empty pixmap when missing,
// so a window without its artwork still opens.
QPixmap Picture(const QString& name);

// The heavy display face of the game's titles and menu entries ("Arial Black", or the
// heaviest sans the system has in its place).
QFont HeavyFont(double points);

// The game's hand cursor, used on everything the player can click.
QCursor HandCursor();

// The parchment colours of panels and the ink of their texts.
inline constexpr const char* PanelStyle = "background-color: #efe2c0; color: #2b1d0e;";

} // namespace vlnobrod::art
