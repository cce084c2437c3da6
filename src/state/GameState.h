#pragma once

#include "DataPlaces.h"
#include "HandOver.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string>

namespace vlnobrod {

// One goods entry of a city's market.
struct MarketEntry {
    std::int16_t Cena = 0;     // today's price of one unit; 0 = the city does not trade it
    std::int16_t MinCena = 0;  // yesterday's price, the reference of the trend marks
    std::int16_t Produkce = 0; // daily production: positive pushes the price down
    // The price as the day opened here. A sale today brings at most this and a purchase
    // costs at least this, so turning round in the same port on the same day never pays.
    std::int16_t RanniCena = 0;
    // What the player's own trades here have done to the price and not yet faded: positive
    // when purchases lifted it, negative when sales dropped it. 0 in files that lack it.
    std::int16_t Dopad = 0;
};

constexpr int MarketSize = 15; // goods 0..13 plus the silent entry 14
constexpr int CargoSlots = 14;
constexpr int MaxCities = 9;
constexpr int NewsSlots = 3;

struct CityRecord {
    std::string Nazev;
    std::uint8_t Velikost = 2;    // 0 "malé" .. 4 "velkoměsto"; also damps the price movement
    std::string PopisTrhu;        // whole market description (two keys on disk)
    std::uint8_t PruzkumTrhu = 0; // 0 none, 2 permanent, anything else lasts one day
    bool Banka = false;
    bool Casino = false;
    double Pristup = 0; // price of access; 0 = open
    std::array<MarketEntry, MarketSize> Trh{};
    // Where the city's label sits on the sea chart. On screen this is the label's own
    // position; the rules keep it so a game can be saved without a window.
    std::int16_t X = 0;
    std::int16_t Y = 0;
};

// The captain's logbook: what the goods of each city cost when the fleet was last there,
// and on the visit before, so an old price can be told rising from falling.
struct LogbookPage {
    std::int16_t Den = -1;                       // the day the prices were seen; -1 nothing
    std::array<std::int16_t, CargoSlots> Cena{}; // 0 where the city does not trade the goods
    bool Written() const { return Den >= 0; }
};
struct LogbookCity {
    LogbookPage Posledni;  // the last visit, or the one under way
    LogbookPage Predchozi; // the visit before: the reference of the trend marks
};
constexpr std::uint8_t NoCity = 255;
struct Logbook {
    std::array<LogbookCity, MaxCities> Mesta{};
    // The city of the visit under way: while the fleet stays there its page is written over;
    // coming to another city starts a new visit.
    std::uint8_t Mesto = NoCity;
};

struct FleetRecord {
    std::int16_t Pocet = 1;                  // number of ships
    std::uint8_t Poskozeni = 0;              // damage in percent
    std::uint8_t Nosnost = 50;               // capacity of one ship
    std::uint8_t Typ = 0;                    // 0 small merchant, 1 large merchant, 2 galleon
    std::uint8_t Rychlost = 15;              // speed
    std::array<double, CargoSlots> Naklad{}; // units of each goods on board
};

// News kinds: plain, good news, minor trouble, lack of money, serious trouble. Each has its
// icon in the ticker.
enum NewsKind : std::uint8_t {
    NewsPlain = 0,
    NewsInfo = 1,
    NewsWarning = 2,
    NewsStop = 3,
    NewsError = 4
};

struct NewsItem {
    std::string text; // empty = free slot
    NewsKind kind = NewsPlain;
};

// A voyage under way: where the fleet came from and how far along the voyage strip its
// picture has come. It means something only while NaMori is set (PendingAction is Voyage
// then); a game saved at sea keeps it, so the voyage goes on where it was.
struct VoyageRecord {
    bool NaMori = false;
    std::uint8_t Odkud = 0;      // the city the fleet left; a new course is planned from it
    std::uint8_t Kam = 0;        // the destination, already the current city
    std::int16_t Vzdalenost = 0; // map pixels from Odkud to Kam
    std::int16_t Pozice = 0;     // left edge of the ship picture on the strip
    std::uint8_t Tiky = 0;       // ticks since the last day boundary
    std::int16_t Dny = 0;        // days passed at sea, delays included
};

// How the player's system writes numbers. Only the decimal separator matters to the game:
// it decides how doubles are written into profile files and how the day's random price
// lift survives its trip through text.
struct NumberLocale {
    char decimalSeparator = '.';
};

// Everything the game keeps in memory while it is played, plus the values the windows
// hand to each other. The application owns one; tests make their own.
struct GameState {
    // Paths and hand-over values between windows.
    DataPlaces Places; // the program's folder and, for an installed game, the player's
    HandOffValue HandOff;
    Pending PendingAction = Pending::None;
    bool StateSaved = false;

    // The game.
    std::string Mapa = "Mapa1";
    std::uint8_t PocetMest = 0;
    std::uint8_t AktualniMesto = 0;
    std::int16_t Den = 0;
    double Hotovost = 10000;
    double Konto = 10000;
    std::string Name = "XXX";
    std::string Company = "XXX";
    bool Hotovo = false;
    std::uint8_t Obtiznost = 1;
    Logbook Denik;
    FleetRecord Fleet;
    std::array<CityRecord, MaxCities> Cities{};
    std::array<NewsItem, NewsSlots> NewsQueue{};
    // Items that found the three slots taken: they move up as the ticker frees a slot, so a
    // battle and an arrival within seconds lose nothing.
    std::deque<NewsItem> NewsOverflow;
    VoyageRecord Plavba;

    NumberLocale locale;
};

} // namespace vlnobrod
