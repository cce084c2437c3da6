#pragma once

#include "Autopilot.h"
#include "Helpers.h"
#include "SeededRandom.h"
#include "battle/GunnerBattle.h"
#include "menu/MenuRules.h"
#include "state/GameFile.h"
#include "state/Profiles.h"
#include "world/GameStart.h"

#include <stdexcept>

namespace vlnobrod::autopilot {

// The pirate battles of a run, counted.
class CountingBattle final : public Battle {
public:
    CountingBattle(RandomSource& rnd, std::uint64_t seed)
        : gunner_(seed), inner_(rnd, memory_, gunner_) {}
    BattleResult Fight(GameState& st, HandOffWord mode) override {
        gunner_.NewBattle();
        const BattleResult r = inner_.Fight(st, mode);
        ++fights;
        if (r.word == HandOffWord::Vyhral)
            ++won;
        return r;
    }
    int fights = 0;
    int won = 0;
    int surrenders() const { return gunner_.surrenders(); }

private:
    BattleMemory memory_;
    SimpleGunner gunner_;
    GunnerBattle inner_;
};

// A new game on the copied map, opened as the menu and the port screen open it.
struct Game {
    SeededRandom rnd;
    GameState st;
    Profiles profiles;
    QuietView view;
    CountingBattle battle;

    Game(const MapCopy& map, std::uint64_t seed, std::vector<Violation>* violations)
        : rnd(seed), profiles(map.folder()), view(st, violations), battle(rnd, seed * 7919 + 1) {
        st.Places.AppFolder = map.folder();
        if (!StartNewGame(profiles, st, map.mapa(), "Autopilot", "Autopilot"))
            throw std::runtime_error("Hru nelze založit: " + map.mapa());
        const std::string file = st.HandOff.File();
        const GameFileResult read = ReadGameFile(profiles, file, st);
        if (!read)
            throw std::runtime_error("Hru nelze otevřít: " + read.Reason(file));
        StartLoadedGame(st, rnd, view);
    }
};

} // namespace vlnobrod::autopilot
