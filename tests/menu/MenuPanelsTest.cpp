#include "menu/LoadPanel.h"
#include "menu/MapAlbum.h"
#include "menu/StartForm.h"
#include "menu/frmMenu.h"
#include "support/PortFixture.h"

#include <QCheckBox>
#include <QListWidget>
#include <QMessageBox>
#include <QScrollBar>

using namespace vlnobrod;
using namespace vlnobrod::testing;
using namespace Qt::StringLiterals;

namespace {

struct Menu {
    ScreenFixture fx;
    frmMenu menu{fx.game()};
    int portOpened = 0;
    Menu() {
        menu.OpenPortScreen = [this] { ++portOpened; };
        QVERIFY(Shown(menu));
    }
    void click(int entry) { Click(menu, "entry", entry); }
    void button(int index) { Click(menu, "button", index); }
};

} // namespace

class MenuPanelsTest : public QObject {
    Q_OBJECT
private slots:
    void theMenuItsAlbumAndWhatItCannotKeep() {
        Menu m;
        // The background, decoded beside the captions' layout, is shown as painted, unscaled.
        const QImage painted(u":/art/menu_background.png"_s);
        const QImage shown = m.menu.grab().toImage();
        QCOMPARE(painted.size(), QSize(800, 600));
        for (const QPoint at : {QPoint(799, 599), QPoint(400, 590), QPoint(700, 20)})
            QCOMPARE(shown.pixel(at), painted.pixel(at));

        // The entry under the mouse grows by 5 points; moving on onto the album shrinks it back.
        m.click(1);
        QCOMPARE(m.menu.album->Count(), 0);
        auto* entry = Named<QLabel>(m.menu, "entry", menuentry::Load);
        const qreal size = entry->font().pointSizeF();
        QTest::mouseMove(entry);
        QTRY_COMPARE(entry->font().pointSizeF(), size + 5);
        QTest::mouseMove(m.menu.album);
        QTRY_COMPARE(entry->font().pointSizeF(), size);

        // Every map in name order with its title, cities and description; a long album scrolls,
        // and opening it again does not add its rows twice.
        const QStringList names = {"Cmapa", "M1", "M2", "Amapa", "M4", "M5", "Bmapa", "M7", "M8"};
        for (int i = 0; i < names.size(); ++i)
            m.fx.writeData(names[i] + ".mlo", u"[Mapa]\nNazev=%1\nPocetMest=%2\n"
                                              "Popis=Mapa %1 pro zkoušku\n"_s.arg(names[i])
                                                  .arg(i + 10));
        MapAlbum* a = m.menu.album;
        for (int opening = 0; opening < 2; ++opening) {
            m.click(1);
            QCOMPARE(a->Count(), 9);
            QCOMPARE(a->imgMap.size(), std::size_t{9});
            for (int i = 0; i < 3; ++i)
                QCOMPARE(a->MapAt(i), u"%1mapa"_s.arg(QChar('A' + i)));
        }
        QCOMPARE(a->lblMapMesta[2]->text(), u"Počet měst: 10"_s);
        QCOMPARE(a->lblMapPopis[0]->text(), u"Mapa Amapa pro zkoušku"_s);
        QCOMPARE(a->lblMapPopis[0]->textFormat(), Qt::PlainText);
        QCOMPARE(a->vsAlba->maximum(), a->pic1->height() - a->height());
        a->vsAlba->setValue(50);
        QCOMPARE(a->pic1->y(), -50);

        // A folder where the state file goes: no map copied, the menu stays open with a message.
        QVERIFY(QDir().mkpath(m.fx.dataPath(u"aktual.map/obsazeno"_s)));
        QTest::mouseClick(a->imgMap[0], Qt::LeftButton);
        m.button(0);
        QCOMPARE(m.portOpened, 0);
        QVERIFY(m.fx.game().state.HandOff.empty());
        QVERIFY(m.menu.picName->lblProblem->isVisible());
        QVERIFY(m.menu.picName->lblProblem->text().startsWith("Hru se nepodařilo připravit"));

        // Switching sounds on while a folder stands where the settings file goes: the player is
        // told the choice lasts only until the game ends, and the sounds are on until then.
        QVERIFY(QDir().mkpath(m.fx.settings().FileName() + u"/obsazeno"_s));
        m.click(3);
        QVERIFY(!m.menu.chk0->isChecked());
        m.menu.chk0->setChecked(true);
        QString told;
        WhenModal<QMessageBox> answer([&](QMessageBox* box) {
            told = box->text();
            box->accept();
        });
        m.button(3);
        QVERIFY(told.startsWith(u"Nastavení se nepodařilo uložit: soubor "_s +
                                m.fx.settings().FileName()));
        QVERIFY(m.fx.settings().SoundsOn());
        m.click(3);
        QVERIFY(m.menu.chk0->isChecked());
    }

    // The saved games listed with their owner and company; "Načíst poslední" loads the newest;
    // deleting asks first; a copy that fails opens nothing; a missing folder lists nothing.
    void theLoadPanelLoadsTheNewestAndDeletesOnlyWhenAgreed() {
        Menu m;
        const QString alfa =
            m.fx.writeData(u"Save/Alfa.mlo"_s, u"[Mapa]\nName=Ota\nCompany=Jantar\n"_s);
        m.fx.writeData(u"Save/Poslední hra.mlo"_s, u"[Mapa]\nName=Eva\nDen=33\n"_s);
        m.fx.writeData(u"Save/poznamka.txt"_s, u"x"_s);
        QFile old(alfa);
        QVERIFY(old.open(QIODevice::ReadWrite) &&
                old.setFileTime(QDateTime(QDate(2024, 3, 7), QTime(9, 5, 7)),
                                QFileDevice::FileModificationTime));
        QStringList asked;
        bool agree = false;
        m.menu.ConfirmDelete = [&](const QString& file) {
            asked << file;
            return agree;
        };
        m.click(2);
        LoadPanel* p = m.menu.loadPanel;
        QCOMPARE(p->FileLoad->count(), 2);
        QCOMPARE(p->FileLoad->item(0)->text(), u"Alfa.mlo"_s);
        m.button(1); // nothing selected: neither loading nor deleting does anything
        m.button(7);
        QCOMPARE(m.portOpened, 0);
        QVERIFY(asked.isEmpty());

        m.button(8); // "Načíst poslední"
        QCOMPARE(m.portOpened, 1);
        QCOMPARE(p->FileLoad->currentRow(), 1);
        QCOMPARE(p->lbl1->text() + '|' + p->lbl2->text(), u"Eva|XXX"_s); // a save without company
        QVERIFY(m.fx.game().state.PendingAction == Pending::None);
        // A double click loads a save as Enter does; the first click of the pair only selects.
        const QPoint at = p->FileLoad->visualItemRect(p->FileLoad->item(1)).center();
        QTest::mouseClick(p->FileLoad->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(m.portOpened, 1);
        QTest::mouseDClick(p->FileLoad->viewport(), Qt::LeftButton, {}, at);
        QCOMPARE(m.portOpened, 2);

        p->Select(0);
        QCOMPARE(p->lbl2->text(), u"Jantar"_s);
        QCOMPARE(p->lbl2->textFormat(), Qt::PlainText);      // a company as its owner typed it
        QCOMPARE(p->lbl35->text(), u"7. 3. 2024 9:05:07"_s); // the save's time the Czech way
        m.button(7);
        QCOMPARE(asked, QStringList{alfa});
        QCOMPARE(p->FileLoad->count(), 2);
        // Agreed: the file goes to the trash and the list forgets it.
        qputenv("XDG_DATA_HOME", m.fx.appFolder().toUtf8() + "/trash-home");
        agree = true;
        p->Select(0);
        m.button(7);
        QVERIFY(!QFile::exists(alfa));
        QCOMPARE(p->FileLoad->count(), 1);

        // A saved game that cannot be copied into place opens nothing.
        QVERIFY(QFile::remove(m.fx.dataPath(u"aktual.map"_s)));
        QVERIFY(QDir().mkpath(m.fx.dataPath(u"aktual.map/obsazeno"_s)));
        m.button(8);
        QCOMPARE(m.portOpened, 2);
        QVERIFY(QDir(m.fx.dataPath(u"Save"_s)).removeRecursively());
        m.click(2);
        QCOMPARE(p->FileLoad->count(), 0);
        m.button(8);
        QCOMPARE(m.portOpened, 2);
    }
};

QTEST_MAIN(MenuPanelsTest)
#include "MenuPanelsTest.moc"
