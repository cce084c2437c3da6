// Window artwork of the game (ships, news icons, cursor, panels, menu pictures).
#pragma once

#include <QString>

namespace paint {

// Writes every artwork PNG into `dir`.
bool paintArtwork(const QString& dir);

} // namespace paint
