#include "support/PortFixture.h"
#include "widgets/PortStyle.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

using namespace vlnobrod;
using vlnobrod::testing::Answerer;

namespace {

// Drags the panel by its title bar from `from` by `by` pixels and drops it there.
void drag(Panel& panel, QPoint by) {
    QWidget* bar = panel.TitleBar();
    const QPoint from(40, 10);
    const QPoint start = bar->mapToGlobal(from);
    auto send = [bar](QEvent::Type type, QPoint global, Qt::MouseButtons held) {
        QMouseEvent e(type, bar->mapFromGlobal(global), global, Qt::LeftButton, held,
                      Qt::NoModifier);
        QApplication::sendEvent(bar, &e);
    };
    send(QEvent::MouseButtonPress, start, Qt::LeftButton);
    send(QEvent::MouseMove, start + by, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, start + by, Qt::NoButton);
}

} // namespace

class CityInfoScreenTest : public QObject {
    Q_OBJECT
private slots:
    // Zlatý Mys: a big city, closed for 2500, without research; cash 25 000.
    void aLeftClickOpensTheFilledPanelAndItsActionsWork() {
        testing::PortScreen s;
        frmMain& w = *s.w;
        QTest::mouseClick(w.lblMěsto[2], Qt::RightButton);
        QVERIFY(w.picInf->isHidden());
        QTest::mouseClick(w.lblMěsto[2], Qt::LeftButton);
        QVERIFY(w.picInf->isVisible());
        QCOMPARE(w.picInfTag, QStringLiteral("1"));
        QCOMPARE(w.lbl[0]->text(), QStringLiteral("Zlatý Mys"));
        QCOMPARE(w.lbl[0]->Tag, QStringLiteral("2"));
        QCOMPARE(w.lbl[10]->text(), QStringLiteral("velkoměsto"));
        QCOMPARE(w.lbl[11]->text(), QString());
        QVERIFY(w.lblAkce[0]->isVisible());
        QCOMPARE(w.lblAkce[0]->Tag, QStringLiteral("2500"));
        QVERIFY(w.lblAkce[1]->isVisible() && w.lblAkce[2]->isVisible());
        QVERIFY(w.picGraf->isHidden());

        // Access: asked, paid, the marker turns black, the offer goes.
        Answerer yes(w, QStringLiteral("Ano"));
        QTest::mouseClick(w.lblAkce[0], Qt::LeftButton);
        QCOMPARE(yes.texts, QStringList{QStringLiteral("Chcete koupit přístup za 2 500 zlatých?")});
        QCOMPARE(yes.captions, QStringList{QStringLiteral("Ne/Ano/Zrušit")});
        QCOMPARE(s.st().Hotovost, 22500.0);
        QCOMPARE(w.lblHotovost->text(), QStringLiteral("22 500"));
        QCOMPARE(portstyle::ForeColor(w.lblMěsto[2]), portstyle::Black);
        QVERIFY(w.lblAkce[0]->isHidden());

        // A day's research: the chart with the city's price, the offers gone, so a second
        // click charges nothing; the toggle hides and shows it for nothing.
        QTest::mouseClick(w.lblAkce[1], Qt::LeftButton);
        QCOMPARE(s.st().Hotovost, 22490.0);
        QVERIFY(w.picGraf->isVisible());
        QCOMPARE(w.lblSurovina[14 + 2]->text(), QStringLiteral("150"));
        QVERIFY(w.lblAkce[1]->isHidden() && w.lblAkce[2]->isHidden());
        QTest::mouseClick(w.lblAkce[21], Qt::LeftButton);
        QVERIFY(w.picGraf->isHidden());
        QTest::mouseClick(w.lblAkce[21], Qt::LeftButton);
        QVERIFY(w.picGraf->isVisible());
        QCOMPARE(s.st().Hotovost, 22490.0);
        QCOMPARE(yes.texts.size(), 1);

        // The day's end takes the chart and offers the research again.
        w.PricesMoved();
        QVERIFY(w.picGraf->isVisible());
        s.st().Cities[2].PruzkumTrhu = 0;
        w.PricesMoved();
        QVERIFY(w.picGraf->isHidden());
        QVERIFY(w.lblAkce[1]->isVisible() && w.lblAkce[2]->isVisible());

        // "> plout sem" asks to sail to the shown city; the cross closes the panel, and the
        // next city opens it again, filled for that city.
        QSignalSpy sail(&w, &frmMain::sailRequested);
        QTest::mouseClick(w.lblAkce[20], Qt::LeftButton);
        QCOMPARE(sail.count(), 1);
        QCOMPARE(sail.at(0).at(0).toInt(), 2);
        QTest::mouseClick(w.lblAkce[19], Qt::LeftButton);
        QVERIFY(w.picInf->isHidden());
        QCOMPARE(w.picInfTag, QStringLiteral("0"));
        QTest::mouseClick(w.lblMěsto[0], Qt::LeftButton);
        QVERIFY(w.picInf->isVisible());
        QCOMPARE(w.lbl[0]->text(), QStringLiteral("Vlnobrod"));
        QCOMPARE(w.lbl[10]->text(), QStringLiteral("malé"));
        QVERIFY(w.lblAkce[0]->isHidden());
    }

    void theQuestionHoldsTheWindowAndTheDroppedPanelComesBack() {
        testing::PortScreen s;
        frmMain& w = *s.w;
        QTest::mouseClick(w.lblMěsto[2], Qt::LeftButton);
        // While the permanent research is asked, another city's click is not taken.
        QString asked;
        QTimer::singleShot(0, &w, [&] {
            asked = w.lblText->text();
            QTest::mouseClick(w.lblMěsto[0], Qt::LeftButton);
            QTest::mouseClick(w.lblAkce[1], Qt::LeftButton);
            for (ClickLabel* b : w.cmd)
                if (b->text() == QStringLiteral("Ne"))
                    QTest::mouseClick(b, Qt::LeftButton);
        });
        QTest::mouseClick(w.lblAkce[2], Qt::LeftButton);
        QCOMPARE(asked, QStringLiteral("Chcete koupit permanentní průzkum trhu za 500 zlatých"));
        QCOMPARE(w.lbl[0]->text(), QStringLiteral("Zlatý Mys"));
        QCOMPARE(s.st().Hotovost, 25000.0);
        QCOMPARE(s.st().Cities[2].PruzkumTrhu, std::uint8_t{0});

        // Dropped past the chart's right edge and above the window: back on both counts.
        drag(*w.picInf, QPoint(2000, -2000));
        QCOMPARE(w.picInf->pos(), QPoint(w.Hra->width() - w.picInf->width() - 5, 0));
        drag(*w.picInf, QPoint(-3000, 3000));
        QCOMPARE(w.picInf->pos(), QPoint(0, w.height() - Panel::TitleHeight));
    }
};

QTEST_MAIN(CityInfoScreenTest)
#include "CityInfoScreenTest.moc"
