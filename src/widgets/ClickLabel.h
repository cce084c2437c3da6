#pragma once

#include <QLabel>
#include <QString>

namespace vlnobrod {

// A label the player can click: the game's action labels, tabs, city names and goods rows.
// `Tag` carries a value that travels with the label (a goods index, a city index).
//
// A label whose click something listens to is a control for the keyboard and for a screen
// reader too: Tab reaches it (a click never gives it the focus, so the mouse player's screen
// stays as it was), it shows a dotted focus mark while focused, Enter and Space click it, and
// a screen reader is told it is a push button named by its caption (or by its accessible
// name, where one is set) that can be pressed.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = {}, QWidget* parent = nullptr);

    QString Tag;

    // Whether the label acts when clicked (something listens to its click).
    bool IsControl() const { return control_; }
    // What a click with `button` does: the keyboard's and a screen reader's way to press it.
    void Activate(Qt::MouseButton button = Qt::LeftButton);

signals:
    void clicked();                        // left button released over the label
    void released(Qt::MouseButton button); // any button released over the label
    void hovered();                        // the mouse moves over the label

protected:
    void connectNotify(const QMetaMethod& signal) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void paintEvent(QPaintEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;

private:
    bool control_ = false;
};

} // namespace vlnobrod
