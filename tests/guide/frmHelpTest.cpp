#include "guide/frmHelp.h"
#include "support/ScreenFixture.h"

#include <QLabel>
#include <QTest>
#include <QTextBrowser>

using namespace vlnobrod;

class frmHelpTest : public QObject {
    Q_OBJECT
private slots:
    void theHandbookCoversTradeSailingBattleAndWinning() {
        testing::ScreenFixture fx;
        frmHelp w(fx.game());
        QCOMPARE(w.windowTitle(), QStringLiteral("Průvodce"));
        QCOMPARE(w.lbl0->text(), QStringLiteral("Stručná příručka"));
        const QString text = w.rtf->toPlainText();
        for (const char* heading :
             {"Obchodování", "Plavba", "Souboj s piráty", "Jak vyhrát", "Ukládání a načítání"})
            QVERIFY2(text.contains(QString::fromUtf8(heading)), heading);
        QVERIFY(w.rtf->isReadOnly());
    }

    void theTextBoxFollowsTheWindow() {
        testing::ScreenFixture fx;
        frmHelp w(fx.game());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        for (const QSize size : {QSize(500, 400), QSize(900, 700), QSize(300, 200)}) {
            w.resize(size);
            QCOMPARE(w.rtf->geometry(), QRect(0, 20, w.width() - 2, w.height() - 22));
        }
    }

    void backToContentsChangesNothing() {
        testing::ScreenFixture fx;
        frmHelp w(fx.game());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        const QString before = w.rtf->toHtml();
        QTest::mouseClick(w.lblAkceB[0], Qt::LeftButton);
        QCOMPARE(w.rtf->toHtml(), before);
        QVERIFY(w.isVisible());
    }
};

QTEST_MAIN(frmHelpTest)
#include "frmHelpTest.moc"
