// Side views of the game's ships, drawn with QPainter.
#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

namespace paint {

enum class Rig {
    Sloop,  // one mast, fore-and-aft sail and jib: the small merchant ship
    Brig,   // two masts with square sails: the large merchant ship
    Galleon // three masts, high stern castle and gun deck
};

struct ShipStyle {
    Rig rig = Rig::Sloop;
    bool pirate = false; // dark hull and sails, black flag with a skull
    bool water = true;   // a band of sea and foam over the waterline
};

// Draws the ship to fit `box` (its design is 200 x 140 units, kept in
// proportion and standing on the bottom of the box).
void drawShip(QPainter& p, const QRectF& box, const ShipStyle& style, bool facingRight = true);

} // namespace paint
