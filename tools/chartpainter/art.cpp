#include "art.h"

namespace paint {
bool paintArtwork(const QString &) { return true; }
} // namespace paint
