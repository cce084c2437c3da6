#pragma once

#include "state/GameState.h"
#include "state/GameView.h"

#include <cstdint>

namespace vlnobrod {

// Damage costs 20 a percent, for the whole fleet however many ships it has.
std::int16_t RepairCost(std::uint8_t poskozeni);

// Each action asks what it must through the message box, reports a refusal as news, pays
// through ChangeMoney and plays its sound; the caller shows the fleet again afterwards.
// Prices and upgrades are those of the ship types; a type the shipyard does not know (a
// damaged file) can be neither bought, sold nor upgraded.
void BuyShip(GameState& st, GameView& view);
void SellShip(GameState& st, GameView& view);
void RepairFleet(GameState& st, GameView& view);
void UpgradeFleet(GameState& st, GameView& view);

} // namespace vlnobrod
