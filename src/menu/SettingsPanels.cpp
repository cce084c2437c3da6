// The settings, about and duel panels of the menu.
#include "frmMenu.h"

#include "menu/MenuRules.h"
#include "widgets/Art.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QVersionNumber>

namespace vlnobrod {

namespace {

QLabel* picture(const QString& name, QWidget* parent, const QRect& where) {
    auto* l = new QLabel(parent);
    l->setGeometry(where);
    l->setScaledContents(true);
    const QPixmap p = art::Picture(name);
    if (!p.isNull())
        l->setPixmap(p);
    return l;
}

} // namespace

void frmMenu::BuildSettingsPanel() {
    Panel* p = MakePanel(menupanel::Settings, QStringLiteral("Nastavení"), 360, 200, 280, 130);
    chk0 = new QCheckBox(QStringLiteral("Hrát zvuky"), p);
    chk0->setGeometry(24, 42, 200, 24);
    MakeButton(menubutton::SettingsOK, QStringLiteral("OK"), p, 40, 90);
    MakeButton(menubutton::SettingsCancel, QStringLiteral("Storno"), p, 170, 90);
}

void frmMenu::OpenSettings() {
    chk0->setChecked(game_.settings.SoundsOn());
}

void frmMenu::BuildAboutPanel() {
    Panel* p = MakePanel(menupanel::About, QStringLiteral("O hře"), 320, 70, 440, 420);
    picture(QStringLiteral("about"), p, QRect(12, 30, 416, 170));
    auto* lbl14 = new QLabel(QStringLiteral("Vlnobrod"), p);
    lbl14->setFont(art::HeavyFont(22));
    lbl14->setGeometry(12, 206, 300, 40);
    lbl15 = new QLabel(QStringLiteral("ver 1.2"), p);
    lbl15->setGeometry(16, 248, 200, 18);

    const QStringList credits = {
        QStringLiteral("Obchodní strategie z dob plachetnic."),
        QStringLiteral("Nakupujte levně, prodávejte draze, braňte se pirátům"),
        QStringLiteral("a zapište se mezi nejlepší hráče každé mapy."),
        QStringLiteral("Program, mapy, obrázky a zvuky: tým Vlnobrodu."),
    };
    int top = 276;
    for (const QString& line : credits) {
        auto* l = new QLabel(line, p);
        l->setGeometry(16, top, 410, 18);
        top += 20;
    }
    MakeButton(menubutton::AboutOK, QStringLiteral("OK"), p, 380, 384);
}

void frmMenu::OpenAbout() {
    const QVersionNumber v = QVersionNumber::fromString(QCoreApplication::applicationVersion());
    lbl15->setText(QString::fromStdString(VersionText(v.majorVersion(), v.minorVersion())));
}

void frmMenu::BuildDuelPanel() {
    Panel* p = MakePanel(menupanel::Duel, QStringLiteral("Externí hry"), 340, 120, 380, 300);
    auto* lbl6 = new QLabel(QStringLiteral("Souboj s piráty"), p);
    lbl6->setFont(art::HeavyFont(13));
    lbl6->setGeometry(12, 28, 300, 26);
    picture(QStringLiteral("duel"), p, QRect(12, 60, 356, 150));
    opt0 = new QRadioButton(QStringLiteral("Proti PC"), p);
    opt0->setGeometry(20, 220, 150, 22);
    opt0->setChecked(true);
    opt1 = new QRadioButton(QStringLiteral("Dva hráči"), p);
    opt1->setGeometry(20, 244, 150, 22);
    MakeButton(menubutton::RunDuel, QStringLiteral("Spustit"), p, 280, 262);
}

void frmMenu::SettingsButton_Click(int Index) {
    switch (Index) {
    case menubutton::SettingsOK: {
        const bool kept =
            chk0->isChecked()
                ? game_.settings.SaveSetting(QStringLiteral("Options"), QStringLiteral("Zvuky"),
                                             QStringLiteral("1"))
                : game_.settings.DeleteSetting(QStringLiteral("Options"), QStringLiteral("Zvuky"));
        picZáložka_[menupanel::Settings]->hide();
        if (!kept) {
            QMessageBox box(QMessageBox::Warning, QStringLiteral("Nastavení"),
                            game_.settings.Problem(), QMessageBox::Ok, this);
            box.setTextFormat(Qt::PlainText); // it names the file
            box.exec();
        }
        break;
    }
    case menubutton::SettingsCancel:
        picZáložka_[menupanel::Settings]->hide();
        break;
    case menubutton::AboutOK:
        picZáložka_[menupanel::About]->hide();
        break;
    case menubutton::RunDuel:
        // The duel is played in the battle window; no click sounds here.
        if (StartDuel)
            StartDuel(opt1->isChecked() ? HandOffWord::PiratiB2 : HandOffWord::PiratiB);
        break;
    default:
        break;
    }
}

} // namespace vlnobrod
