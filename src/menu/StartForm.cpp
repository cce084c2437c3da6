#include "StartForm.h"

#include "widgets/Art.h"
#include "widgets/GameServices.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace vlnobrod {

StartForm::StartForm(GameServices& game, QWidget* parent) : QFrame(parent), game_(game) {
    setObjectName(QStringLiteral("startForm"));
    setStyleSheet(QStringLiteral("QFrame#startForm { background: #f3e6c4; border: 2px solid "
                                 "#5a3b1a; } QLabel { color: #2b1d0e; background: transparent; }"));
    resize(380, 250);

    // The form's own bar does not drag: the form stays where the album put it.
    auto* imgLištaB0 = new QLabel(this);
    imgLištaB0->setGeometry(0, 0, width(), 20);
    imgLištaB0->setScaledContents(true);
    imgLištaB0->setPixmap(art::Picture(QStringLiteral("titlebar")));
    imgLištaB0->setStyleSheet(QStringLiteral("background-color: #6b4a24;"));
    auto* title = new QLabel(QStringLiteral("Startovní formulář"), this);
    title->setGeometry(6, 0, width() - 12, 20);
    title->setStyleSheet(QStringLiteral("color: #fff6dc; font-weight: bold;"));

    auto* companyCaption = new QLabel(QStringLiteral("Název společnosti:"), this);
    companyCaption->setGeometry(14, 32, 200, 18);
    txtCompany = new QLineEdit(QStringLiteral("Trotl Transport"), this);
    txtCompany->setGeometry(14, 52, 352, 24);
    auto* nameCaption = new QLabel(QStringLiteral("Jméno majitele:"), this);
    nameCaption->setGeometry(14, 82, 200, 18);
    txtName = new QLineEdit(QStringLiteral("Ludvík Prachatý"), this);
    txtName->setGeometry(14, 102, 352, 24);
    // A screen reader names each field by its caption.
    companyCaption->setBuddy(txtCompany);
    nameCaption->setBuddy(txtName);
    for (QLineEdit* box : {txtCompany, txtName}) {
        box->setMaxLength(MaxNameChars);
        box->installEventFilter(this);
    }

    Label1 = new QLabel(QStringLiteral("Zadejte správně! Údaje není možné později změnit! A pod "
                                       "nimi budete zapsáni do tabulky!"),
                        this);
    Label1->setWordWrap(true);
    Label1->setGeometry(14, 132, 352, 36);
    lblProblem = new QLabel(this);
    lblProblem->setTextFormat(Qt::PlainText);
    lblProblem->setWordWrap(true);
    lblProblem->setStyleSheet(QStringLiteral("color: #b01010;"));
    lblProblem->setGeometry(14, 168, 352, 36);
    lblProblem->hide();
}

void StartForm::ShowProblem(const QString& text) {
    lblProblem->setText(text);
    lblProblem->setVisible(!text.isEmpty());
}

bool StartForm::eventFilter(QObject* watched, QEvent* e) {
    auto* box = qobject_cast<QLineEdit*>(watched);
    if (!box)
        return QFrame::eventFilter(watched, e);
    if (e->type() == QEvent::FocusIn) {
        // After the click that gave the focus has placed the cursor.
        QTimer::singleShot(0, box, [box] { box->selectAll(); });
    } else if (e->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (onEnter)
                onEnter();
            return true; // the Enter itself never reaches the box
        }
        if (key != Qt::Key_Shift && key != Qt::Key_Escape)
            game_.PlaySoundName(QStringLiteral("Type"));
    }
    return QFrame::eventFilter(watched, e);
}

} // namespace vlnobrod
