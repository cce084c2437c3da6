#include "menu/LoadPanel.h"
#include "menu/MapAlbum.h"
#include "menu/StartForm.h"
#include "menu/frmMenu.h"
#include "support/Accessibility.h"
#include "support/PortFixture.h"
#include "widgets/PortStyle.h"
#include "widgets/Question.h"
#include "widgets/WindowKeys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QSlider>
#include <QTest>
#include <tuple>

using namespace vlnobrod;
using namespace vlnobrod::testing;
using namespace Qt::StringLiterals;

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    // The codes are the message box's contract: buttons in, answer out. Enter gives OK or
    // "Ano", Escape "Zrušit", else "Ne", else the box's only answer.
    void everyButtonsCodeGivesItsAnswersAndTheBoxHasTheWindowToItself() {
        PortScreen s;
        frmMain& w = *s.w;
        const std::tuple<std::uint8_t, const char*, const char*, int, int, int> cases[] = {
            {0, "OK", "OK", 1, 1, 1},
            {1, "Zrušit", "OK/Zrušit", 2, 1, 2},
            {3, "Ne", "Ne/Ano/Zrušit", 7, 6, 2},
            {4, "Ano", "Ne/Ano", 6, 6, 7},
            {200, "OK", "OK", 1, 1, 1}, // a code the box does not know still gives a way out
        };
        for (const auto& [code, click, shown, given, onEnter, onEscape] : cases) {
            const QString at = u"buttons %1, %2"_s.arg(code).arg(click);
            const auto buttons = static_cast<MessageButtons>(code);
            std::string title; // an empty title becomes "Zpráva"
            {
                Answerer a(w, click);
                const MessageAnswer answer = w.ShowMessage("Opravdu?", buttons, title);
                QVERIFY2(a.captions == QStringList{shown} && static_cast<int>(answer) == given,
                         qPrintable(at));
                QCOMPARE(a.titles, QStringList{u"Zpráva"_s});
            }
            // The system's dialog (menu, battle) shows and gives the same answers in that order.
            QString dialogShown;
            WhenModal<QMessageBox> dialog([&](QMessageBox* box) {
                QMap<int, QAbstractButton*> fromLeft;
                for (QAbstractButton* b : box->buttons())
                    fromLeft[b->mapToGlobal(QPoint()).x()] = b;
                QStringList captions;
                for (QAbstractButton* b : fromLeft)
                    captions << b->text();
                dialogShown = captions.join('/');
                fromLeft.values()[captions.indexOf(click)]->click();
            });
            const MessageAnswer inDialog = AskInDialog(&w, u"Zpráva"_s, u"Opravdu?"_s, buttons);
            QVERIFY2(dialogShown == shown && static_cast<int>(inDialog) == given, qPrintable(at));
            for (const auto& [key, expected] :
                 {std::pair{Qt::Key_Return, onEnter}, std::pair{Qt::Key_Escape, onEscape}}) {
                // A key that leaves the question waiting fails; the first answer goes on.
                bool waited = false;
                QObject scope; // takes both timers along once the question is answered
                QTimer::singleShot(20, &scope, [&] { QTest::keyClick(&w, key); });
                QTimer::singleShot(1000, &scope, [&] {
                    waited = true;
                    Click(w, "answer", 0);
                });
                const MessageAnswer answer = w.ShowMessage("Opravdu?", buttons, title);
                QVERIFY2(!waited && static_cast<int>(answer) == expected,
                         qPrintable(at + (key == Qt::Key_Return ? ", Enter" : ", Escape")));
            }
        }
        QVERIFY(Named(w, "msgbox")->isHidden());

        // A question asked while another waits is answered first; then the first waits again.
        MessageAnswer inner = MessageAnswer::OK;
        QString backAgain;
        QTimer::singleShot(20, &w, [&] {
            QTimer::singleShot(20, &w, [&] { Click(w, "answer", 1); });
            std::string t = "Druhá";
            inner = w.ShowMessage("Druhá otázka", MessageButtons::NeAno, t);
            QTimer::singleShot(20, &w, [&] {
                backAgain = Text(w, "msgTitle") + '|' + Text(w, "msgText");
                Click(w, "answer", 0);
            });
        });
        std::string t = "První";
        const MessageAnswer outer = w.ShowMessage("První otázka", MessageButtons::NeAnoZrusit, t);
        QVERIFY(inner == MessageAnswer::Ano && outer == MessageAnswer::Ne);
        QCOMPARE(backAgain, u"První|První otázka"_s);
        QVERIFY(!w.Waiting());

        // While the box waits, nothing else of the window takes a click or a key, the box stays
        // over any panel, the window is neither closed nor put aside, and the news go on.
        QStringList seen;
        w.BackToMenu = [&] { seen << "menu"; };
        const QString news = Text(w, "news0"); // the next tick comes inside the wait
        QTimer::singleShot(20, &w, [&] {
            Click(w, "tabDok");                              // the dock tab
            QTest::keyClick(&w, Qt::Key_O, Qt::AltModifier); // the trade tab's shortcut
            Click(w, "backToMenu");
            QTest::mouseDClick(Named(w, "goal"), Qt::LeftButton);
            QTest::keyClick(&w, Qt::Key_F4);
            w.close();
            seen << (w.PanelAt(zalozka::Dock)->isVisible() || w.PanelAt(zalozka::Trade)->isVisible()
                         ? "panel"
                         : "")
                 << (w.isVisible() ? "shown" : "") << (w.isMinimized() ? "minimised" : "");
            w.ShowTab(zalozka::Bank); // the bank panel, opened by the program
            QWidget* box = Named(w, "msgbox");
            QWidget* top = w.childAt(box->geometry().center());
            seen << (top && box->isAncestorOf(top) ? "box on top" : "box hidden");
        });
        QTimer::singleShot(1600, &w, [&] {
            seen << (Text(w, "news0") == news ? "news stood" : "news moved");
            Click(w, "answer", 0);
        });
        std::string title = "Otázka";
        w.ShowMessage("Čekám", MessageButtons::OK, title);
        QCOMPARE(seen, (QStringList{"", "shown", "", "box on top", "news moved"}));
        QCOMPARE(Text(w, "msgTitle"), QStringLiteral("Otázka")); // the goal never asked
    }

    void thePortScreenIsPlayedWithTheKeys() {
        TradingPort s;
        frmMain& w = *s.w;
        QVERIFY(Shown(w, true));
        // Keys open the panels (named in tooltips) and mark the tab; Escape closes one, or nothing.
        QVERIFY(Named(w, "tabObchod")->toolTip().contains(ShortcutHint(Qt::ALT | Qt::Key_O)));
        const std::tuple<QKeyCombination, int, const char*> shortcuts[] = {
            {Qt::ALT | Qt::Key_O, zalozka::Trade, "tabObchod"},
            {Qt::CTRL | Qt::Key_S, zalozka::Save, "tabMapa"},
        };
        for (const auto& [keys, panel, tab] : shortcuts) {
            press(w, {keys});
            QVERIFY(w.PanelAt(panel)->isVisible());
            QCOMPARE(portstyle::ForeColor(Named(w, tab)), portstyle::Red);
            press(w, {Qt::Key_Escape});
            QVERIFY(!w.PanelAt(panel)->isVisible());
            QCOMPARE(portstyle::ForeColor(Named(w, "tabMapa")), portstyle::Red);
        }
        press(w, {Qt::Key_Escape});
        QVERIFY(w.isVisible());

        // The trade panel: the arrows choose a row, Enter opens the box on it, the slider
        // takes the keys: Home nothing, End everything, a page a tenth, an arrow one unit.
        press(w, {Qt::ALT | Qt::Key_O, Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(Text(w, "boxTitle"), QStringLiteral("Nákup"));
        auto* slider = Named<QSlider>(w, "quantity");
        QVERIFY(QApplication::focusWidget() == slider);
        const int most = slider->maximum(), page = (most + 9) / 10;
        QVERIFY(most > 20);
        const std::pair<Qt::Key, int> moves[] = {{Qt::Key_Home, 0},
                                                 {Qt::Key_PageUp, page},
                                                 {Qt::Key_End, most},
                                                 {Qt::Key_Left, most - 1}};
        for (const auto& [key, value] : moves) {
            press(w, {key});
            QCOMPARE(slider->value(), value);
        }
        // The keypad's Enter buys as Return does.
        press(w, {Qt::KeypadModifier | Qt::Key_Enter});
        QVERIFY(!Named(w, "tradeBox")->isVisible());
        press(w, {Qt::Key_F4});
        QTRY_VERIFY(w.windowState() & Qt::WindowMinimized);
    }

    void theMenuIsPlayedWithTheKeys() {
        ScreenFixture fx;
        frmMenu menu(fx.game());
        int exits = 0;
        menu.ExitGame = [&] { ++exits; };
        QVERIFY(Shown(menu, true));
        for (const QString& name : {u"Amapa"_s, u"Bmapa"_s}) {
            fx.writeData(name + u".mlo"_s, u"[Mapa]\nMapa=%1\nNazev=%1\nPocetMest=3\n"_s.arg(name));
            fx.writeData(u"Save/"_s + name + u".mlo"_s, u"[Mapa]\nName=%1\n"_s.arg(name));
        }
        // A shortcut opens its panel as a click does; Escape closes it, and then does nothing.
        press(menu, {Qt::ALT | Qt::Key_O});
        QVERIFY(menu.PanelAt(menupanel::About) && menu.PanelAt(menupanel::About)->isVisible());
        press(menu, {Qt::Key_Escape});
        QVERIFY(!menu.PanelAt(menupanel::About)->isVisible());
        press(menu, {Qt::Key_Escape});
        QVERIFY(menu.isVisible());

        // The arrows choose a map and Enter opens its start form; Escape goes back to the album.
        press(menu, {Qt::CTRL | Qt::Key_N, Qt::Key_Down, Qt::Key_Return});
        QCOMPARE(menu.picName->Map, u"Bmapa"_s);
        press(menu, {Qt::Key_Escape});
        QVERIFY(!menu.picName->isVisible() && QApplication::focusWidget() == menu.album);

        // The load panel opens with nothing chosen, as for the mouse; the arrows choose.
        press(menu, {Qt::Key_Escape, Qt::CTRL | Qt::Key_O});
        QCOMPARE(menu.loadPanel->SelectedIndex(), -1);
        for (const int row : {0, 1, 1}) {
            press(menu, {Qt::Key_Down});
            QCOMPARE(menu.loadPanel->SelectedIndex(), row);
        }
        press(menu, {Qt::Key_Escape, Qt::CTRL | Qt::Key_Q});
        QCOMPARE(exits, 1);
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
