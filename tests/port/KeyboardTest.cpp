#include "menu/LoadPanel.h"
#include "menu/MapAlbum.h"
#include "menu/StartForm.h"
#include "menu/frmMenu.h"
#include "port/DayChange.h"
#include "port/PortLabels.h"
#include "support/PortFixture.h"
#include "trade/SavePanel.h"
#include "trade/TradeBox.h"
#include "widgets/WindowKeys.h"

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QTest>

using namespace vlnobrod;

namespace {

// A key as a player presses it: to the control with the focus, or to the window.
void press(QWidget& window, int key, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    QWidget* f = QApplication::focusWidget();
    QTest::keyClick(f && f->window() == &window ? f : &window, static_cast<Qt::Key>(key), mods);
}

void activate(QWidget& window) {
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
}

bool focused(const QWidget* w) {
    return QApplication::focusWidget() == w;
}

// Vlnobrod buys wood at 40 and gold at 200; two small ships (100 units) carry 20 artefacts
// and 10 wood; 10 000 in cash.
struct Port : testing::PortScreen {
    TradeBox* box = nullptr;
    Port() : testing::PortScreen("") {
        GameState& s = st();
        s.Mapa = "Mapa1";
        s.PocetMest = 2;
        s.Hotovost = 10000;
        s.Cities[0].Nazev = "Vlnobrod";
        s.Cities[0].Velikost = 1;
        s.Cities[0].Trh[0].Cena = 200;
        s.Cities[0].Trh[5].Cena = 40;
        s.Cities[1].Nazev = "Skalná";
        s.Fleet.Pocet = 2;
        s.Fleet.Nosnost = 50;
        s.Fleet.Naklad[3] = 20;
        s.Fleet.Naklad[5] = 10;
        OpenTheDay(s);
        box = w->findChild<TradeBox*>();
        activate(*w);
    }
};

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT
private slots:
    void thePortScreenIsPlayedWithTheKeys() {
        Port s;
        frmMain& w = *s.w;
        // Every tab and the main actions have a shortcut, named in their tooltips.
        const struct {
            QWidget* label;
            QKeyCombination keys;
            QWidget* opens; // nullptr: a question or another window
        } shortcuts[] = {
            {w.lblZal[0], Qt::ALT | Qt::Key_M, nullptr},
            {w.lblZal[1], Qt::ALT | Qt::Key_O, w.picZáložka[0]},
            {w.lblZal[2], Qt::ALT | Qt::Key_D, w.picZáložka[1]},
            {w.lblZal[3], Qt::ALT | Qt::Key_B, w.picZáložka[2]},
            {w.lblAkce[akce::OpenSave], Qt::CTRL | Qt::Key_S, w.picZáložka[3]},
            {w.lblAkce[akce::Goal], Qt::ALT | Qt::Key_U, nullptr},
            {w.lblAkce[akce::Statistics], Qt::ALT | Qt::Key_S, nullptr},
            {w.lblAkce[akce::BackToMenu], Qt::ALT | Qt::Key_Z, nullptr},
        };
        for (const auto& c : shortcuts)
            QVERIFY2(c.label->toolTip().contains(ShortcutHint(c.keys)),
                     qPrintable(c.label->toolTip()));
        QCOMPARE(ShortcutHint(Qt::ALT | Qt::Key_O), QStringLiteral("Klávesová zkratka: Alt+O"));

        // The panels open on their keys; Escape closes the topmost, and on the bare port
        // screen does nothing.
        int menus = 0;
        w.BackToMenu = [&] { ++menus; };
        for (const auto& c : shortcuts) {
            if (!c.opens)
                continue;
            press(w, c.keys.key(), c.keys.keyboardModifiers());
            QVERIFY(c.opens->isVisible());
            press(w, Qt::Key_Escape);
            QVERIFY(!c.opens->isVisible());
        }
        press(w, Qt::Key_Escape);
        QVERIFY(w.isVisible());
        // "Mapa" clears the chart of panels.
        press(w, Qt::Key_B, Qt::AltModifier);
        press(w, Qt::Key_M, Qt::AltModifier);
        QVERIFY(!w.picZáložka[2]->isVisible());

        // The save panel takes the name as it opens.
        press(w, Qt::Key_S, Qt::ControlModifier);
        QVERIFY(focused(w.findChild<SavePanel*>()->txtSave));
        press(w, Qt::Key_Escape);

        // The trade panel: the arrows choose a row, Enter opens the box on it.
        press(w, Qt::Key_O, Qt::AltModifier);
        press(w, Qt::Key_Down);
        press(w, Qt::Key_Return);
        QVERIFY(s.box->picTransakce->isVisible());
        QCOMPARE(w.lbl[popisek::BoxTitle]->text(), QStringLiteral("Nákup"));
        QSlider* slider = s.box->sldMnožství;
        QVERIFY(focused(slider));
        const int most = slider->maximum();
        QVERIFY(most > 20);
        // The slider's keys: Home nothing, End everything, an arrow one unit, a page a tenth.
        const struct {
            int key;
            int value;
        } moves[] = {
            {Qt::Key_Home, 0},
            {Qt::Key_PageUp, (most + 9) / 10},
            {Qt::Key_Right, (most + 9) / 10 + 1},
            {Qt::Key_End, most},
            {Qt::Key_PageDown, most - (most + 9) / 10},
            {Qt::Key_Left, most - (most + 9) / 10 - 1},
            {Qt::Key_Up, most - (most + 9) / 10},
            {Qt::Key_Down, most - (most + 9) / 10 - 1},
        };
        for (const auto& m : moves) {
            press(w, m.key);
            QCOMPARE(slider->value(), m.value);
        }
        // Enter buys what the slider says, at the price shown.
        const std::int32_t cash = s.st().Hotovost;
        const int price = s.box->lblCenaZaKus->Tag.toInt();
        const int bought = slider->value();
        press(w, Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(s.st().Hotovost, cash - bought * price);
        QVERIFY(!s.box->picTransakce->isVisible());

        // Across to the cargo: the box sells; Escape closes it, then the trade panel.
        press(w, Qt::Key_Right);
        press(w, Qt::Key_Return);
        QVERIFY(s.box->picTransakce->isVisible());
        QCOMPARE(w.lbl[popisek::BoxTitle]->text(), QStringLiteral("Prodej"));
        press(w, Qt::Key_Escape);
        QVERIFY(!s.box->picTransakce->isVisible());
        QVERIFY(w.picZáložka[0]->isVisible());
        press(w, Qt::Key_Escape);
        QVERIFY(!w.picZáložka[0]->isVisible());

        // A message with nothing to decide goes with Escape; while it waits, no shortcut
        // reaches the screen behind it.
        bool waited = false, unanswered = false;
        QTimer click;
        click.setSingleShot(true);
        connect(&click, &QTimer::timeout, &w, [&] {
            unanswered = true;
            QTest::mouseClick(w.cmd[0], Qt::LeftButton);
        });
        QTimer::singleShot(20, &w, [&] {
            waited = w.Waiting();
            press(w, Qt::Key_O, Qt::AltModifier);
            press(w, Qt::Key_Escape);
            click.start(1000);
        });
        press(w, Qt::Key_U, Qt::AltModifier);
        click.stop();
        QVERIFY(waited && !unanswered);
        QVERIFY(!w.Waiting());
        QVERIFY(!w.picZáložka[0]->isVisible());

        press(w, Qt::Key_Z, Qt::AltModifier);
        QCOMPARE(menus, 1);
        QVERIFY(!w.isVisible());
    }

    void theMenuIsPlayedWithTheKeys() {
        testing::ScreenFixture fx;
        frmMenu menu(fx.game());
        int exits = 0;
        menu.ExitGame = [&] { ++exits; };
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
        activate(menu);
        for (const char* name : {"Amapa", "Bmapa"})
            fx.writeData(QString::fromLatin1(name) + QStringLiteral(".mlo"),
                         QStringLiteral("[Mapa]\nMapa=%1\nNazev=%1\nPocetMest=3\n").arg(name));

        const QKeyCombination keys[frmMenu::ActionCount] = {
            Qt::CTRL | Qt::Key_Q, Qt::CTRL | Qt::Key_N, Qt::CTRL | Qt::Key_O, Qt::ALT | Qt::Key_S,
            Qt::Key_F1,           Qt::ALT | Qt::Key_O,  Qt::ALT | Qt::Key_E,  Qt::ALT | Qt::Key_P};
        for (int i = 0; i < frmMenu::ActionCount; ++i)
            QVERIFY(menu.lblAkce[i]->toolTip().contains(ShortcutHint(keys[i])));

        // A shortcut makes its panel as a click does (the panels are made when first
        // opened); Escape closes the open panel, and with none open leaves the menu as it is.
        const struct {
            QKeyCombination keys;
            int panel;
        } panels[] = {{keys[2], 1}, {keys[3], 2}, {keys[5], 4}, {keys[6], 5}};
        for (const auto& p : panels) {
            QVERIFY(!menu.picZáložka[p.panel]);
            press(menu, p.keys.key(), p.keys.keyboardModifiers());
            QVERIFY(menu.picZáložka[p.panel] && menu.picZáložka[p.panel]->isVisible());
            press(menu, Qt::Key_Escape);
            QVERIFY(!menu.picZáložka[p.panel]->isVisible());
        }
        press(menu, Qt::Key_Escape);
        QVERIFY(menu.isVisible());
        QCOMPARE(exits, 0);

        // A new game: the arrows choose a map, Enter opens the start form with the company's
        // name taking the keys; Escape goes back to the album.
        QVERIFY(!menu.picZáložka[0]);
        press(menu, Qt::Key_N, Qt::ControlModifier);
        QVERIFY(focused(menu.album));
        QCOMPARE(menu.album->Current(), 0);
        press(menu, Qt::Key_Down);
        QCOMPARE(menu.album->Current(), 1);
        press(menu, Qt::Key_Return);
        QVERIFY(menu.picName->isVisible());
        QCOMPARE(menu.picName->Tag, QStringLiteral("Bmapa"));
        QVERIFY(focused(menu.picName->txtCompany));
        press(menu, Qt::Key_Escape);
        QVERIFY(!menu.picName->isVisible());
        QVERIFY(menu.picZáložka[0]->isVisible());
        QVERIFY(focused(menu.album));

        press(menu, Qt::Key_Escape);

        // The load panel opens with nothing chosen, as for the mouse; the arrows choose.
        fx.writeData(QStringLiteral("Save/Alfa.mlo"), QStringLiteral("[Mapa]\nName=Ota\n"));
        fx.writeData(QStringLiteral("Save/Beta.mlo"), QStringLiteral("[Mapa]\nName=Eva\n"));
        press(menu, Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(menu.loadPanel->SelectedIndex(), -1);
        const struct {
            int key;
            int row;
        } rows[] = {{Qt::Key_Down, 0}, {Qt::Key_Down, 1}, {Qt::Key_Down, 1},
                    {Qt::Key_Up, 0},   {Qt::Key_End, 1},  {Qt::Key_Home, 0}};
        for (const auto& r : rows) {
            press(menu, r.key);
            QCOMPARE(menu.loadPanel->SelectedIndex(), r.row);
        }
        press(menu, Qt::Key_Escape);

        press(menu, Qt::Key_Q, Qt::ControlModifier);
        QCOMPARE(exits, 1);
    }
};

QTEST_MAIN(KeyboardTest)
#include "KeyboardTest.moc"
