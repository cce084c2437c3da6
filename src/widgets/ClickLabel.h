#pragma once

#include <QLabel>
#include <QString>

namespace vlnobrod {

// A label the player can click: the game's action labels, tabs, city names and goods rows.
// `Tag` carries a value that travels with the label (a goods index, a city index).
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(const QString& text = {}, QWidget* parent = nullptr);

    QString Tag;

signals:
    void clicked();                        // left button released over the label
    void released(Qt::MouseButton button); // any button released over the label
    void hovered();                        // the mouse moves over the label

protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void enterEvent(QEnterEvent* e) override;
};

} // namespace vlnobrod
