#pragma once

#include "state/GameState.h"
#include "state/GameView.h"

#include <cstdint>
#include <optional>
#include <string>

namespace vlnobrod {

// What one ship of the fleet's type costs in the shipyard, and what selling one brings.
// Nothing for a type the shipyard does not know.
std::optional<std::int32_t> ShipPrice(std::uint8_t typ);

// Damage costs 20 a percent, for the whole fleet however many ships it has.
std::int16_t RepairCost(std::uint8_t poskozeni);

// The upgrade of the whole fleet to the next type: its price, the question asked, what it
// adds and the news when done. Galleons have nothing above them.
struct FleetUpgrade {
    std::int32_t price;
    std::string question;
    std::uint8_t toType;
    int extraNosnost;
    int extraRychlost;
    std::string news;
};
std::optional<FleetUpgrade> FleetUpgradeFor(std::uint8_t typ);

// Each action asks what it must through the message box, reports a refusal as news, pays
// through ChangeMoney and plays its sound; the caller shows the fleet again afterwards.
void BuyShip(GameState& st, GameView& view);
void SellShip(GameState& st, GameView& view);
void RepairFleet(GameState& st, GameView& view);
void UpgradeFleet(GameState& st, GameView& view);

} // namespace vlnobrod
