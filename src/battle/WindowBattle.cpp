#include "WindowBattle.h"

#include "battle/frmSouboj.h"

#include <QApplication>
#include <QPointer>

namespace vlnobrod {

BattleResult WindowBattle::Fight(GameState& st, HandOffWord mode) {
    st.HandOff = mode;
    QPointer<frmSouboj> window = new frmSouboj(game_, memory_, QApplication::activeWindow());
    window->Form_Load(mode, st.Fleet);
    window->exec();
    // A window taken down with its owner leaves the battle undecided.
    BattleResult result{mode};
    if (window) {
        result = window->Result();
        delete window;
    }
    st.HandOff = result.word;
    return result;
}

} // namespace vlnobrod
