// The keyboard on the trade panel: a row chosen with the arrows (the same highlight the mouse
// moves), the transaction box opened on it with Enter, and the box's slider moved by keys
// wherever the focus is.

#include "TradeBox.h"

#include "port/PortLabels.h"
#include "port/frmMain.h"

#include <QKeyEvent>
#include <algorithm>
#include <vector>

namespace vlnobrod {

namespace {

constexpr int MarketNames = 28; // lblSurovina 28..41: the trade panel's goods names
constexpr int Rows = 14;

} // namespace

void TradeBox::takeKeys() {
    // The slider takes the keys while there is something to choose; otherwise the window.
    if (sldMnožství->isVisible())
        sldMnožství->setFocus(Qt::OtherFocusReason);
    else
        main_.setFocus(Qt::OtherFocusReason);
}

// The highlighted row: a market row (0..13, "S" keys) or a cargo row ("N" keys); -1 none.
TradeBox::Cursor TradeBox::cursor() const {
    const QString key = QString::fromStdString(main_.Game().state.FocusKey);
    const int index = key.right(2).toInt();
    if (key.startsWith(QLatin1Char('N')) && index >= 0 && index < Rows)
        return {true, index};
    if (key.startsWith(QLatin1Char('S')) && index >= MarketNames && index < MarketNames + 2 * Rows)
        return {false, (index - MarketNames) % Rows};
    return {false, -1};
}

void TradeBox::moveCursor(Cursor c) {
    main_.Fokus_Move(c.cargo
                         ? QStringLiteral("N%1").arg(c.row, 2, 10, QLatin1Char('0'))
                         : QStringLiteral("S%1").arg(MarketNames + c.row, 2, 10, QLatin1Char('0')));
}

std::vector<int> TradeBox::shownRows(bool cargo) const {
    std::vector<int> rows;
    for (int k = 0; k < Rows; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!(cargo ? main_.lblNáklad[i] : main_.lblSurovina[MarketNames + i])->isHidden())
            rows.push_back(k);
    }
    return rows;
}

bool TradeBox::RowKey(const QKeyEvent& e) {
    if ((e.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const Cursor c = cursor();
    switch (e.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const std::vector<int> rows = shownRows(c.cargo);
        if (rows.empty())
            return true;
        const auto at = std::find(rows.begin(), rows.end(), c.row);
        int next = e.key() == Qt::Key_Down ? rows.front() : rows.back();
        if (at != rows.end()) {
            const auto i = at - rows.begin();
            next = e.key() == Qt::Key_Down ? rows[std::min<std::size_t>(i + 1, rows.size() - 1)]
                                           : rows[i == 0 ? 0 : i - 1];
        }
        moveCursor({c.cargo, next});
        return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right: {
        // Across to the other list, onto the same goods where it has them.
        const bool toCargo = e.key() == Qt::Key_Right;
        if (toCargo == c.cargo && c.row >= 0)
            return true;
        const std::vector<int> rows = shownRows(toCargo);
        if (rows.empty())
            return true;
        int next = rows.front();
        if (c.row >= 0) {
            const QString goods =
                c.cargo ? main_.lblNáklad[static_cast<std::size_t>(c.row)]->Tag
                        : main_.lblSurovina[static_cast<std::size_t>(MarketNames + c.row)]->Tag;
            for (int k : rows) {
                const ClickLabel* l =
                    toCargo ? main_.lblNáklad[static_cast<std::size_t>(k)]
                            : main_.lblSurovina[static_cast<std::size_t>(MarketNames + k)];
                if (l->Tag == goods)
                    next = k;
            }
        }
        moveCursor({toCargo, next});
        return true;
    }
    default:
        return false;
    }
}

void TradeBox::EnterOnRow() {
    const Cursor c = cursor();
    const std::vector<int> rows = shownRows(c.cargo);
    if (std::find(rows.begin(), rows.end(), c.row) == rows.end())
        return;
    if (c.cargo)
        lblNáklad_Click(c.row);
    else
        lblSurovina_Click(MarketNames + c.row);
}

void TradeBox::EnterInBox() {
    for (int action : {akce::Buy, akce::Sell})
        if (offered(action)) {
            main_.lblAkce_Click(action);
            return;
        }
}

bool TradeBox::SliderKey(const QKeyEvent& e) {
    if (sldMnožství->isHidden() || (e.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    // A tenth of the range a page: ten presses from nothing to everything.
    const int page = std::max(1, (sldMnožství->maximum() - sldMnožství->minimum() + 9) / 10);
    switch (e.key()) {
    case Qt::Key_Right:
    case Qt::Key_Up:
        sldMnožství->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Down:
        sldMnožství->triggerAction(QAbstractSlider::SliderSingleStepSub);
        return true;
    case Qt::Key_PageUp:
        sldMnožství->setValue(sldMnožství->value() + page);
        return true;
    case Qt::Key_PageDown:
        sldMnožství->setValue(sldMnožství->value() - page);
        return true;
    case Qt::Key_Home:
        sldMnožství->triggerAction(QAbstractSlider::SliderToMinimum);
        return true;
    case Qt::Key_End:
        sldMnožství->triggerAction(QAbstractSlider::SliderToMaximum);
        return true;
    default:
        return false;
    }
}

bool TradeBox::eventFilter(QObject* watched, QEvent* e) {
    // Page Up and Page Down move a tenth of the range; the slider's own page of ten units
    // stays for the click on its groove.
    if (watched == sldMnožství && e->type() == QEvent::KeyPress) {
        const auto* k = static_cast<QKeyEvent*>(e);
        if (k->key() == Qt::Key_PageUp || k->key() == Qt::Key_PageDown)
            return SliderKey(*k);
    }
    return QObject::eventFilter(watched, e);
}

} // namespace vlnobrod
