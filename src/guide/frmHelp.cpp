#include "frmHelp.h"

#include "widgets/Art.h"
#include "widgets/ModalWait.h"
#include "widgets/WindowKeys.h"

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>
#include <QTextBrowser>
#include <algorithm>

namespace vlnobrod {

frmHelp::frmHelp(GameServices&, QWidget* parent) : QWidget(parent) {
    setWindowTitle(QStringLiteral("Průvodce"));
    resize(560, 600);

    Picture1 = new QWidget(this);
    Picture1->setStyleSheet(QStringLiteral("background-color: #6b4a24;"));
    lbl0 = new QLabel(QStringLiteral("Stručná příručka"), Picture1);
    lbl0->setStyleSheet(QStringLiteral("color: #fff6dc; font-weight: bold;"));
    lbl0->move(6, 1);
    lbl0->adjustSize();
    // Back to the contents at the top of the handbook, wherever its links have taken the reader.
    auto* back = new ClickLabel(QStringLiteral("<< zpět na obsah"), Picture1);
    back->setStyleSheet(QStringLiteral("color: #f6e7b8;"));
    back->setCursor(art::HandCursor());
    back->adjustSize();
    lblAkceB[0] = back;

    rtf = new QTextBrowser(this);
    rtf->setReadOnly(true);
    rtf->setOpenLinks(true);
    rtf->setStyleSheet(QStringLiteral("QTextBrowser { background: #fbf5e4; color: #2b1d0e; "
                                      "border: 1px solid #5a3b1a; }"));
    rtf->setHtml(Handbook());
    rtf->setAccessibleName(QStringLiteral("Stručná příručka"));
    connect(back, &ClickLabel::clicked, this, [this] { rtf->verticalScrollBar()->setValue(0); });
    Form_Resize();
}

QString frmHelp::Handbook() {
    QFile file(QStringLiteral(":/guide/handbook.html"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll());
}

void frmHelp::ShowInFront() {
    // Over a dialog, or a question waiting in the game, the guide is modal itself: otherwise
    // the window below would keep the keys and Escape could not reach the guide.
    const QWidget* modal = QApplication::activeModalWidget();
    const Qt::WindowModality modality =
        (modal && modal != this) || ModalWait::Waiting() ? Qt::ApplicationModal : Qt::NonModal;
    QWidget* active = QApplication::activeWindow();
    if (modality != windowModality()) {
        hide();
        setWindowModality(modality);
    }
    if (active && active != this)
        returnTo_ = active;
    show();
    raise();
    activateWindow();
    rtf->setFocus(Qt::OtherFocusReason);
}

void frmHelp::hideEvent(QHideEvent* e) {
    QWidget::hideEvent(e);
    if (returnTo_ && returnTo_->isVisible())
        returnTo_->activateWindow();
    returnTo_ = nullptr;
}

void frmHelp::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    Form_Resize();
}

void frmHelp::keyPressEvent(QKeyEvent* e) {
    if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier)
        close();
    else if (!MinimiseOnF4(*this, *e))
        QWidget::keyPressEvent(e);
}

void frmHelp::Form_Resize() {
    Picture1->setGeometry(0, 0, width(), StripHeight);
    lblAkceB[0]->move(width() - lblAkceB[0]->width() - 8, 2);
    // Below the strip, two pixels inside the window; a window smaller than that gets an
    // empty box rather than a negative one.
    rtf->setGeometry(0, StripHeight, std::max(0, width() - Margin),
                     std::max(0, height() - StripHeight - Margin));
}

} // namespace vlnobrod
