#pragma once

#include <QPixmap>

namespace vlnobrod {

// Pictures of the port window, from the artwork compiled into the program (an empty pixmap
// when one is missing: the window still opens).

// The ship of a type: 0 small merchant, 1 large merchant, 2 galleon.
QPixmap ShipPicture(int typ);

// The ornament of the message box.
QPixmap MessageBoxPicture();

} // namespace vlnobrod
