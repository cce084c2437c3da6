#include "SeaEvents.h"

#include "state/Numbers.h"
#include "world/DayChange.h"
#include "world/Money.h"
#include "world/News.h"

#include <limits>
#include <string>

namespace vlnobrod {

namespace {

// A draw a * r + b as the game has always taken it: held in single precision, then rounded
// to the nearest whole number.
float draw(RandomSource& rnd, float a, float b) {
    return a * rnd.next() + b;
}

void addDamage(FleetRecord& fleet, double percent) {
    // Damage stops at 255 rather than wrapping round to a sound ship.
    fleet.Poskozeni = ToU8(static_cast<float>(fleet.Poskozeni + percent));
}

void loseShip(FleetRecord& fleet) {
    if (fleet.Pocet > 0)
        --fleet.Pocet;
}

void loseCargo(FleetRecord& fleet, int part) {
    for (double& q : fleet.Naklad)
        q -= q / part;
}

// A number an event draws: spread * r + least, held in single precision; with no spread
// it is just `least`.
struct Amount {
    float spread = 0, least = 0;
};

// The number an event's news names, after the text and before the tail.
enum class Named : std::uint8_t { Nothing, Damage, Days };

// One ordinary sea event. It does, in this order: its sound; draws its damage (a whole
// percent where the news names it) and its days lost; tells its news; adds the damage;
// takes `cost` gold from cash; loses the days; and drowns the cargo's 1 / `lostPart`, before
// the days where `cargoFirst`.
struct SeaEventRow {
    int first, last; // the event numbers of the row
    const char* sound;
    Amount damage = {};
    Amount days = {};
    int cost = 0;
    int lostPart = 0; // 0: the cargo stays
    bool cargoFirst = false;
    Named named = Named::Nothing;
    const char* news;
    const char* tail = "";
    NewsKind kind;
};

// Events 7 to 12 (pirates) and 18 and more (a bank crash) are told apart below; 0, 5 and
// 17 are quiet seas.
const SeaEventRow seaEvents[] = {
    {.first = 1,
     .last = 1,
     .sound = "Push",
     .damage = {15, 5},
     .named = Named::Damage,
     .news = "Loď trochu zahranila o dno a poškodila se o ",
     .tail = " %",
     .kind = NewsWarning},
    {.first = 2,
     .last = 2,
     .sound = "Whoosh",
     .damage = {5, 5},
     .cost = 100,
     .named = Named::Damage,
     .news = "Jedné lodi se utrhla kotva! Je poškozená o ",
     .tail = " %",
     .kind = NewsWarning},
    {.first = 3,
     .last = 3,
     .sound = "Vítr",
     .days = {8, 2},
     .named = Named::Days,
     .news = "Bezvětří! Plavba se protáhne o ",
     .tail = " dnů",
     .kind = NewsWarning},
    {.first = 4,
     .last = 4,
     .sound = "ážbluňk",
     .days = {0, 1},
     .news = "Muž přes palubu! Plavba se protáhne o 1 den.",
     .kind = NewsWarning},
    {.first = 6,
     .last = 6,
     .sound = "Push",
     .damage = {25, 5},
     .days = {0, 1},
     .named = Named::Damage,
     .news = "Loď narazila na korálové útesy! Je poškozená o ",
     .tail = " %",
     .kind = NewsWarning},
    {.first = 13,
     .last = 13,
     .sound = "Vítr",
     .damage = {34, 1},
     .days = {0, 1},
     .lostPart = 4,
     .news = "Mírná bouře. Utopila se čtvrtina nákladu",
     .kind = NewsError},
    {.first = 14,
     .last = 14,
     .sound = "Vítr",
     .damage = {35, 5},
     .days = {0, 3},
     .lostPart = 3,
     .cargoFirst = true,
     .news = "Tornádo!. Utopila se třetina nákladu. Zdržení o 3 dny",
     .kind = NewsError},
    {.first = 15,
     .last = 16,
     .sound = "Vítr",
     .damage = {60, 10},
     .days = {0, 1},
     .lostPart = 2,
     .news = "Zuřivá bouře. Pro přežití bylo potřeba vyhodit polovinu nákladu.",
     .kind = NewsError},
};

double drawAmount(RandomSource& rnd, const Amount& a) {
    return a.spread > 0 ? draw(rnd, a.spread, a.least) : a.least;
}

void ordinaryEvent(GameState& st, RandomSource& rnd, GameView& view, const SeaEventRow& e) {
    view.PlaySoundName(e.sound);
    double damage = drawAmount(rnd, e.damage);
    if (e.named == Named::Damage)
        damage = ToU8(damage);
    const std::int16_t days = ToI16(drawAmount(rnd, e.days));
    std::string news = e.news;
    if (e.named == Named::Damage)
        news += std::to_string(static_cast<int>(damage)) + e.tail;
    else if (e.named == Named::Days)
        news += std::to_string(days) + e.tail;
    AddNews(st, news, e.kind);
    if (damage > 0)
        addDamage(st.Fleet, damage);
    if (e.cost != 0)
        ChangeMoney(st, view, -e.cost, false);
    if (e.lostPart != 0 && e.cargoFirst)
        loseCargo(st.Fleet, e.lostPart);
    if (days > 0)
        PassSeaDays(st, rnd, view, days);
    if (e.lostPart != 0 && !e.cargoFirst)
        loseCargo(st.Fleet, e.lostPart);
}

} // namespace

std::uint8_t DangerScore(const GameState& st, std::int16_t distance) {
    const FleetRecord& f = st.Fleet;
    int s = 0;
    if (f.Pocet >= 16)
        s = 7;
    else if (f.Pocet >= 8)
        s = 5;
    else if (f.Pocet >= 5)
        s = 3;
    s += f.Typ;
    for (std::size_t g : {0u, 1u})
        if (f.Naklad[g] > 700)
            s += 2;
    for (std::size_t g : {2u, 3u})
        if (f.Naklad[g] > 800)
            s += 2;
    if (distance > 300)
        ++s;
    if (distance > 500)
        ++s;
    if (st.Konto > 2'000'000)
        s += 3;
    if (st.Hotovost > 500'000) {
        ++s;
        if (st.Hotovost > 2'000'000) {
            ++s;
            if (st.Hotovost > 5'000'000) {
                ++s;
                if (st.Hotovost > 10'000'000)
                    s += 2;
            }
        }
    }
    const int capacity = f.Nosnost * f.Pocet;
    int kinds = 0;
    for (double q : f.Naklad)
        if (q > 0 && q < capacity)
            ++kinds;
    if (kinds == 0)
        s += 3;
    else if (kinds == 1 && s > 5)
        s -= 5;
    else if (kinds == 2 && s > 8)
        s -= 8;
    else if (kinds >= 4 && s > 12)
        s -= 12;
    return static_cast<std::uint8_t>(s);
}

int RollSeaDay(GameState& st, RandomSource& rnd, GameView& view, Battle& battle) {
    rnd.reseed();
    if (ToI16(draw(rnd, 79, 1)) >= 10)
        return -1;
    const std::uint8_t score = DangerScore(st, st.Plavba.Vzdalenost);
    rnd.reseed();
    const int n = ToI16(draw(rnd, static_cast<float>(score - 1), 1));
    SeaEvent(st, rnd, view, battle, n);
    return n;
}

void PassSeaDays(GameState& st, RandomSource& rnd, GameView& view, std::int16_t days) {
    st.Plavba.Dny = ToI16(double(st.Plavba.Dny) + days);
    AdvanceDays(st, rnd, view, days);
}

void SeaEvent(GameState& st, RandomSource& rnd, GameView& view, Battle& battle, int n) {
    for (const SeaEventRow& e : seaEvents)
        if (e.first <= n && n <= e.last) {
            ordinaryEvent(st, rnd, view, e);
            return;
        }
    if (7 <= n && n <= 12) {
        PirateAttack(st, rnd, view, battle);
    } else if (n >= 18) {
        view.PlaySoundName("Kasa");
        AddNews(st, "Ty snobe! Krachla ti banka! Možná si vybereš alespoň čtvrtinu...", NewsError);
        st.Konto /= 4;
        ChangeMoney(st, view, 0, true);
    }
}

void PirateAttack(GameState& st, RandomSource& rnd, GameView& view, Battle& battle) {
    AddNews(st, "Piráti na obzoru!", NewsError);
    st.HandOff = HandOffWord::Pirati;
    const BattleResult result = battle.Fight(st, HandOffWord::Pirati);
    SettlePirateBattle(st, rnd, view, result);
    CarryDamageOver(st.Fleet, result);
    st.Plavba.Tiky = 0;
}

void SettlePirateBattle(GameState& st, RandomSource& rnd, GameView& view,
                        const BattleResult& result) {
    FleetRecord& f = st.Fleet;
    f.Poskozeni = ToU8(result.merchantDamage);
    if (f.Poskozeni > 99) {
        loseShip(f);
        AddNews(st, "Přišel jste o loď!", NewsError);
        f.Poskozeni = 0;
    }
    if (result.word == HandOffWord::Vyhral) {
        if (result.pirateDamage < 99) {
            // A fleet at the count's limit takes the prize ship's crew, not one ship more.
            if (f.Pocet < std::numeric_limits<std::int16_t>::max())
                ++f.Pocet;
            AddNews(st, "Získal jste pirátskou loď!", NewsInfo);
            addDamage(f, 12);
        }
        rnd.reseed();
        const std::int16_t loot = ToI16(draw(rnd, 29500, 500));
        AddNews(st, "Ukořistil jste " + FormatGrouped(loot, "## ##0") + " zlatých", NewsPlain);
        ChangeMoney(st, view, loot, false);
        return;
    }
    // Beaten or given up. A poor company loses its whole cargo; a rich one may lose a ship,
    // and loses half the cargo and some of its gold.
    if (st.Hotovost <= 1'000'000) {
        f.Naklad.fill(0);
        AddNews(st, "Piráti ukradli všechen náklad!", NewsError);
        return;
    }
    rnd.reseed();
    if (ToI16(draw(rnd, 2, 1)) == 2) {
        loseShip(f);
        AddNews(st, "Piráti ukradli loď!", NewsError);
    }
    loseCargo(f, 2);
    rnd.reseed();
    const std::int16_t gold = ToI16(draw(rnd, 31900, 100));
    ChangeMoney(st, view, -gold, false);
    AddNews(st, "Piráti ukradli polovinu nákladu a " + std::to_string(gold) + "zlatých", NewsError);
}

} // namespace vlnobrod
