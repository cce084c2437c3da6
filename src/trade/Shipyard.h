#pragma once

#include "state/GameState.h"
#include "state/GameView.h"

#include <cstdint>

namespace vlnobrod {

// Damage costs 20 a percent, for the whole fleet however many ships it has.
std::int16_t RepairCost(std::uint8_t poskozeni);

// What exchanging the whole fleet for the next type costs: the dock's price, but never less
// than the ships' difference in price for each ship, so buying ships, exchanging them and
// selling them again never pays. 0 where there is no next type.
double UpgradeCost(const FleetRecord& fleet);

// Each action asks what it must through the message box, reports a refusal as news, pays
// through ChangeMoney and plays its sound; the caller shows the fleet again afterwards.
// Prices and upgrades are those of the ship types; a type the shipyard does not know (a
// damaged file) can be neither bought, sold nor upgraded.
void BuyShip(GameState& st, GameView& view);
void SellShip(GameState& st, GameView& view);
void RepairFleet(GameState& st, GameView& view);
void UpgradeFleet(GameState& st, GameView& view);

} // namespace vlnobrod
