#include "frmTop.h"

#include "results/BestPlayers.h"
#include "state/GameView.h"
#include "widgets/Art.h"

#include <QFont>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>

namespace vlnobrod {

namespace {

QLabel* label(const QString& text, QWidget* parent, int x, int y, int w, int h = 20) {
    auto* l = new QLabel(text, parent);
    l->setTextFormat(Qt::PlainText); // the players' names and the map's, as written
    l->setGeometry(x, y, w, h);
    return l;
}

} // namespace

frmTop::frmTop(GameServices& game, GameView& view, QWidget* parent) : QDialog(parent), game_(game) {
    BuildLayout();
    Form_Load(view);
}

void frmTop::BuildLayout() {
    setWindowTitle(QStringLiteral("Statistiky & Tabulka nejlepších hráčů"));
    setFixedSize(640, 470);
    setStyleSheet(QStringLiteral("QDialog { background: #efe2c0; } QLabel, QGroupBox { color: "
                                 "#2b1d0e; } QGroupBox { font-weight: bold; }"));

    auto* Frame2 = new QGroupBox(QStringLiteral("Peníze"), this);
    Frame2->setGeometry(12, 10, 300, 70);
    lbl9 = label(QString(), Frame2, 10, 20, 280);
    lbl10 = label(QString(), Frame2, 10, 42, 280);

    auto* Frame1 = new QGroupBox(QStringLiteral("Lodě"), this);
    Frame1->setGeometry(328, 10, 300, 70);
    lbl8 = label(QString(), Frame1, 10, 20, 280, 44);
    lbl8->setWordWrap(true);
    lbl8->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    label(QStringLiteral("Dnů od začátku hry:"), this, 14, 92, 180);
    lbl12 = label(QString(), this, 200, 92, 120);
    label(QStringLiteral("Celková hodnota společnosti:"), this, 14, 116, 200);
    lblHodnota = label(QString(), this, 220, 112, 400, 26);
    lblHodnota->setFont(art::HeavyFont(12));

    auto* picTop = new QFrame(this);
    picTop->setObjectName(QStringLiteral("picTop"));
    picTop->setStyleSheet(
        QStringLiteral("QFrame#picTop { background: #f8f0da; border: 2px solid #5a3b1a; }"));
    picTop->setGeometry(12, 150, 616, 270);
    auto* lbl3 = label(QStringLiteral("Nejlepší hráči"), picTop, 14, 8, 300, 30);
    lbl3->setFont(art::HeavyFont(15));
    lbl0 = label(QString(), picTop, 16, 38, 580);
    const int columns[] = {16, 44, 196, 376, 460};
    label(QStringLiteral("Majitel"), picTop, columns[1], 64, 140)
        ->setStyleSheet("font-weight: bold;");
    label(QStringLiteral("Společnost"), picTop, columns[2], 64, 170)
        ->setStyleSheet("font-weight: bold;");
    label(QStringLiteral("Dny"), picTop, columns[3], 64, 80)->setStyleSheet("font-weight: bold;");
    label(QStringLiteral("Hodnota"), picTop, columns[4], 64, 140)
        ->setStyleSheet("font-weight: bold;");
    for (int i = 0; i < 5; ++i) {
        const auto k = static_cast<std::size_t>(i);
        const int y = 92 + i * 32;
        label(QString::number(i + 1), picTop, columns[0], y, 24)->setFont(art::HeavyFont(11));
        lblName[k] = label(QStringLiteral("Neobsazeno"), picTop, columns[1], y, 150);
        lblCompany[k] = label(QStringLiteral("Neobsazeno"), picTop, columns[2], y, 176);
        lblDnů[k] = label(QStringLiteral("0 dnů"), picTop, columns[3], y, 80);
        lblValue[k] = label(QStringLiteral("0 zlatých"), picTop, columns[4], y, 146);
    }

    auto* Label1 = label(QStringLiteral("Hlavním kritériem je počet dnů, za který splníte mapu!"),
                         this, 14, 430, 560);
    Label1->setStyleSheet(QStringLiteral("font-style: italic;"));
}

void frmTop::Form_Load(GameView& view) {
    GameState& st = game_.state;
    const Statistics s = StatisticsOf(st);
    lbl8->setText(QString::fromStdString(s.fleet));
    lblHodnotaTag = QString::fromStdString(s.valueTag);
    lblHodnota->setText(QString::fromStdString(s.valueText));
    lbl9->setText(QString::fromStdString(s.account));
    lbl10->setText(QString::fromStdString(s.cash));
    lbl12->setText(QString::fromStdString(s.days));

    result_ = OpenTopTable(st, game_.profiles, view, s.value);
    const TopTable t = ReadTopTable(game_.profiles, TableFilesOf(st), result_, st, s.value);
    lbl0->setText(QString::fromStdString(t.heading));
    for (std::size_t i = 0; i < t.rows.size(); ++i) {
        const TopRow& row = t.rows[i];
        const QString colour = row.highlighted ? QStringLiteral("color: #ff0000;") : QString();
        lblName[i]->setText(QString::fromStdString(row.name));
        lblDnů[i]->setText(QString::fromStdString(row.days));
        lblCompany[i]->setText(QString::fromStdString(row.company));
        lblValue[i]->setText(QString::fromStdString(row.value));
        for (QLabel* l : {lblName[i], lblDnů[i], lblCompany[i], lblValue[i]})
            l->setStyleSheet(colour);
    }
}

void frmTop::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && (e->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier)
        accept();
    else
        QDialog::keyPressEvent(e);
}

} // namespace vlnobrod
