// Window artwork of the game (ships, news icons, cursor, panels, menu pictures).
#pragma once

#include <QString>
#include <QStringList>

namespace paint {

// Writes the artwork PNGs named in `only` (all of them when it is empty) into `dir`.
bool paintArtwork(const QString& dir, const QStringList& only = {});

} // namespace paint
