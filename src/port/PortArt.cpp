#include "PortArt.h"

#include "state/ShipTypes.h"
#include "widgets/Art.h"

namespace vlnobrod {

QPixmap ShipPicture(int typ) {
    const ShipType* type = typ >= 0 ? FindShipType(static_cast<std::uint8_t>(typ)) : nullptr;
    return type ? art::Picture(QString::fromUtf8(type->picture)) : QPixmap();
}

QPixmap MessageBoxPicture() {
    return art::Picture(QStringLiteral("msgbox"));
}

} // namespace vlnobrod
