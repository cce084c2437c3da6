#include "guide/frmHelp.h"
#include "support/ScreenFixture.h"

#include <QScrollBar>
#include <QTest>
#include <QTextBrowser>

using namespace vlnobrod;

class frmHelpTest : public QObject {
    Q_OBJECT
private slots:
    void theHandbookCoversTheGameAndFollowsTheWindow() {
        testing::ScreenFixture fx;
        frmHelp w(fx.game());
        const QString text = w.rtf->toPlainText();
        for (const char* heading :
             {"Obchodování", "Plavba", "Souboj s piráty", "Jak vyhrát", "Ukládání a načítání"})
            QVERIFY2(text.contains(QString::fromUtf8(heading)), heading);
        // Trend marks belong to the research chart; the trade panel shows none.
        const QString market = text.section(QStringLiteral("Trh města otevře"), 1)
                                   .section(QStringLiteral("průzkum trhu"), 0, 0);
        QVERIFY(!market.isEmpty() && !market.contains(QStringLiteral("značka")));
        // A contents link takes the reader down; "<< zpět na obsah" brings the contents back.
        w.resize(500, 300);
        QVERIFY(testing::Shown(w));
        w.rtf->scrollToAnchor(QStringLiteral("ukladani"));
        QVERIFY(w.rtf->verticalScrollBar()->value() > 0);
        QTest::mouseClick(w.lblAkceB[0], Qt::LeftButton);
        QCOMPARE(w.rtf->verticalScrollBar()->value(), 0);
        const QSize before = w.rtf->size();
        w.resize(900, 700);
        QCOMPARE(w.rtf->size() - before, QSize(400, 400));
    }
};

QTEST_MAIN(frmHelpTest)
#include "frmHelpTest.moc"
