#include "Shipyard.h"

#include "state/Numbers.h"
#include "state/ShipTypes.h"
#include "world/Money.h"
#include "world/News.h"

#include <algorithm>
#include <string>

namespace vlnobrod {

namespace {

bool askYes(GameView& view, const std::string& text, const char* title) {
    std::string t = title;
    return view.ShowMessage(text, MessageButtons::NeAnoZrusit, t) == MessageAnswer::Ano;
}

// One byte holds capacity and speed; an upgrade that would overflow it stops at the top
// instead of turning a galleon into a rowing boat.
std::uint8_t addSaturated(std::uint8_t value, int extra) {
    return static_cast<std::uint8_t>(std::min(255, value + extra));
}

} // namespace

std::int16_t RepairCost(std::uint8_t poskozeni) {
    return static_cast<std::int16_t>(poskozeni * 20);
}

void BuyShip(GameState& st, GameView& view) {
    const ShipType* type = FindShipType(st.Fleet.Typ);
    if (!type)
        return;
    const std::int32_t price = type->price;
    const std::string question =
        "Chcete koupit 1 loď za " + FormatGrouped(price, "### ##0") + " zlatých";
    if (!askYes(view, question, "Koupit loď"))
        return;
    if (st.Hotovost - price < 0) {
        AddNews(st, "Nedostatek peněz na koupy lodě", NewsStop);
        return;
    }
    view.PlaySoundName("Potlesk");
    ChangeMoney(st, view, -price, false);
    st.Fleet.Pocet = ToI16(st.Fleet.Pocet + 1.0);
    AddNews(st, "Byla koupena " + std::to_string(st.Fleet.Pocet) + ". loď", NewsInfo);
}

void SellShip(GameState& st, GameView& view) {
    const ShipType* type = FindShipType(st.Fleet.Typ);
    if (!type)
        return;
    if (st.Fleet.Pocet <= 0) {
        AddNews(st, "Žádná loď na prodej!", NewsStop);
        return;
    }
    view.PlaySoundName("Kasa");
    ChangeMoney(st, view, type->price, false);
    --st.Fleet.Pocet;
    AddNews(st, "Byla prodána 1 loď", NewsInfo);
}

void RepairFleet(GameState& st, GameView& view) {
    FleetRecord& f = st.Fleet;
    if (f.Pocet == 0)
        return;
    if (st.Hotovost < 0) {
        AddNews(st, "Bez peněz do oprav nelez!", NewsWarning);
        return;
    }
    if (f.Poskozeni == 0) {
        AddNews(st, "Lodě jsou úplně opravené", NewsInfo);
        return;
    }
    const std::int16_t cost = RepairCost(f.Poskozeni);
    const std::string question =
        "Chcete opravit loď za " + FormatGrouped(cost, "### ##0") + " zlatých";
    if (!askYes(view, question, "Opravit loď"))
        return;
    view.PlaySoundName("Push");
    if (st.Hotovost - cost < 0) {
        // Not enough for all of it: the cash buys as many percent as it covers.
        const double percent =
            ParseNumber(FormatDouble(st.Hotovost / 20.0, st.locale)).value_or(0.0);
        f.Poskozeni = ToU8(f.Poskozeni - percent);
        ChangeMoney(st, view, -(percent * 20.0), false);
        AddNews(st, "Lodě jsou opravené jen na " + std::to_string(f.Poskozeni) + " %", NewsWarning);
        return;
    }
    ChangeMoney(st, view, -cost, false);
    f.Poskozeni = 0;
    AddNews(st, "Lodě jsou úplně opravené", NewsInfo);
}

double UpgradeCost(const FleetRecord& fleet) {
    const ShipType* from = FindShipType(fleet.Typ);
    if (!from || !from->upgrade)
        return 0;
    const ShipType* to = FindShipType(from->upgrade->toType);
    const double difference = to ? double(to->price) - from->price : 0;
    return std::max<double>(from->upgrade->price, difference * std::max<int>(0, fleet.Pocet));
}

namespace {

// "na galeonu za 500 000" with the price this fleet pays in place of the dock's own.
std::string upgradeOffer(const ShipUpgrade& up, double cost) {
    std::string offer = up.offer;
    const std::size_t za = offer.rfind(" za ");
    if (za != std::string::npos)
        offer.resize(za);
    return offer + " za " + FormatGrouped(cost, "### ### ### ##0");
}

} // namespace

void UpgradeFleet(GameState& st, GameView& view) {
    const ShipType* from = FindShipType(st.Fleet.Typ);
    if (!from || !from->upgrade)
        return; // galleons have nothing above them
    const ShipUpgrade& up = *from->upgrade;
    const ShipType& to = *FindShipType(up.toType);
    const double cost = UpgradeCost(st.Fleet);
    if (!askYes(view, "Zlepšit " + upgradeOffer(up, cost), "Vylepšení"))
        return;
    if (st.Hotovost - cost < 0) {
        AddNews(st, "Nedostatek peněz na zlepšení lodi!", NewsStop);
        return;
    }
    ChangeMoney(st, view, -cost, false);
    st.Fleet.Typ = up.toType;
    st.Fleet.Nosnost = addSaturated(st.Fleet.Nosnost, to.capacity - from->capacity);
    st.Fleet.Rychlost = addSaturated(st.Fleet.Rychlost, to.speed - from->speed);
    AddNews(st, up.news, NewsInfo);
}

} // namespace vlnobrod
