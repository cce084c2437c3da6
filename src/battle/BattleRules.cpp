#include "BattleRules.h"

#include "state/Numbers.h"
#include "state/ShipTypes.h"

#include <algorithm>
#include <cmath>

namespace vlnobrod {

namespace {

// The gunners' own figure for half a turn: 45 degrees are 0.79025.
constexpr double HalfTurn = 3.161;

// A hit adds this much damage; a ship above SinkingPoint goes down.
constexpr int HitDamage = 40;
constexpr int SinkingPoint = 100;
// A ball that falls this close to a cannon's foot destroys the cannon.
constexpr float CannonReach = 15;

const Barrel MerchantCannon{90, 376, 96, 368};

} // namespace

std::int16_t MuzzleSpeed(float gunpowder) {
    return ToI16(gunpowder / 3.0f);
}

double AngleRadians(float degrees) {
    return static_cast<double>(degrees) * HalfTurn / 180;
}

BallPosition FlightPosition(const Launch& l, double t) {
    const float drift = static_cast<float>(l.speed) * (1.0f - l.wind / 15.0f);
    const double x = l.startX + l.direction * static_cast<double>(drift) * t * std::cos(l.angle);
    const double y = l.startY - (l.speed * t * std::sin(l.angle) - t * t / 2);
    return {static_cast<float>(x), y};
}

std::string WindCaption(const std::string& windText) {
    const double wind = ParseNumber(windText).value_or(0);
    if (wind < 0)
        return ">> Severní vítr o rychlosti " + std::to_string(-ToI16(wind)) + "m/s";
    return "<< Jižní vítr o rychlosti " + windText + "m/s";
}

BattleRules::BattleRules(RandomSource& random, BattleMemory& memory, const NumberLocale& locale)
    : random_(random), memory_(memory), locale_(locale) {
    damageCaption_.fill("Poškození: 0");
    cannon_[Merchant] = MerchantCannon;
}

std::string BattleRules::Single(float v) const {
    return FormatSingle(v, locale_);
}

void BattleRules::Load(HandOffWord mode, const FleetRecord& fleet) {
    mode_ = word_ = mode;

    // Three battles in four blow from the north: k = r1 + r2 + 1 rounds to 2 whenever the two
    // draws add up to between a half and one and a half. The rest blow from the south.
    random_.reseed();
    const float r1 = random_.next();
    const float r2 = random_.next();
    const bool north = ToU8(r1 + r2 + 1.0f) == 2;
    const float speed = 9.0f * random_.next() + 1.0f;
    windText_ = Single(north ? -speed : speed);
    wind_ = static_cast<float>(ParseNumber(windText_).value_or(0));
    windLine_ = WindCaption(windText_);

    random_.reseed();
    pirateLeft_ = 482.0f * random_.next() + 208.0f;
    cannon_[Pirates] = {pirateLeft_ + 77, 374, pirateLeft_ + 74, 368};

    side_ = Merchant;

    if (mode == HandOffWord::Pirati) {
        damage_[Merchant] = fleet.Poskozeni;
        damageCaption_[Merchant] = std::to_string(fleet.Poskozeni) + " %";
        damage_[Pirates] = 50.0f * random_.next();
        damageCaption_[Pirates] = Single(damage_[Pirates]) + " %";
        if (const ShipType* type = FindShipType(fleet.Typ))
            merchantPicture_ = type->picture;
    }
}

void BattleRules::SetAim(int ship, std::string angle, std::string power) {
    angleText_[ship] = std::move(angle);
    powerText_[ship] = std::move(power);
}

bool BattleRules::PlayerMayFire(int ship) const {
    if (over_ || flying_ || side_ != ship)
        return false;
    return ship == Merchant || !ComputerPirates();
}

FireResult BattleRules::Fire(int ship) {
    if (!PlayerMayFire(ship))
        return FireResult::NotYourTurn;
    const auto angle = ParseNumber(angleText_[ship]);
    const auto power = ParseNumber(powerText_[ship]);
    if (!angle || !power) {
        status_ = "Zadejte číslo";
        return FireResult::NotANumber;
    }
    Shoot(ship);
    return FireResult::Fired;
}

float BattleRules::Setting(std::string& text, const AimRange& range) const {
    // A typed setting beyond what a player may type is fired at the nearest end, and the box
    // says so (a charge of 10 000 would keep the ball in the air for minutes).
    const double v = ParseNumber(text).value_or(0);
    const double kept = std::clamp(v, double(range.minimum), double(range.typedMaximum));
    if (kept != v)
        text = Single(static_cast<float>(kept));
    return static_cast<float>(kept);
}

float BattleRules::Computed(const std::string& text) const {
    return static_cast<float>(ParseNumber(text).value_or(0));
}

void BattleRules::Shoot(int ship) {
    sounds_.push_back("Malý výbuch");
    const float degrees = Setting(angleText_[ship], AngleRange);
    const bool computer = ship == Pirates && ComputerPirates();
    const float power =
        computer ? Computed(powerText_[ship]) : Setting(powerText_[ship], PowerRange);
    launch_.speed = MuzzleSpeed(power);
    launch_.angle = AngleRadians(degrees);
    launch_.startX = ToI16(cannon_[ship].X2);
    launch_.startY = ToI16(cannon_[ship].Y2);
    launch_.wind = wind_;
    t_ = 0;
    if (ship == Merchant) {
        status_ = "Střílí se na piráty!";
        side_ = Pirates;
        launch_.direction = 1;
    } else {
        status_ = "Piráti útočí!";
        side_ = Merchant;
        launch_.direction = -1;
    }
    flying_ = true;
    ball_ = FlightPosition(launch_, 0);
}

bool BattleRules::PiratesDue() const {
    return !over_ && !flying_ && side_ == Pirates && ComputerPirates();
}

void BattleRules::PiratesTurn() {
    if (!PiratesDue())
        return;
    // A crew on target fires the same shot again: with the wind steady for the battle it hits
    // again. Otherwise they try a first shot at random, then charge more or less powder by
    // whether their last ball fell short of the merchant ship or beyond it.
    if (!piratesOnTarget_) {
        if (memory_.lastPirateImpact == 0) {
            random_.reseed();
            angleText_[Pirates] = Single(20.0f * random_.next() + 40.0f);
            powerText_[Pirates] = Single(40.0f * random_.next() + 60.0f);
        } else {
            const int P = ToU8(ParseNumber(powerText_[Pirates]).value_or(0));
            const float r = random_.next();
            const bool beyond = memory_.lastPirateImpact < field::MerchantLeft;
            const float power = beyond ? 17.0f * r + static_cast<float>(P - 20)
                                       : static_cast<float>(P + 30) - 27.0f * r;
            powerText_[Pirates] = Single(power);
        }
    }
    Shoot(Pirates);
}

bool BattleRules::Tick() {
    if (!flying_)
        return false;
    ball_ = FlightPosition(launch_, t_);
    if (ball_.y > field::SeaLevel) {
        LandAt(ball_.x);
        return false;
    }
    t_ += 0.5;
    return true;
}

void BattleRules::LandAt(float L) {
    if (!flying_)
        return;
    flying_ = false;
    const int ship = side_;
    const float left = ShipLeft(ship);
    if (left < L && L < left + field::ShipWidth) {
        if (ship == Merchant)
            piratesOnTarget_ = true;
        status_ = "Loď poškozena!";
        Hit(ship);
        const float foot = cannon_[ship].X1;
        if (foot - CannonReach < L && L < foot + CannonReach) {
            sounds_.push_back("Výbuch2");
            status_ = "Přímý zásah!";
            End(ship);
        }
    }
    if (ship == Pirates) {
        status_ = "Piráti míří";
    } else {
        memory_.lastPirateImpact = ToI16(L);
        status_ = "Obchodní loď zaměřuje";
    }
}

void BattleRules::Hit(int ship) {
    // A ship already worse than 215 stays at 255 rather than wrapping round to little.
    const int damage = std::min(255, ToU8(damage_[ship]) + HitDamage);
    damage_[ship] = static_cast<float>(damage);
    damageCaption_[ship] = std::to_string(damage) + " %";
    if (damage > SinkingPoint) {
        sounds_.push_back("Výbuch2");
        End(ship);
    } else {
        sounds_.push_back("Výbuch");
    }
}

void BattleRules::End(int ship) {
    word_ = ship == Pirates ? HandOffWord::Vyhral : HandOffWord::Prohral;
    over_ = true;
}

void BattleRules::Surrender() {
    if (over_)
        return;
    word_ = HandOffWord::Prohral;
    surrendered_ = true;
    over_ = true;
    flying_ = false;
    piratesOnTarget_ = false;
}

BattleResult BattleRules::Result() const {
    BattleResult r;
    r.word = word_;
    r.merchantDamage = damage_[Merchant];
    r.pirateDamage = damage_[Pirates];
    const int D = ToU8(damage_[Merchant]);
    // Only a voyage battle reaches the fleet: a duel from the menu leaves the game alone.
    if (mode_ == HandOffWord::Pirati && !surrendered_ && D < SinkingPoint)
        r.carriedOver = D / 2.0;
    return r;
}

std::vector<std::string> BattleRules::TakeSounds() {
    std::vector<std::string> out;
    out.swap(sounds_);
    return out;
}

} // namespace vlnobrod
