#include "port/News.h"
#include "port/NewsTicker.h"
#include "port/PortLabels.h"
#include "support/PortFixture.h"

#include <QTest>

using namespace vlnobrod;
using vlnobrod::testing::Answerer;
using vlnobrod::testing::PortScreen;

namespace {

// The port screen with its sounds written down instead of played.
class ListeningPort : public frmMain {
public:
    using frmMain::frmMain;
    void PlaySoundName(const std::string& name) override { sounds << QString::fromStdString(name); }
    QStringList sounds;
};

} // namespace

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void everyButtonsCodeGivesItsAnswers() {
        PortScreen s("");
        struct Case {
            std::uint8_t buttons;
            const char* click;
            const char* shown;
            std::uint8_t answer;
        };
        const Case cases[] = {
            {0, "OK", "OK", 1},
            {1, "OK", "OK/Zrušit", 1},
            {1, "Zrušit", "OK/Zrušit", 2},
            {3, "Ne", "Ne/Ano/Zrušit", 7},
            {3, "Ano", "Ne/Ano/Zrušit", 6},
            {3, "Zrušit", "Ne/Ano/Zrušit", 2},
            {4, "Ano", "Ne/Ano", 6},
            {4, "Ne", "Ne/Ano", 7},
            // A code the box does not know still gives a way out.
            {2, "OK", "OK", 1},
            {200, "OK", "OK", 1},
        };
        for (const Case& c : cases) {
            Answerer a(*s.w, QString::fromUtf8(c.click));
            std::string title; // an empty title becomes "Zpráva"
            // The codes are the message box's contract: buttons in, answer out.
            const MessageAnswer answer =
                s.w->ShowMessage("Opravdu?", static_cast<MessageButtons>(c.buttons), title);
            QCOMPARE(static_cast<std::uint8_t>(answer), c.answer);
            QCOMPARE(a.captions, QStringList{QString::fromUtf8(c.shown)});
            QCOMPARE(a.titles, QStringList{QStringLiteral("Zpráva")});
            QCOMPARE(title, std::string("Zpráva"));
        }
        QVERIFY(s.w->picMsgBox->isHidden());
    }

    // Enter gives OK or "Ano", Escape "Zrušit", else "Ne", else the box's only answer.
    void enterAndEscapeAnswerTheBox() {
        PortScreen s("");
        frmMain& w = *s.w;
        struct Case {
            MessageButtons buttons;
            Qt::Key key;
            int answer;
        };
        const Case cases[] = {
            {MessageButtons::OK, Qt::Key_Return, 1},
            {MessageButtons::OK, Qt::Key_Escape, 1},
            {MessageButtons::OKZrusit, Qt::Key_Enter, 1},
            {MessageButtons::OKZrusit, Qt::Key_Escape, 2},
            {MessageButtons::NeAnoZrusit, Qt::Key_Return, 6},
            {MessageButtons::NeAnoZrusit, Qt::Key_Escape, 2},
            {MessageButtons::NeAno, Qt::Key_Return, 6},
            {MessageButtons::NeAno, Qt::Key_Escape, 7},
        };
        for (const Case& c : cases) {
            // A key that answered nothing leaves the box to a click a second later.
            bool unanswered = false;
            QTimer click;
            click.setSingleShot(true);
            connect(&click, &QTimer::timeout, &w, [&] {
                unanswered = true;
                QTest::mouseClick(w.cmd[0], Qt::LeftButton);
            });
            QTimer::singleShot(20, &w, [&] {
                QTest::keyClick(&w, c.key);
                click.start(1000);
            });
            std::string title;
            const MessageAnswer answer = w.ShowMessage("Opravdu?", c.buttons, title);
            click.stop();
            QVERIFY(!unanswered);
            QCOMPARE(static_cast<int>(answer), c.answer);
        }
    }

    // A question asked while another waits is answered on its own; then the first comes back
    // with its own text and waits for its own answer.
    void eachAnswerAnswersOneQuestion() {
        PortScreen s("");
        frmMain& w = *s.w;
        MessageAnswer inner = MessageAnswer::OK;
        QString backAgain;
        QTimer::singleShot(20, &w, [&] {
            QTimer::singleShot(20, &w, [&] { QTest::mouseClick(w.cmd[1], Qt::LeftButton); });
            std::string t = "Druhá";
            inner = w.ShowMessage("Druhá otázka", MessageButtons::NeAno, t);
            QTimer::singleShot(20, &w, [&] {
                backAgain = w.lblTitulek->text() + QLatin1Char('|') + w.lblText->text();
                QTest::mouseClick(w.cmd[0], Qt::LeftButton);
            });
        });
        std::string t = "První";
        const MessageAnswer outer = w.ShowMessage("První otázka", MessageButtons::NeAnoZrusit, t);
        QVERIFY(inner == MessageAnswer::Ano);
        QCOMPARE(backAgain, QStringLiteral("První|První otázka"));
        QVERIFY(outer == MessageAnswer::Ne);
        QVERIFY(w.picMsgBox->isHidden());
        QVERIFY(!w.Waiting());
    }

    // While the box waits, nothing else of the window takes a click or a key, the box stays
    // over any panel, and the window is neither closed nor put aside.
    void aWaitingBoxHasTheWindowToItself() {
        PortScreen s;
        frmMain& w = *s.w;
        bool backToMenu = false;
        w.BackToMenu = [&] { backToMenu = true; };
        QStringList seen;
        QTimer::singleShot(20, &w, [&] {
            QTest::mouseClick(w.lblZal[2], Qt::LeftButton); // the dock tab
            QTest::mouseClick(w.lblAkce[akce::BackToMenu], Qt::LeftButton);
            QTest::mouseDClick(w.lblAkce[akce::Goal], Qt::LeftButton);
            QTest::keyClick(&w, Qt::Key_F4);
            w.close();
            seen << (w.picZáložka[1]->isVisible() ? "dock" : "") << (w.isVisible() ? "shown" : "")
                 << (w.isMinimized() ? "minimised" : "");
            w.lblZal_Click(3); // the bank panel, opened by the program
            seen << (w.childAt(w.picMsgBox->geometry().center()) != nullptr &&
                             w.picMsgBox->isAncestorOf(w.childAt(w.picMsgBox->geometry().center()))
                         ? "box on top"
                         : "box hidden");
            QTest::mouseClick(w.cmd[0], Qt::LeftButton);
        });
        std::string title = "Otázka";
        w.ShowMessage("Čekám", MessageButtons::OK, title);
        QCOMPARE(seen, (QStringList{"", "shown", "", "box on top"}));
        QVERIFY(!backToMenu);
        QCOMPARE(w.lblTitulek->text(), QStringLiteral("Otázka")); // the goal never asked
    }

    void theWaitKeepsTheTickerRunning() {
        PortScreen s("");
        frmMain& w = *s.w;
        QCOMPARE(w.tmrAktuality->interval(), 1000);
        AddNews(s.st(), "Loď připlula", NewsInfo);
        w.tmrAktuality->start(); // the next tick comes a second from now, inside the wait
        QString seen;
        QTimer::singleShot(1600, &w, [&] {
            seen = w.lblInfo[0]->text();
            QTest::mouseClick(w.cmd[0], Qt::LeftButton);
        });
        std::string title;
        w.ShowMessage("Čekám", MessageButtons::OK, title);
        QCOMPARE(seen, QStringLiteral("Loď připlula"));
    }

    void theTickerMovesOneItemUpPerTickWithItsIcon() {
        // Kinds 1 to 4 have icons of their own, kind 0 and unknown kinds none.
        QVERIFY(NewsIcon(NewsPlain).isNull());
        QList<QImage> icons;
        for (std::uint8_t kind = 1; kind <= 4; ++kind) {
            const QImage icon = NewsIcon(kind).toImage();
            QVERIFY(!icon.isNull());
            QVERIFY(!icons.contains(icon));
            icons << icon;
        }
        QVERIFY(NewsIcon(5).isNull());
        QVERIFY(NewsIcon(255).isNull());

        testing::ScreenFixture fx;
        frmMain w(fx.game());
        w.tmrAktuality->stop();
        AddNews(fx.game().state, "První", NewsInfo);
        AddNews(fx.game().state, "Druhá", NewsPlain);
        AddNews(fx.game().state, "Neznámá", 7);
        w.tmrAktuality_Timer();
        QCOMPARE(w.lblInfo[0]->text(), QStringLiteral("První"));
        QCOMPARE(w.lblInfo[1]->text(), QStringLiteral("Vlnobrod"));
        QCOMPARE(w.imgIkona[0]->pixmap().toImage(), icons[NewsInfo - 1]);
        QVERIFY(w.imgIkona[1]->pixmap().isNull());
        w.tmrAktuality_Timer();
        QCOMPARE(w.lblInfo[0]->text(), QStringLiteral("Druhá"));
        QCOMPARE(w.lblInfo[1]->text(), QStringLiteral("První"));
        QVERIFY(w.imgIkona[0]->pixmap().isNull());
        QCOMPARE(w.imgIkona[1]->pixmap().toImage(), icons[NewsInfo - 1]);
        w.tmrAktuality_Timer();
        QCOMPARE(w.lblInfo[0]->text(), QStringLiteral("Neznámá"));
        QVERIFY(w.imgIkona[0]->pixmap().isNull());
        // The queue is empty: the lines stay.
        w.tmrAktuality_Timer();
        QCOMPARE(w.lblInfo[1]->text(), QStringLiteral("Druhá"));
    }

    void everyMessageRingsExceptTheGoal() {
        testing::ScreenFixture fx;
        testing::PrepareGame(fx);
        fx.writeData(QStringLiteral("Mapa1.mlo"),
                     QStringLiteral("[Mapa]\nUkol=Vydělejte milion.\n"));
        ListeningPort w(fx.game());
        w.Form_Load();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        Answerer ok(w, QStringLiteral("OK"));
        w.sounds.clear();
        std::string title = "Otázka";
        w.ShowMessage("Opravdu?", MessageButtons::OK, title);
        QCOMPARE(w.sounds, QStringList{"Ding"});
        w.sounds.clear();
        QTest::mouseClick(w.lblAkce[16], Qt::LeftButton);
        QCOMPARE(ok.titles.last(), QStringLiteral("Úkolem této mapy je ..."));
        QVERIFY(w.sounds.isEmpty());
        // The tabs have their own sound.
        QTest::mouseClick(w.lblZal[2], Qt::LeftButton);
        QCOMPARE(w.sounds, QStringList{"Nabídka"});
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
