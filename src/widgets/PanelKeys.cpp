#include "PanelKeys.h"

#include "Panel.h"

#include <QApplication>
#include <QKeyEvent>
#include <vector>

namespace vlnobrod {

namespace {

const QString holderName = QStringLiteral("BoxKeys");

// Keeps a box's keys and moves the focus as the box opens and closes.
class Holder : public QObject {
public:
    Holder(QWidget& box, BoxKeys keys) : QObject(&box), box_(box), keys_(std::move(keys)) {
        setObjectName(holderName);
        box.installEventFilter(this);
    }
    const BoxKeys& Keys() const { return keys_; }
    void SetKeys(BoxKeys keys) { keys_ = std::move(keys); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget& box_;
    BoxKeys keys_;
};

const Holder* holderOf(const QWidget& box) {
    return dynamic_cast<const Holder*>(
        box.findChild<QObject*>(holderName, Qt::FindDirectChildrenOnly));
}

bool takesFocus(const Holder* h) {
    return h && h->Keys().focus && h->Keys().focus->isVisible();
}

bool Holder::eventFilter(QObject* watched, QEvent* e) {
    if (watched != &box_)
        return false;
    if (e->type() == QEvent::Show) {
        if (takesFocus(this))
            keys_.focus->setFocus(Qt::OtherFocusReason);
        else
            box_.window()->setFocus(Qt::OtherFocusReason);
    } else if (e->type() == QEvent::Hide) {
        // A control out of sight would go on taking the keys.
        const QWidget* f = QApplication::focusWidget();
        if (f && (f == &box_ || box_.isAncestorOf(f))) {
            for (QWidget* p = box_.parentWidget(); p; p = p->parentWidget()) {
                const Holder* around = holderOf(*p);
                if (takesFocus(around)) {
                    around->Keys().focus->setFocus(Qt::OtherFocusReason);
                    break;
                }
                if (p->isWindow()) {
                    p->setFocus(Qt::OtherFocusReason);
                    break;
                }
            }
        }
    }
    return false;
}

bool isBox(const QWidget& w) {
    return holderOf(w) || qobject_cast<const Panel*>(&w);
}

// The open boxes of the topmost child of `parent` that holds any, the innermost first.
bool collect(const QWidget& parent, std::vector<QWidget*>& chain) {
    const QObjectList& children = parent.children();
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto* w = qobject_cast<QWidget*>(*it);
        if (!w || w->isWindow() || w->isHidden())
            continue;
        const std::size_t before = chain.size();
        collect(*w, chain);
        if (isBox(*w))
            chain.push_back(w);
        if (chain.size() > before)
            return true;
    }
    return false;
}

bool isEnter(const QKeyEvent& e) {
    return (e.key() == Qt::Key_Return || e.key() == Qt::Key_Enter) &&
           (e.modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

bool offer(QWidget& box, const QKeyEvent& e) {
    const Holder* h = holderOf(box);
    if (isEnter(e)) {
        if (!h || !h->Keys().enter)
            return false;
        const auto enter = h->Keys().enter; // a copy: the box may go while it runs
        enter();
        return true;
    }
    if (e.key() == Qt::Key_Escape && e.modifiers() == Qt::NoModifier) {
        if (h && h->Keys().escape) {
            const auto escape = h->Keys().escape;
            escape();
            return true;
        }
        auto* panel = qobject_cast<Panel*>(&box);
        if (!panel || panel->CloseCross()->isHidden())
            return false;
        panel->Close();
        return true;
    }
    if (!h || !h->Keys().key)
        return false;
    const auto key = h->Keys().key;
    return key(e);
}

} // namespace

void SetBoxKeys(QWidget& box, BoxKeys keys) {
    if (auto* h = const_cast<Holder*>(holderOf(box)))
        h->SetKeys(std::move(keys));
    else
        new Holder(box, std::move(keys));
}

bool DispatchBoxKeys(QWidget& window, const QKeyEvent& e) {
    std::vector<QWidget*> chain;
    collect(window, chain);
    for (QWidget* box : chain)
        if (offer(*box, e))
            return true;
    return false;
}

} // namespace vlnobrod
