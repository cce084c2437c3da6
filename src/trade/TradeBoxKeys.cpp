// The keyboard on the trade panel: a row chosen with the arrows (the same highlight the mouse
// moves), the transaction box opened on it with Enter, and the box's slider moved by keys
// wherever the focus is.

#include "TradeBox.h"

#include "port/frmMain.h"
#include "widgets/PortStyle.h"

#include <QKeyEvent>
#include <algorithm>
#include <vector>

namespace vlnobrod {

void TradeBox::takeKeys() {
    // The slider takes the keys while there is something to choose; otherwise the window.
    if (sldMnožství->isVisible())
        sldMnožství->setFocus(Qt::OtherFocusReason);
    else
        port_.setFocus(Qt::OtherFocusReason);
}

ClickLabel* TradeBox::cursorLabel(Cursor c) const {
    if (c.row < 0 || c.row >= Rows)
        return nullptr;
    const auto r = static_cast<std::size_t>(c.row);
    switch (c.kind) {
    case Cursor::MarketName:
        return names_[r];
    case Cursor::MarketPrice:
        return prices_[r];
    case Cursor::Cargo:
        return cargoNames_[r];
    case Cursor::None:
        break;
    }
    return nullptr;
}

// Moves the highlight: the row it leaves turns black, the one it comes to red.
void TradeBox::moveCursor(Cursor c) {
    if (c.kind == cursor_.kind && c.row == cursor_.row)
        return;
    if (ClickLabel* old = cursorLabel(cursor_))
        portstyle::SetForeColor(old, portstyle::Black);
    if (ClickLabel* now = cursorLabel(c))
        portstyle::SetForeColor(now, portstyle::Red);
    cursor_ = c;
}

std::vector<int> TradeBox::shownRows(bool cargo) const {
    std::vector<int> rows;
    for (int k = 0; k < Rows; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (!(cargo ? cargoNames_[i] : names_[i])->isHidden())
            rows.push_back(k);
    }
    return rows;
}

bool TradeBox::RowKey(const QKeyEvent& e) {
    if ((e.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const bool cargo = cursor_.kind == Cursor::Cargo;
    const int row = cursor_.kind == Cursor::None ? -1 : cursor_.row;
    const auto to = [](bool toCargo, int next) {
        return Cursor{toCargo ? Cursor::Cargo : Cursor::MarketName, next};
    };
    switch (e.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down: {
        const std::vector<int> rows = shownRows(cargo);
        if (rows.empty())
            return true;
        const auto at = std::find(rows.begin(), rows.end(), row);
        int next = e.key() == Qt::Key_Down ? rows.front() : rows.back();
        if (at != rows.end()) {
            const auto i = at - rows.begin();
            next = e.key() == Qt::Key_Down ? rows[std::min<std::size_t>(i + 1, rows.size() - 1)]
                                           : rows[i == 0 ? 0 : i - 1];
        }
        moveCursor(to(cargo, next));
        return true;
    }
    case Qt::Key_Left:
    case Qt::Key_Right: {
        // Across to the other list, onto the same goods where it has them.
        const bool toCargo = e.key() == Qt::Key_Right;
        if (toCargo == cargo && row >= 0)
            return true;
        const std::vector<int> rows = shownRows(toCargo);
        if (rows.empty())
            return true;
        int next = rows.front();
        if (row >= 0) {
            // A market row is its goods; a cargo row holds the goods it shows.
            const auto goodsOf = [this](bool ofCargo, int k) {
                return ofCargo ? (k < static_cast<int>(cargo_.size())
                                      ? cargo_[static_cast<std::size_t>(k)].goods
                                      : -1)
                               : k;
            };
            const int goods = goodsOf(cargo, row);
            for (int k : rows)
                if (goodsOf(toCargo, k) == goods)
                    next = k;
        }
        moveCursor(to(toCargo, next));
        return true;
    }
    default:
        return false;
    }
}

void TradeBox::EnterOnRow() {
    const bool cargo = cursor_.kind == Cursor::Cargo;
    const std::vector<int> rows = shownRows(cargo);
    if (cursor_.kind == Cursor::None ||
        std::find(rows.begin(), rows.end(), cursor_.row) == rows.end())
        return;
    if (cargo)
        lblNáklad_Click(cursor_.row);
    else
        lblSurovina_Click(cursor_.row);
}

void TradeBox::EnterInBox() {
    if (offered(Side::Buy))
        Koupit();
    else if (offered(Side::Sell))
        Prodat();
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
