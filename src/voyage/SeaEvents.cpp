#include "SeaEvents.h"

#include "state/Numbers.h"
#include "world/DayChange.h"
#include "world/Money.h"
#include "world/News.h"

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

void cutCargo(FleetRecord& fleet, double keep) {
    for (double& q : fleet.Naklad)
        q *= keep;
}

void storm(GameState& st, RandomSource& rnd, GameView& view, const char* text, float spread,
           float least) {
    view.PlaySoundName("Vítr");
    AddNews(st, text, NewsError);
    addDamage(st.Fleet, draw(rnd, spread, least));
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
    FleetRecord& f = st.Fleet;
    switch (n) {
    case 1: {
        view.PlaySoundName("Push");
        const std::uint8_t d = ToU8(draw(rnd, 15, 5));
        AddNews(st, "Loď trochu zahranila o dno a poškodila se o " + std::to_string(d) + " %",
                NewsWarning);
        addDamage(f, d);
        break;
    }
    case 2: {
        view.PlaySoundName("Whoosh");
        const std::uint8_t d = ToU8(draw(rnd, 5, 5));
        AddNews(st, "Jedné lodi se utrhla kotva! Je poškozená o " + std::to_string(d) + " %",
                NewsWarning);
        addDamage(f, d);
        ChangeMoney(st, view, -100, false);
        break;
    }
    case 3: {
        view.PlaySoundName("Vítr");
        const std::int16_t days = ToI16(draw(rnd, 8, 2));
        AddNews(st, "Bezvětří! Plavba se protáhne o " + std::to_string(days) + " dnů", NewsWarning);
        PassSeaDays(st, rnd, view, days);
        break;
    }
    case 4:
        view.PlaySoundName("ážbluňk");
        AddNews(st, "Muž přes palubu! Plavba se protáhne o 1 den.", NewsWarning);
        PassSeaDays(st, rnd, view, 1);
        break;
    case 6: {
        view.PlaySoundName("Push");
        const std::uint8_t d = ToU8(draw(rnd, 25, 5));
        AddNews(st, "Loď narazila na korálové útesy! Je poškozená o " + std::to_string(d) + " %",
                NewsWarning);
        addDamage(f, d);
        PassSeaDays(st, rnd, view, 1);
        break;
    }
    case 7:
    case 8:
    case 9:
    case 10:
    case 11:
    case 12:
        PirateAttack(st, rnd, view, battle);
        break;
    case 13:
        storm(st, rnd, view, "Mírná bouře. Utopila se čtvrtina nákladu", 34, 1);
        PassSeaDays(st, rnd, view, 1);
        cutCargo(f, 0.75);
        break;
    case 14:
        storm(st, rnd, view, "Tornádo!. Utopila se třetina nákladu. Zdržení o 3 dny", 35, 5);
        for (double& q : f.Naklad)
            q -= q / 3;
        PassSeaDays(st, rnd, view, 3);
        break;
    case 15:
    case 16:
        storm(st, rnd, view, "Zuřivá bouře. Pro přežití bylo potřeba vyhodit polovinu nákladu.", 60,
              10);
        PassSeaDays(st, rnd, view, 1);
        cutCargo(f, 0.5);
        break;
    default:
        if (n >= 18) {
            view.PlaySoundName("Kasa");
            AddNews(st, "Ty snobe! Krachla ti banka! Možná si vybereš alespoň čtvrtinu...",
                    NewsError);
            st.Konto /= 4;
            ChangeMoney(st, view, 0, true);
        }
        break; // 0, 5 and 17: a quiet sea
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
    cutCargo(f, 0.5);
    rnd.reseed();
    const std::int16_t gold = ToI16(draw(rnd, 31900, 100));
    ChangeMoney(st, view, -gold, false);
    AddNews(st, "Piráti ukradli polovinu nákladu a " + std::to_string(gold) + "zlatých", NewsError);
}

} // namespace vlnobrod
