#include "GunnerBattle.h"

namespace vlnobrod {

BattleResult GunnerBattle::Fight(GameState& st, HandOffWord mode) {
    st.HandOff = mode;
    BattleRules battle(random_, memory_, st.locale);
    battle.Load(mode, st.Fleet);
    while (!battle.Over()) {
        if (battle.PiratesDue()) {
            battle.PiratesTurn();
        } else {
            const int ship = battle.Side();
            Gunner* gunner = ship == Merchant ? &merchant_ : pirates_;
            const auto shot = gunner ? gunner->NextShot(battle, ship) : std::nullopt;
            if (!shot) {
                if (battle.AsksBeforeClosing())
                    battle.Surrender();
                break;
            }
            battle.SetAim(ship, shot->angle, shot->gunpowder);
            battle.Fire(ship);
        }
        while (battle.Tick()) {
        }
    }
    const BattleResult result = battle.Result();
    st.HandOff = result.word;
    return result;
}

} // namespace vlnobrod
