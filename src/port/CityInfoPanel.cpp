// The city information panel over the chart, with its research chart of the city's prices.
// The city click fills it; its actions (access, research, sailing) are registered from
// outside like every other action.

#include "LogbookArea.h"
#include "PortLabels.h"
#include "frmMain.h"
#include "state/Numbers.h"
#include "widgets/PortStyle.h"

namespace vlnobrod {

using namespace portstyle;

namespace {

constexpr int ChartRowHeight = 14;

} // namespace

void frmMain::BuildCityInfoPanel() {
    picInf = MakePanel(-1, QStringLiteral("Informace o městě"), 470, 14, 368, 446);
    img[1] = picInf->TitleBar();
    // The panel closes through its own action label, which takes the cross's place.
    picInf->CloseCross()->hide();
    lblAkce[akce::CloseCityInfo] =
        MakeActionLabel(picInf, QStringLiteral("X"), 368 - 19, 2, 16, 16, 9);
    lblAkce[akce::CloseCityInfo]->setAlignment(Qt::AlignCenter);
    SetBaseStyle(lblAkce[akce::CloseCityInfo], QStringLiteral("background: #8b2e16;"));
    SetForeColor(lblAkce[akce::CloseCityInfo], QColor(0xff, 0xf6, 0xdc));

    lbl[popisek::InfoCity] = MakeClickLabel(picInf, QString(), 12, 26, 344, 26);
    lbl[popisek::InfoCity]->setFont(SerifFont(14));
    lbl[popisek::InfoCity]->Tag = QStringLiteral("0");
    lbl[popisek::CitySize] = MakeClickLabel(picInf, QString(), 12, 54, 344, 18);
    lbl[popisek::CityServices] = MakeClickLabel(picInf, QString(), 12, 72, 344, 18);
    lbl[popisek::CityDescription] = MakeClickLabel(picInf, QString(), 12, 92, 344, 46, 9);
    lbl[popisek::CityDescription]->setWordWrap(true);
    lbl[popisek::CityDescription]->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    lblAkce[akce::BuyAccess] =
        MakeActionLabel(picInf, QStringLiteral("Koupit přístup do města"), 12, 142, 344, 20);
    lblAkce[akce::BuyResearchDay] =
        MakeActionLabel(picInf, QStringLiteral("Koupit Průzkum trhu (na den)"), 12, 164, 344, 20);
    lblAkce[akce::BuyResearchPermanent] = MakeActionLabel(
        picInf, QStringLiteral("Koupit Průzkum trhu (permanentně)"), 12, 186, 344, 20);
    lblAkce[akce::ToggleResearch] =
        MakeActionLabel(picInf, QStringLiteral("průzkum trhu"), 12, 418, 160, 20);
    lblAkce[akce::ToggleResearch]->setToolTip(QStringLiteral("Zobrazí / skryje průzkum trhu"));
    lblAkce[akce::SailHere] =
        MakeActionLabel(picInf, QStringLiteral("> plout sem"), 196, 418, 160, 20);
    lblAkce[akce::SailHere]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblAkce[akce::SailHere]->setToolTip(QStringLiteral("Zahájí plavbu do tohoto města"));

    picGraf = new QFrame(picInf);
    picGraf->setObjectName(QStringLiteral("chart"));
    picGraf->setStyleSheet(QStringLiteral("QFrame#chart { background-color: #f8f0da; "
                                          "border: 1px solid #5a3b1a; }"));
    picGraf->setGeometry(8, 212, 352, 14 * ChartRowHeight + 8);
    picGraf->hide();
    TrackHover(picGraf);
    picDeník = new LogbookArea(picInf); // hidden until a city without research is shown
    picDeník->setGeometry(8, 210, 352, 206);
    for (int i = 0; i < 14; ++i) {
        const int y = 4 + i * ChartRowHeight;
        const std::size_t row = static_cast<std::size_t>(i);
        ClickLabel* name = MakeClickLabel(picGraf, QString(), 6, y, 112, ChartRowHeight, 9);
        ClickLabel* price = MakeClickLabel(picGraf, QString(), 118, y, 40, ChartRowHeight, 9, true);
        price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        name->hide();
        price->hide();
        lblSurovina[row] = name;
        lblSurovina[row + 14] = price;
        for (int index : {i, i + 14}) {
            connect(lblSurovina[static_cast<std::size_t>(index)], &ClickLabel::hovered, this,
                    [this, index] {
                        Fokus_Move(QStringLiteral("S%1").arg(index, 2, 10, QLatin1Char('0')));
                    });
        }
        QLabel* trend = MakeLabel(picGraf, QString(), 164, y, 14, ChartRowHeight, 9, true);
        trend->setAlignment(Qt::AlignCenter);
        trend->hide();
        lblKurs[row] = trend;
        auto* bar = new QFrame(picGraf);
        bar->setGeometry(184, y + 3, 0, ChartRowHeight - 6);
        SetBaseStyle(bar, QStringLiteral("border: none;"));
        SetBackColor(bar, Red);
        bar->hide();
        shpSurovina[row] = bar;
    }
}

void frmMain::cmdInfEnd_Click() {
    if (ParseDot(picInfTag.toStdString()) == 0) {
        picInf->show();
        picInf->raise();
        picInfTag = QStringLiteral("1");
    } else {
        picInfTag = QStringLiteral("0");
        picInf->hide();
    }
}

} // namespace vlnobrod
