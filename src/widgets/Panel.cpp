#include "Panel.h"

#include "Art.h"

#include <QApplication>
#include <QMouseEvent>

namespace vlnobrod {

Panel::Panel(const QString& title, QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Box);
    setLineWidth(1);
    setAutoFillBackground(true);
    setObjectName(QStringLiteral("panel"));
    setStyleSheet(QStringLiteral("QFrame#panel { background-color: #efe2c0; "
                                 "border: 2px solid #5a3b1a; } QLabel { color: #2b1d0e; }"));

    titleBar_ = new QLabel(this);
    titleBar_->setScaledContents(true);
    titleBar_->setPixmap(art::Picture(QStringLiteral("titlebar")));
    titleBar_->setStyleSheet(QStringLiteral("background-color: #6b4a24;"));
    titleBar_->installEventFilter(this);

    titleText_ = new QLabel(title, this);
    titleText_->setTextFormat(Qt::PlainText); // a city's name in the title is shown as written
    titleText_->setStyleSheet(QStringLiteral("color: #fff6dc; background: transparent; "
                                             "font-weight: bold;"));
    titleText_->setAttribute(Qt::WA_TransparentForMouseEvents);

    cross_ = new ClickLabel(QStringLiteral("X"), this);
    cross_->setAlignment(Qt::AlignCenter);
    cross_->setStyleSheet(
        QStringLiteral("color: #fff6dc; background: #8b2e16; font-weight: bold;"));
    cross_->setCursor(art::HandCursor());
    cross_->resize(16, 16);
    connect(cross_, &ClickLabel::clicked, this, &Panel::Close);
}

void Panel::Close() {
    hide();
    emit closed();
}

QString Panel::Title() const {
    return titleText_->text();
}

void Panel::resizeEvent(QResizeEvent* e) {
    QFrame::resizeEvent(e);
    // The bar spans the panel and the cross sits at its right end.
    titleBar_->setGeometry(0, 0, width(), TitleHeight);
    titleText_->setGeometry(6, 0, width() - 30, TitleHeight);
    cross_->move(width() - cross_->width() - 3, (TitleHeight - cross_->height()) / 2);
    titleText_->raise();
    cross_->raise();
}

bool Panel::eventFilter(QObject* watched, QEvent* e) {
    if (watched != titleBar_)
        return QFrame::eventFilter(watched, e);
    switch (e->type()) {
    case QEvent::MouseButtonPress: {
        auto* me = static_cast<QMouseEvent*>(e);
        if (me->button() == Qt::LeftButton) {
            dragging_ = true;
            dragStart_ = me->globalPosition().toPoint();
            titleBar_->setCursor(Qt::SizeAllCursor);
        }
        return true;
    }
    case QEvent::MouseMove: {
        auto* me = static_cast<QMouseEvent*>(e);
        if (dragging_ && (me->buttons() & Qt::LeftButton)) {
            const QPoint now = me->globalPosition().toPoint();
            move(pos() + (now - dragStart_));
            dragStart_ = now;
        }
        return true;
    }
    case QEvent::MouseButtonRelease:
        titleBar_->unsetCursor();
        if (dragging_) {
            dragging_ = false;
            if (onDropped)
                onDropped(*this);
        }
        return true;
    default:
        return QFrame::eventFilter(watched, e);
    }
}

} // namespace vlnobrod
