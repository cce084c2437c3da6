#include "PortFixture.h"
#include "port/News.h"
#include "voyage/NewsTicker.h"

#include <QTest>

using namespace vlnobrod;

namespace {

struct Asked {
    std::uint8_t answer = 0;
    QStringList captions; // the answer labels shown, from the left
    QString title;
};

// Asks with the given buttons code and clicks answer label `click` once the box is up.
Asked ask(frmMain& w, std::uint8_t buttons, int click, std::string title = "Otázka") {
    Asked a;
    QTimer::singleShot(0, &w, [&] {
        for (ClickLabel* c : w.cmd)
            if (c->isVisible())
                a.captions << c->text();
        a.title = w.lblTitulek->text();
        QTest::mouseClick(w.cmd[static_cast<std::size_t>(click)], Qt::LeftButton);
    });
    a.answer = w.ShowMessage("Opravdu?", buttons, title);
    return a;
}

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
        testing::ScreenFixture fx;
        frmMain w(fx.game());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));

        Asked a = ask(w, 0, 0);
        QCOMPARE(a.captions, QStringList{"OK"});
        QCOMPARE(a.answer, std::uint8_t(1));

        QCOMPARE(ask(w, 1, 0).answer, std::uint8_t(1));
        a = ask(w, 1, 1);
        QCOMPARE(a.captions, (QStringList{"OK", "Zrušit"}));
        QCOMPARE(a.answer, std::uint8_t(2));

        a = ask(w, 3, 0);
        QCOMPARE(a.captions, (QStringList{"Ne", "Ano", "Zrušit"}));
        QCOMPARE(a.answer, std::uint8_t(7));
        QCOMPARE(ask(w, 3, 1).answer, std::uint8_t(6));
        QCOMPARE(ask(w, 3, 2).answer, std::uint8_t(2));

        a = ask(w, 4, 1);
        QCOMPARE(a.captions, (QStringList{"Ne", "Ano"}));
        QCOMPARE(a.answer, std::uint8_t(6));

        // A code the box does not know still gives a way out.
        a = ask(w, 2, 0);
        QCOMPARE(a.captions, QStringList{"OK"});
        QCOMPARE(a.answer, std::uint8_t(1));
        QCOMPARE(ask(w, 200, 0).captions, QStringList{"OK"});

        QVERIFY(w.picMsgBox->isHidden());
    }

    void anEmptyTitleBecomesZprava() {
        testing::ScreenFixture fx;
        frmMain w(fx.game());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        std::string title;
        QTimer::singleShot(0, &w, [&] { QTest::mouseClick(w.cmd[0], Qt::LeftButton); });
        w.ShowMessage("Text", 0, title);
        QCOMPARE(title, std::string("Zpráva"));
        QCOMPARE(w.lblTitulek->text(), QStringLiteral("Zpráva"));
        QCOMPARE(w.lblText->text(), QStringLiteral("Text"));
    }

    void aSecondMessageTakesOverAndBothGetTheAnswer() {
        testing::ScreenFixture fx;
        frmMain w(fx.game());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        std::uint8_t inner = 0;
        QString innerTitle;
        // While the first question waits, a timer asks another.
        QTimer::singleShot(20, &w, [&] {
            QTimer::singleShot(20, &w, [&] {
                innerTitle = w.lblTitulek->text();
                QTest::mouseClick(w.cmd[1], Qt::LeftButton);
            });
            std::string t = "Druhá";
            inner = w.ShowMessage("Druhá otázka", 4, t);
        });
        std::string t = "První";
        const std::uint8_t outer = w.ShowMessage("První otázka", 3, t);
        QCOMPARE(innerTitle, QStringLiteral("Druhá"));
        QCOMPARE(inner, std::uint8_t(6));
        QCOMPARE(outer, std::uint8_t(6));
        QVERIFY(w.picMsgBox->isHidden());
    }

    void theWaitKeepsTheTickerRunning() {
        testing::ScreenFixture fx;
        frmMain w(fx.game());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.tmrAktuality->interval(), 1000);
        QVERIFY(w.tmrAktuality->isActive());
        AddNews(fx.game().state, "Loď připlula", NewsInfo);
        w.tmrAktuality->start(); // the next tick comes a second from now, inside the wait
        QString seen;
        QTimer::singleShot(1600, &w, [&] {
            seen = w.lblInfo[0]->text();
            QTest::mouseClick(w.cmd[0], Qt::LeftButton);
        });
        std::string title;
        w.ShowMessage("Čekám", 0, title);
        QCOMPARE(seen, QStringLiteral("Loď připlula"));
    }

    void theTickerShowsOneItemASecond() {
        testing::ScreenFixture fx;
        frmMain w(fx.game());
        w.tmrAktuality->stop();
        GameState& st = fx.game().state;
        AddNews(st, "První", NewsInfo);
        AddNews(st, "Druhá", NewsPlain);
        AddNews(st, "Třetí", NewsError);
        AddNews(st, "Čtvrtá", NewsWarning); // the queue is full: lost

        w.tmrAktuality_Timer();
        QCOMPARE(w.lblInfo[0]->text(), QStringLiteral("První"));
        QCOMPARE(w.lblInfo[1]->text(), QStringLiteral("Vlnobrod"));
        QVERIFY(!w.imgIkona[0]->pixmap().isNull());
        QVERIFY(w.imgIkona[1]->pixmap().isNull());
        const QImage infoIcon = w.imgIkona[0]->pixmap().toImage();

        w.tmrAktuality_Timer();
        QCOMPARE(w.lblInfo[0]->text(), QStringLiteral("Druhá"));
        QCOMPARE(w.lblInfo[1]->text(), QStringLiteral("První"));
        QVERIFY(w.imgIkona[0]->pixmap().isNull()); // kind 0 clears the icon
        QCOMPARE(w.imgIkona[1]->pixmap().toImage(), infoIcon);

        w.tmrAktuality_Timer();
        QCOMPARE(w.lblInfo[0]->text(), QStringLiteral("Třetí"));
        QVERIFY(w.imgIkona[1]->pixmap().isNull()); // the empty icon moved down
        QVERIFY(!w.imgIkona[0]->pixmap().isNull());

        // Nothing more: the fourth item was lost.
        w.tmrAktuality_Timer();
        QCOMPARE(w.lblInfo[0]->text(), QStringLiteral("Třetí"));
        QCOMPARE(w.lblInfo[1]->text(), QStringLiteral("Druhá"));

        // A free slot 0 stops the ticker even with an item behind it.
        st.NewsQueue[1] = {"Za mezerou", NewsInfo};
        w.tmrAktuality_Timer();
        QCOMPARE(w.lblInfo[0]->text(), QStringLiteral("Třetí"));
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
        w.sounds.clear();
        ask(w, 0, 0);
        QCOMPARE(w.sounds, QStringList{"Ding"});

        w.sounds.clear();
        QString title;
        QTimer::singleShot(0, &w, [&] {
            title = w.lblTitulek->text();
            QTest::mouseClick(w.cmd[0], Qt::LeftButton);
        });
        QTest::mouseClick(w.lblAkce[16], Qt::LeftButton);
        QCOMPARE(title, QStringLiteral("Úkolem této mapy je ..."));
        QVERIFY(w.sounds.isEmpty());

        // The tabs have their own sound.
        QTest::mouseClick(w.lblZal[2], Qt::LeftButton);
        QCOMPARE(w.sounds, QStringList{"Nabídka"});
    }

    void eachKindHasItsOwnIconAndUnknownKindsNone() {
        QVERIFY(NewsIcon(NewsPlain).isNull());
        QList<QImage> icons;
        for (std::uint8_t kind = 1; kind <= 4; ++kind) {
            const QPixmap icon = NewsIcon(kind);
            QVERIFY(!icon.isNull());
            QVERIFY(!icons.contains(icon.toImage()));
            icons << icon.toImage();
        }
        QVERIFY(NewsIcon(5).isNull());
        QVERIFY(NewsIcon(255).isNull());

        testing::ScreenFixture fx;
        frmMain w(fx.game());
        AddNews(fx.game().state, "Neznámá zpráva", 7);
        w.tmrAktuality_Timer();
        QCOMPARE(w.lblInfo[0]->text(), QStringLiteral("Neznámá zpráva"));
        QVERIFY(w.imgIkona[0]->pixmap().isNull());
    }
};

QTEST_MAIN(MessageBoxTest)
#include "MessageBoxTest.moc"
