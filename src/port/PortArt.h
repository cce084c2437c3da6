#pragma once

#include <QPixmap>

namespace vlnobrod {

// Pictures of the port window. Each comes from the game's artwork when it is there and is
// drawn here otherwise, so the window never shows an empty frame.

// The ship of a type: 0 small merchant, 1 large merchant, 2 galleon.
QPixmap ShipPicture(int typ);

// The ornament of the message box.
QPixmap MessageBoxPicture();

} // namespace vlnobrod
