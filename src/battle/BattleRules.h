#pragma once

#include "state/Battle.h"
#include "state/GameState.h"
#include "state/HandOver.h"
#include "state/Random.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace vlnobrod {

// The battlefield, in pixels of the battle window's inner area, y growing downwards.
namespace field {
inline constexpr int Width = 800;
inline constexpr int Height = 520;
// A ball lower than this has fallen into the sea: the foot of the merchant's barrel.
inline constexpr double SeaLevel = 376;
inline constexpr float MerchantLeft = -6;
inline constexpr int MerchantTop = 292;
inline constexpr int MerchantHeight = 104;
inline constexpr int PirateTop = 296;
inline constexpr int PirateHeight = 105;
inline constexpr int ShipWidth = 164;
inline constexpr int BallSize = 9;
} // namespace field

// The two sides, as the window's control arrays number them.
inline constexpr int Merchant = 0;
inline constexpr int Pirates = 1;

// A cannon barrel: a line from its foot (X1, Y1) to its muzzle (X2, Y2).
struct Barrel {
    float X1, Y1, X2, Y2;
};

// An aiming slider, and the values a typed setting is kept within: from the slider's minimum
// to `typedMaximum`, which may lie beyond the slider's end.
struct AimRange {
    int minimum, maximum, initial, typedMaximum;
    int singleStep = 1, pageStep = 3, tickInterval = 5;
};
inline constexpr AimRange AngleRange{0, 90, 45, 90};
// The slider stops at 120, but a typed charge goes up to 200: against a south wind of 10 the
// far pirates need about 130 (120 reaches neither ship), and 200 still brings a ball straight
// up down again in under six seconds.
inline constexpr AimRange PowerRange{0, 120, 40, 200};

// What outlives a single battle while the program runs: the pirates remember where their last
// ball fell (0: none yet), so a crew that has found its range keeps it into the next fight.
struct BattleMemory {
    std::int16_t lastPirateImpact = 0;
};

struct BallPosition {
    float x;  // the ball's Left
    double y; // its Top
};

enum class FireResult : std::uint8_t { Fired, NotYourTurn, NotANumber };

// A ball as it leaves the muzzle.
struct Launch {
    std::int16_t startX = 0, startY = 0; // the muzzle, to whole pixels
    std::int16_t direction = 1;          // +1 towards the pirates, -1 towards the merchant
    std::int16_t speed = 0;              // pixels per unit of flight time
    double angle = 0;                    // elevation in radians
    float wind = 0;                      // the battle's wind, south positive
};

// The muzzle speed of a charge: a third of the gunpowder, to the nearest whole (40 gives 13).
std::int16_t MuzzleSpeed(float gunpowder);
// Degrees of elevation to radians, with the gunners' own 3.161 for half a turn.
double AngleRadians(float degrees);
// Where a ball is at flight time t (a tick adds a half; gravity is one pixel per unit
// squared), straight from the launch, so no error builds up from tick to tick. The wind
// slows a ball flying either way alike: a south wind shortens both sides' shots.
BallPosition FlightPosition(const Launch& launch, double t);
// The wind line for the wind's signed speed as written in its label: a north wind (negative)
// shows a whole number, a south wind its decimals.
std::string WindCaption(const std::string& windText);

// One battle between the merchant ship (left) and the pirates (right), played without a
// window: the battle window only runs the timers, moves the pictures and shows these texts.
// Side() is whose ship a flying ball can hit, and so who fires once it has landed.
class BattleRules {
public:
    BattleRules(RandomSource& random, BattleMemory& memory, const NumberLocale& locale);

    // A fresh battle as the window loads: the wind, where the pirates lie, the merchant to
    // fire first. A voyage battle (Pirati) starts the merchant with the fleet's damage and
    // its ship type's picture, the pirates with a random damage under 50.
    void Load(HandOffWord mode, const FleetRecord& fleet);

    HandOffWord Mode() const { return mode_; }
    bool ComputerPirates() const { return mode_ != HandOffWord::PiratiB2; }
    int Side() const { return side_; }
    bool Flying() const { return flying_; }
    bool Over() const { return over_; }

    const std::string& Status() const { return status_; }
    const std::string& WindText() const { return windText_; }
    const std::string& WindLine() const { return windLine_; }
    float Wind() const { return wind_; }
    float Damage(int ship) const { return damage_[ship]; }
    const std::string& DamageCaption(int ship) const { return damageCaption_[ship]; }
    // The merchant ship's picture: the design one, or the fleet's type in a voyage battle.
    const std::string& MerchantPicture() const { return merchantPicture_; }
    float ShipLeft(int ship) const { return ship == Merchant ? field::MerchantLeft : pirateLeft_; }
    Barrel Cannon(int ship) const { return cannon_[ship]; }

    // The angle and gunpowder boxes of a side, as typed: what its next shot reads.
    const std::string& AngleText(int ship) const { return angleText_[ship]; }
    const std::string& PowerText(int ship) const { return powerText_[ship]; }
    void SetAim(int ship, std::string angle, std::string power);

    // Whether a player may fire this side's cannon now: its turn, no ball in the air, the
    // battle on, and the pirates' cannon only when a second player has it.
    bool PlayerMayFire(int ship) const;
    // A player's shot. A setting that is not a number fires nothing ("Zadejte číslo"); one
    // outside the range a player may type is fired, and shown, at the nearest end.
    FireResult Fire(int ship);

    // The computer pirates' turn has come: the window starts their one-second wait.
    bool PiratesDue() const;
    // The computer pirates aim from where their last ball fell, and fire. Their own charge is
    // fired as computed: read back through a byte, it stays within -20 to 285, and any of
    // those flights comes down within seconds (a charge under nothing falls at their feet).
    void PiratesTurn();

    BallPosition Ball() const { return ball_; }
    const Launch& Flight() const { return launch_; }
    // One 20 ms tick of the flight: the ball moves, and lands below the sea level. Returns
    // whether it is still in the air.
    bool Tick();
    // The flying ball comes down at x = L: a hit when it falls strictly inside the ship
    // under fire, the cannon destroyed when also strictly within 15 of its foot; then the
    // turn passes.
    void LandAt(float L);

    // Closing the window: against the computer the player is asked first.
    bool AsksBeforeClosing() const { return !over_ && mode_ != HandOffWord::PiratiB2; }
    // The player gives up. Once the battle has ended this changes nothing.
    void Surrender();

    BattleResult Result() const;
    // The sounds to play since the last call, in order.
    std::vector<std::string> TakeSounds();

private:
    void Shoot(int ship);
    float Setting(std::string& text, const AimRange& range) const;
    float Computed(const std::string& text) const;
    void Hit(int ship);
    void End(int ship);
    std::string Single(float v) const;

    RandomSource& random_;
    BattleMemory& memory_;
    NumberLocale locale_;

    HandOffWord mode_ = HandOffWord::PiratiB;
    HandOffWord word_ = HandOffWord::PiratiB;
    bool over_ = false;
    bool surrendered_ = false;
    bool flying_ = false;
    bool piratesOnTarget_ = false;
    int side_ = Merchant;

    std::string windText_ = "0";
    std::string windLine_ = "Rychlost větru: neznámá";
    float wind_ = 0;
    float pirateLeft_ = 0;
    std::array<Barrel, 2> cannon_{};
    std::array<float, 2> damage_{};
    std::array<std::string, 2> damageCaption_{};
    std::string merchantPicture_ = "battle_merchant";
    std::string status_ = "Nastavte dělo a palte na pirátské dělo";
    std::array<std::string, 2> angleText_{"45", "45"};
    std::array<std::string, 2> powerText_{"40", "40"};

    // The ball in the air, and its flight time.
    Launch launch_;
    double t_ = 0;
    BallPosition ball_{0, 0};

    std::vector<std::string> sounds_;
};

} // namespace vlnobrod
