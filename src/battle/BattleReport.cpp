#include "BattleReport.h"

#include <cmath>

namespace vlnobrod {

namespace {

// A ship's name as the subject, after "Koule" and after "před"/"za"/"zasáhla".
struct ShipWords {
    const char* nominative;
    const char* genitive;
    const char* accusative;
};
constexpr ShipWords shipWords[2] = {{"Obchodní loď", "obchodní lodi", "obchodní loď"},
                                    {"Pirátská loď", "pirátské lodi", "pirátskou loď"}};

int whole(float pixels) {
    return static_cast<int>(std::lround(pixels));
}

// A duel's caption names the damage itself ("Poškození: 0"); a voyage's is the figure only.
std::string damageFigure(const std::string& caption) {
    const std::string prefix = "Poškození: ";
    return caption.rfind(prefix, 0) == 0 ? caption.substr(prefix.size()) : caption;
}

} // namespace

Landing LandingOf(const BattleRules& battle, float at) {
    const int target = battle.Side();
    const float left = battle.ShipLeft(target);
    const float right = left + static_cast<float>(field::ShipWidth);
    Landing l;
    l.shooter = target == Pirates ? Merchant : Pirates;
    if (left < at && at < right) {
        l.fall = Fall::Hit;
        return l;
    }
    // The pirates lie to the right of the merchant: a ball for them falls short on their
    // left side, one for the merchant on its right side.
    const bool beforeLeft = at <= left;
    const bool shortOfIt = target == Pirates ? beforeLeft : !beforeLeft;
    l.fall = shortOfIt ? Fall::Short : Fall::Long;
    l.by = beforeLeft ? whole(left - at) : whole(at - right);
    return l;
}

std::string LandingText(const Landing& landing) {
    const ShipWords& from = shipWords[landing.shooter];
    const ShipWords& at = shipWords[landing.shooter == Merchant ? Pirates : Merchant];
    const std::string ball = std::string("Koule ") + from.genitive;
    switch (landing.fall) {
    case Fall::Hit:
        return ball + " zasáhla " + at.accusative + ".";
    case Fall::Short:
        return ball + " dopadla " + std::to_string(landing.by) + " před " + at.accusative +
               ", krátká.";
    case Fall::Long:
        return ball + " dopadla " + std::to_string(landing.by) + " za " + at.accusative +
               ", dlouhá.";
    }
    return {};
}

std::string BattleSummary(const BattleRules& battle) {
    std::string s;
    for (int ship : {Merchant, Pirates})
        s += std::string(shipWords[ship].nominative) + ", poškození " +
             damageFigure(battle.DamageCaption(ship)) + ". ";
    return s + battle.WindLine();
}

std::string OutcomeText(HandOffWord word) {
    if (word == HandOffWord::Vyhral)
        return "Vyhrála obchodní loď!";
    if (word == HandOffWord::Prohral)
        return "Vyhrála pirátská loď!";
    return {};
}

} // namespace vlnobrod
