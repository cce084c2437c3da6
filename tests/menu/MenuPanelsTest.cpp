#include "menu/LoadPanel.h"
#include "menu/MapAlbum.h"
#include "menu/StartForm.h"
#include "menu/frmMenu.h"
#include "support/ScreenFixture.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

using namespace vlnobrod;

namespace {

QString mapText(const QString& title, const QString& cities) {
    return QStringLiteral("[Mapa]\nMapa=%1\nNazev=%1\nPocetMest=%2\nPopis=Mapa %1 pro zkoušku\n"
                          "Hotovost=40000\n[Mesto00]\nNazev=Vlnobrod\n")
        .arg(title, cities);
}

void setModified(const QString& path, const QDateTime& when) {
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadWrite));
    QVERIFY(f.setFileTime(when, QFileDevice::FileModificationTime));
}

struct Menu {
    testing::ScreenFixture fx;
    frmMenu menu{fx.game()};
    int portOpened = 0;
    Menu() {
        menu.OpenPortScreen = [this] { ++portOpened; };
        menu.show();
        QVERIFY(QTest::qWaitForWindowExposed(&menu));
    }
};

} // namespace

class MenuPanelsTest : public QObject {
    Q_OBJECT
private slots:
    void opensWithTheGamesEntriesAndKonecEndsTheGame() {
        Menu m;
        int exits = 0;
        m.menu.ExitGame = [&] { ++exits; };
        QCOMPARE(m.menu.windowTitle(), QStringLiteral("Vlnobrod - hlavní menu"));
        const QStringList captions = {"Konec >", "Nová hra", "Načíst hru",  "Nastavení",
                                      "Návod",   "O hře",    "Externí hry", "Pokračovat ve hře >"};
        for (int i = 0; i < frmMenu::ActionCount; ++i) {
            QCOMPARE(m.menu.lblAkce[i]->text(), captions[i]);
            QCOMPARE(m.menu.lblAkce[i]->isVisible(), i != 7);
        }
        QTest::mouseClick(m.menu.lblAkce[0], Qt::LeftButton);
        QCOMPARE(exits, 1);
    }

    void hoverGrowsOneEntryAtATimeByFivePoints() {
        Menu m;
        const qreal normal = m.menu.lblAkce[1]->font().pointSizeF();
        // Real mouse moves: moving about inside one entry keeps it grown.
        QTest::mouseMove(m.menu.lblAkce[1], QPoint(5, 5));
        QTest::mouseMove(m.menu.lblAkce[1], QPoint(12, 8));
        QCOMPARE(m.menu.lblAkce[1]->font().pointSizeF(), normal + 5);
        QTest::mouseMove(m.menu.lblAkce[2], QPoint(5, 5));
        QCOMPARE(m.menu.lblAkce[1]->font().pointSizeF(), normal);
        QCOMPARE(m.menu.lblAkce[2]->font().pointSizeF(), 25.25);
        // The bare window takes the highlight away.
        QTest::mouseMove(&m.menu, QPoint(700, 580));
        QCOMPARE(m.menu.lblAkce[2]->font().pointSizeF(), 20.25);
    }

    void theAlbumShowsEveryMapInNameOrderAndReusesItsRows() {
        Menu m;
        m.fx.writeData(QStringLiteral("Cmapa.mlo"), mapText(QStringLiteral("Cmapa"), "12"));
        m.fx.writeData(QStringLiteral("Amapa.mlo"), mapText(QStringLiteral("Amapa"), "5"));
        m.fx.writeData(QStringLiteral("Bmapa.mlo"), QStringLiteral("[Mapa]\n"));
        QImage chart(200, 120, QImage::Format_RGB32);
        chart.fill(Qt::blue);
        QVERIFY(chart.save(m.fx.dataPath(QStringLiteral("Amapa.jpg"))));

        QTest::mouseClick(m.menu.lblAkce[1], Qt::LeftButton);
        QVERIFY(m.menu.picZáložka[0]->isVisible());
        MapAlbum* a = m.menu.album;
        QCOMPARE(a->Count(), 3);
        for (int i = 0; i < 3; ++i)
            QCOMPARE(a->imgMap[i]->Tag, QStringLiteral("%1mapa").arg(QChar('A' + i)));
        QCOMPARE(a->lblMapMesta[2]->text(), QStringLiteral("Počet měst: 12"));
        QCOMPARE(a->lblMapPopis[0]->text(), QStringLiteral("Mapa Amapa pro zkoušku"));
        QCOMPARE(a->lblMapPopis[0]->textFormat(), Qt::PlainText);
        // A map without a picture shows an empty one.
        QVERIFY(!a->imgMap[0]->pixmap().isNull());
        QVERIFY(a->imgMap[1]->pixmap().isNull());

        QTest::mouseClick(m.menu.lblAkce[1], Qt::LeftButton);
        QCOMPARE(a->imgMap.size(), std::size_t{3});
        QCOMPARE(a->Count(), 3);
    }

    void aLongAlbumScrollsAndAnEmptyOneShowsNothing() {
        Menu m;
        QTest::mouseClick(m.menu.lblAkce[1], Qt::LeftButton);
        QCOMPARE(m.menu.album->Count(), 0);
        QCOMPARE(m.menu.album->vsAlba->maximum(), 0);

        for (int i = 0; i < 9; ++i)
            m.fx.writeData(QStringLiteral("M%1.mlo").arg(i), mapText(QString::number(i), "3"));
        QTest::mouseClick(m.menu.lblAkce[1], Qt::LeftButton);
        MapAlbum* a = m.menu.album;
        QCOMPARE(a->Count(), 9);
        QCOMPARE(a->vsAlba->maximum(), a->pic1->height() - a->height());
        QVERIFY(a->vsAlba->maximum() > 0);
        a->vsAlba->setValue(50);
        QCOMPARE(a->pic1->y(), -50);
    }

    void aFailedCopyKeepsTheMenuOpenWithAMessage() {
        Menu m;
        m.fx.writeData(QStringLiteral("Mapa1.mlo"), mapText(QStringLiteral("Mapa1"), "4"));
        // A folder stands where the state file has to go.
        QVERIFY(QDir().mkpath(m.fx.dataPath(QStringLiteral("aktual.map/obsazeno"))));
        QTest::mouseClick(m.menu.lblAkce[1], Qt::LeftButton);
        QTest::mouseClick(m.menu.album->imgMap[0], Qt::LeftButton);
        QTest::mouseClick(m.menu.lblAkceB[0], Qt::LeftButton);
        QCOMPARE(m.portOpened, 0);
        QVERIFY(m.fx.game().state.HandOff.empty());
        QVERIFY(m.menu.picZáložka[0]->isVisible());
        QVERIFY(m.menu.picName->lblProblem->isVisible());
        QVERIFY(m.menu.picName->lblProblem->text().startsWith("Hru se nepodařilo připravit"));
        QVERIFY(m.menu.isVisible());
    }

    void theLoadPanelListsShowsAndLoadsTheNewest() {
        Menu m;
        const QString alfa = m.fx.writeData(QStringLiteral("Save/Alfa.mlo"),
                                            QStringLiteral("[Mapa]\nName=Ota\nCompany=Jantar\n"));
        const QString last = m.fx.writeData(QStringLiteral("Save/Poslední hra.mlo"),
                                            QStringLiteral("[Mapa]\nName=Eva\nDen=33\n"));
        m.fx.writeData(QStringLiteral("Save/poznamka.txt"), QStringLiteral("x"));
        setModified(alfa, QDateTime::currentDateTime().addYears(-1));
        setModified(last, QDateTime::currentDateTime());

        QTest::mouseClick(m.menu.lblAkce[2], Qt::LeftButton);
        LoadPanel* p = m.menu.loadPanel;
        QVERIFY(p->isVisible());
        QCOMPARE(p->FileLoad->count(), 2);
        QCOMPARE(p->FileLoad->item(0)->text(), QStringLiteral("Alfa.mlo"));
        // Nothing selected: loading does nothing.
        QTest::mouseClick(m.menu.lblAkceB[1], Qt::LeftButton);
        QCOMPARE(m.portOpened, 0);

        p->Select(0);
        QCOMPARE(p->lbl1->text(), QStringLiteral("Ota"));
        QCOMPARE(p->lbl2->text(), QStringLiteral("Jantar"));
        QCOMPARE(p->lbl2->textFormat(), Qt::PlainText); // a company as its owner typed it
        QVERIFY(p->lbl35->text().contains(QString::number(QDate::currentDate().year() - 1)));
        QTest::mouseClick(m.menu.lblAkceB[8], Qt::LeftButton);
        QCOMPARE(m.portOpened, 1);
        QCOMPARE(p->FileLoad->currentRow(), 1);
        QCOMPARE(p->lbl1->text(), QStringLiteral("Eva"));
        Profiles fresh;
        QCOMPARE(fresh.ReadProfile(m.fx.dataPath(QStringLiteral("aktual.map")).toStdString(),
                                   "Mapa", "Den", ""),
                 std::string("33"));
        QVERIFY(m.fx.game().state.PendingAction == Pending::None);
    }

    void deletingAsksFirstAndAMissingFolderListsNothing() {
        Menu m;
        const QString f =
            m.fx.writeData(QStringLiteral("Save/Stara.mlo"), QStringLiteral("[Mapa]\n"));
        QStringList asked;
        bool agree = false;
        m.menu.ConfirmDelete = [&](const QString& file) {
            asked << file;
            return agree;
        };
        QTest::mouseClick(m.menu.lblAkce[2], Qt::LeftButton);
        QTest::mouseClick(m.menu.lblAkceB[7], Qt::LeftButton);
        QVERIFY(asked.isEmpty()); // nothing selected

        m.menu.loadPanel->Select(0);
        QTest::mouseClick(m.menu.lblAkceB[7], Qt::LeftButton);
        QCOMPARE(asked, QStringList{f});
        QVERIFY(QFile::exists(f));
        QCOMPARE(m.menu.loadPanel->FileLoad->count(), 1);

        // Agreed: the file goes to the trash and the list forgets it.
        qputenv("XDG_DATA_HOME", m.fx.appFolder().toUtf8() + "/trash-home");
        agree = true;
        m.menu.loadPanel->Select(0);
        QTest::mouseClick(m.menu.lblAkceB[7], Qt::LeftButton);
        QCOMPARE(asked.size(), 2);
        QVERIFY(!QFile::exists(f));
        QCOMPARE(m.menu.loadPanel->FileLoad->count(), 0);

        QVERIFY(QDir(m.fx.dataPath(QStringLiteral("Save"))).removeRecursively());
        QTest::mouseClick(m.menu.lblAkce[2], Qt::LeftButton);
        QCOMPARE(m.menu.loadPanel->FileLoad->count(), 0);
        QTest::mouseClick(m.menu.lblAkceB[8], Qt::LeftButton);
        QCOMPARE(m.portOpened, 0);
    }

    void theSoundSwitchWritesOneOrRemovesTheKey() {
        Menu m;
        auto stored = [&] {
            return m.fx.settings().GetSetting(QStringLiteral("Options"), QStringLiteral("Zvuky"),
                                              QStringLiteral("chybí"));
        };
        QTest::mouseClick(m.menu.lblAkce[3], Qt::LeftButton);
        QVERIFY(!m.menu.chk0->isChecked());
        m.menu.chk0->setChecked(true);
        QTest::mouseClick(m.menu.lblAkceB[3], Qt::LeftButton);
        QCOMPARE(stored(), QStringLiteral("1"));
        QVERIFY(!m.menu.picZáložka[2]->isVisible());

        // Untick and leave by the cross: nothing changes.
        QTest::mouseClick(m.menu.lblAkce[3], Qt::LeftButton);
        QVERIFY(m.menu.chk0->isChecked());
        m.menu.chk0->setChecked(false);
        QTest::mouseClick(m.menu.picZáložka[2]->CloseCross(), Qt::LeftButton);
        QCOMPARE(stored(), QStringLiteral("1"));

        m.fx.settings().SaveSetting(QStringLiteral("Options"), QStringLiteral("Zvuky"),
                                    QStringLiteral("2"));
        QTest::mouseClick(m.menu.lblAkce[3], Qt::LeftButton);
        QVERIFY(!m.menu.chk0->isChecked());
        QTest::mouseClick(m.menu.lblAkceB[3], Qt::LeftButton);
        QCOMPARE(stored(), QStringLiteral("chybí"));
    }

    void aboutShowsTheVersionAndOnePanelOpensAtATime() {
        Menu m;
        QCoreApplication::setApplicationVersion(QStringLiteral("1.0"));
        QTest::mouseClick(m.menu.lblAkce[3], Qt::LeftButton);
        QTest::mouseClick(m.menu.lblAkce[5], Qt::LeftButton);
        QCOMPARE(m.menu.lbl15->text(), QStringLiteral("Verze 1.0"));
        QVERIFY(m.menu.picZáložka[4]->isVisible());
        QVERIFY(!m.menu.picZáložka[2]->isVisible());
        QTest::mouseClick(m.menu.lblAkceB[6], Qt::LeftButton);
        QVERIFY(!m.menu.picZáložka[4]->isVisible());
    }
};

QTEST_MAIN(MenuPanelsTest)
#include "MenuPanelsTest.moc"
