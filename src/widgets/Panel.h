#pragma once

#include "ClickLabel.h"

#include <QFrame>
#include <QPoint>
#include <functional>

namespace vlnobrod {

// A movable panel inside a window: a title bar that drags it, a close cross "X" that hides
// it, and room below the bar for the panel's own controls (placed by the owner, in pixels).
class Panel : public QFrame {
    Q_OBJECT
public:
    static constexpr int TitleHeight = 20;

    Panel(const QString& title, QWidget* parent);

    QString Title() const;

    // Hides the panel as its cross does.
    void Close();

    QLabel* TitleBar() const { return titleBar_; }
    ClickLabel* CloseCross() const { return cross_; }

    // Called when the player drops the panel after dragging it; the owner keeps it on the
    // screen (each window has its own rule).
    std::function<void(Panel&)> onDropped;

signals:
    void closed();

protected:
    void resizeEvent(QResizeEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QLabel* titleBar_;
    QLabel* titleText_;
    ClickLabel* cross_;
    bool dragging_ = false;
    QPoint dragStart_;
};

} // namespace vlnobrod
