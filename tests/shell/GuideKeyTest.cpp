#include "guide/frmHelp.h"
#include "shell/Windows.h"
#include "support/PortFixture.h"
#include "widgets/ModalWait.h"
#include "widgets/Question.h"

#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTextBrowser>

using namespace vlnobrod;
using namespace vlnobrod::testing;

// F1 reaches the guide from windows that hold the keys: a question waiting in the port and
// the system's message boxes. Closing the guide leaves the question as it was.
class GuideKeyTest : public QObject {
    Q_OBJECT
private slots:
    void theGuideOpensOverAQuestionOrAMessageBoxAndTheyStillWait() {
        ScreenFixture fx;
        PrepareGame(fx);
        Windows windows(fx.game());
        windows.Start();
        windows.StartGame();
        frmMain* port = windows.Port();
        QVERIFY(port && Shown(*port, true));
        // F1 where the keys are: the guide is in front with the keys, and Escape closes it.
        const auto guideOpensAndEscapeClosesIt = [&] {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_F1);
            frmHelp* guide = windows.Guide();
            QVERIFY(guide && guide->isVisible() && QApplication::activeModalWidget() == guide);
            QTest::keyClick(guide->rtf, Qt::Key_Escape);
            QVERIFY(!guide->isVisible());
        };

        bool stillWaited = false;
        QTimer::singleShot(20, port, [&] {
            guideOpensAndEscapeClosesIt();
            stillWaited = ModalWait::Waiting(port);
            QTest::keyClick(port, Qt::Key_Return);
        });
        std::string title;
        QCOMPARE(port->ShowMessage("Opravdu?", MessageButtons::NeAno, title), MessageAnswer::Ano);
        QVERIFY(stillWaited);

        // Without a question the guide is a window beside the game; Escape gives the port the keys.
        QTest::keyClick(port, Qt::Key_F1);
        QVERIFY(windows.Guide()->isVisible() && windows.Guide()->windowModality() == Qt::NonModal);
        QTRY_VERIFY(windows.Guide()->isActiveWindow());
        QTest::keyClick(windows.Guide()->rtf, Qt::Key_Escape);
        QTRY_VERIFY(port->isActiveWindow());

        // A system message box over the port holds the keys as the question does.
        bool boxStayed = false;
        WhenModal<QMessageBox> systemBox([&](QMessageBox* box) {
            QVERIFY(Shown(*box, true));
            guideOpensAndEscapeClosesIt();
            boxStayed = box->isVisible();
            QTest::keyClick(box, Qt::Key_Escape);
        });
        AskInDialog(port, QStringLiteral("Vlnobrod"), QStringLiteral("Zpráva"), MessageButtons::OK,
                    QMessageBox::Warning);
        QVERIFY(boxStayed);
    }
};

QTEST_MAIN(GuideKeyTest)
#include "GuideKeyTest.moc"
