#include "ModalWait.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <algorithm>
#include <vector>

namespace vlnobrod {

namespace {

// The waits that run, the innermost last.
std::vector<ModalWait*>& waits() {
    static std::vector<ModalWait*> running;
    return running;
}

bool isInput(QEvent::Type t) {
    switch (t) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::Enter:
    case QEvent::ContextMenu:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TabletPress:
    case QEvent::TabletRelease:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
        return true;
    default:
        return false;
    }
}

bool inside(const QWidget* outer, const QWidget* w) {
    return outer && (outer == w || outer->isAncestorOf(w));
}

// The box's controls that Tab reaches, in their order.
QList<QWidget*> controlsOf(QWidget& box) {
    QList<QWidget*> controls;
    for (QWidget* w : box.findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
            controls << w;
    return controls;
}

// Tab and Shift+Tab go round the box's answers only: the rest of the window waits.
void moveFocusWithin(QWidget& box, bool forward) {
    const QList<QWidget*> controls = controlsOf(box);
    if (controls.isEmpty())
        return;
    const qsizetype at = controls.indexOf(QApplication::focusWidget());
    const qsizetype n = controls.size();
    const qsizetype next = at < 0 ? (forward ? 0 : n - 1) : (at + (forward ? 1 : n - 1)) % n;
    controls[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}

} // namespace

ModalWait::ModalWait(QWidget& box, std::optional<int> enter, std::optional<int> escape)
    : box_(&box), window_(box.window()), enter_(enter), escape_(escape) {}

ModalWait::~ModalWait() {
    auto& running = waits();
    running.erase(std::remove(running.begin(), running.end(), this), running.end());
}

std::optional<int> ModalWait::Exec() {
    if (!box_)
        return std::nullopt;
    waits().push_back(this);
    qApp->installEventFilter(this);
    QEventLoop loop;
    loop_ = &loop;
    if (!done_)
        loop.exec();
    loop_ = nullptr;
    qApp->removeEventFilter(this);
    auto& running = waits();
    running.erase(std::remove(running.begin(), running.end(), this), running.end());
    return answer_;
}

void ModalWait::Answer(const QWidget* box, int answer) {
    const auto& running = waits();
    if (!running.empty() && box && running.back()->box_ == box)
        running.back()->Finish(answer);
}

bool ModalWait::Waiting(const QWidget* window) {
    const auto& running = waits();
    return std::any_of(running.begin(), running.end(),
                       [window](const ModalWait* w) { return !window || w->window_ == window; });
}

void ModalWait::Finish(std::optional<int> answer) {
    if (done_)
        return;
    done_ = true;
    answer_ = answer;
    if (loop_)
        loop_->quit();
}

bool ModalWait::Takes(const QWidget* w) const {
    if (inside(box_, w))
        return true;
    // A window opened over the waiting one since, as a modal dialog or a popup, is the
    // player's to use.
    const QWidget* modal = QApplication::activeModalWidget();
    if (modal && modal != window_ && inside(modal, w))
        return true;
    const QWidget* popup = QApplication::activePopupWidget();
    return popup && inside(popup, w);
}

bool ModalWait::eventFilter(QObject* watched, QEvent* e) {
    // Only the innermost wait decides; the ones around it wait too.
    if (waits().empty() || waits().back() != this || done_ || !box_)
        return false;
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w)
        return false;
    const QEvent::Type t = e->type();

    // A panel shown or raised beside the box would hide the question.
    if ((t == QEvent::Show || t == QEvent::ZOrderChange) && w != box_ &&
        w->parentWidget() == box_->parentWidget()) {
        box_->raise();
        return false;
    }
    if (t == QEvent::Close && w->isWindow() && !Takes(w)) {
        e->ignore();
        return true;
    }
    if (!isInput(t))
        return false;
    // The guide's key is never part of the question: the guide opens over it.
    if ((t == QEvent::KeyPress || t == QEvent::ShortcutOverride) &&
        static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1)
        return false;
    // The keys answer the box wherever they are typed; a click counts only on the box.
    const bool isKey = t == QEvent::KeyPress || t == QEvent::KeyRelease ||
                       t == QEvent::ShortcutOverride || t == QEvent::Shortcut;
    if (isKey ? (Takes(w) && !inside(box_, w)) : Takes(w))
        return false;
    // An answer the player has moved the focus to takes its own keys (Enter, Space).
    if (isKey && t != QEvent::Shortcut && w != box_ && inside(box_, w) && w->hasFocus() &&
        (w->focusPolicy() & Qt::TabFocus)) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)
            return false;
    }
    if (t == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            moveFocusWithin(*box_, key == Qt::Key_Tab);
            return true;
        }
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && enter_)
            Finish(enter_);
        else if (key == Qt::Key_Escape && escape_)
            Finish(escape_);
    }
    return true;
}

} // namespace vlnobrod
