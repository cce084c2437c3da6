#include "CityInfoPanel.h"

#include "port/LogbookArea.h"
#include "port/MarketBoard.h"
#include "port/frmMain.h"
#include "state/Numbers.h"
#include "trade/CityAccess.h"
#include "trade/CityInfo.h"
#include "widgets/Art.h"
#include "widgets/PanelKeys.h"
#include "widgets/PortStyle.h"
#include "world/Logbook.h"
#include "world/News.h"
#include "world/Research.h"

#include <QFrame>
#include <QLabel>
#include <algorithm>
#include <cmath>

namespace vlnobrod {

using namespace portstyle;

namespace {

constexpr int ChartRowHeight = 14;

QColor rgb(std::uint32_t c) {
    return QColor((c >> 16) & 0xff, (c >> 8) & 0xff, c & 0xff);
}

} // namespace

CityInfoPanel::CityInfoPanel(frmMain& port) : QObject(&port), port_(port) {
    setObjectName(QStringLiteral("CityInfoPanel"));
    build();
    buildChart();

    connect(&port_, &frmMain::cityClicked, this, [this](int city) { ShowCity(city); });
    connect(&port_, &frmMain::pricesMoved, this, [this] { pricesMoved(); });
    // An open panel's logbook follows the day: a page written in port, research ended.
    connect(&port_, &frmMain::daysAdvanced, this, [this] {
        if (!panel_->isHidden())
            ShowLogbook(city_);
    });
    // The city information has its own "X" in place of the panel's cross, and Escape too.
    SetBoxKeys(*panel_, {.escape = [this] {
        if (close_->isVisible())
            cmdInfEnd_Click();
    }});
}

void CityInfoPanel::build() {
    panel_ = port_.AddPanel(zalozka::CityInfo, QStringLiteral("Informace o městě"),
                            QRect(470, 14, 368, 446));
    Panel* p = panel_;
    // The panel closes through its own action label, which takes the cross's place.
    p->CloseCross()->hide();
    close_ = MakeActionLabel(p, QStringLiteral("X"), 368 - 19, 2, 16, 16, 9);
    close_->setObjectName(QStringLiteral("closeCityInfo"));
    close_->setAlignment(Qt::AlignCenter);
    SetBaseStyle(close_, QStringLiteral("background: #8b2e16;"));
    SetForeColor(close_, QColor(0xff, 0xf6, 0xdc));

    name_ = MakeClickLabel(p, QString(), 12, 26, 344, 26);
    name_->setFont(SerifFont(14));
    size_ = MakeClickLabel(p, QString(), 12, 54, 344, 18);
    services_ = MakeClickLabel(p, QString(), 12, 72, 344, 18);
    description_ = MakeClickLabel(p, QString(), 12, 92, 344, 46, 9);
    description_->setWordWrap(true);
    description_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    name_->setObjectName(QStringLiteral("infoCity"));
    size_->setObjectName(QStringLiteral("citySize"));
    services_->setObjectName(QStringLiteral("cityServices"));
    description_->setObjectName(QStringLiteral("cityDescription"));

    buyAccess_ = MakeActionLabel(p, QStringLiteral("Koupit přístup do města"), 12, 142, 344, 20);
    researchDay_ =
        MakeActionLabel(p, QStringLiteral("Koupit Průzkum trhu (na den)"), 12, 164, 344, 20);
    researchPermanent_ =
        MakeActionLabel(p, QStringLiteral("Koupit Průzkum trhu (permanentně)"), 12, 186, 344, 20);
    ClickLabel* toggle = MakeActionLabel(p, QStringLiteral("průzkum trhu"), 12, 418, 160, 20);
    toggle->setToolTip(QStringLiteral("Zobrazí / skryje průzkum trhu"));
    ClickLabel* sail = MakeActionLabel(p, QStringLiteral("> plout sem"), 196, 418, 160, 20);
    sail->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sail->setToolTip(QStringLiteral("Zahájí plavbu do tohoto města"));

    struct Action {
        ClickLabel* label;
        const char* name;
        void (CityInfoPanel::*run)();
    };
    const Action actions[] = {
        {buyAccess_, "buyAccess", &CityInfoPanel::buyAccess},
        {researchDay_, "buyResearchDay", &CityInfoPanel::researchForDay},
        {researchPermanent_, "buyResearchPermanent", &CityInfoPanel::researchPermanent},
        {toggle, "toggleResearch", &CityInfoPanel::toggleChart},
        {close_, "closeCityInfo", &CityInfoPanel::cmdInfEnd_Click},
    };
    for (const Action& a : actions) {
        a.label->setObjectName(QString::fromLatin1(a.name));
        a.label->setCursor(art::HandCursor());
        connect(a.label, &ClickLabel::clicked, this, [this, run = a.run] { (this->*run)(); });
    }
    sail->setObjectName(QStringLiteral("sailHere"));
    sail->setCursor(art::HandCursor());
    connect(sail, &ClickLabel::clicked, this, [this] {
        port_.PlaySoundName("Cvak");
        emit port_.sailRequested(city_);
    });
}

void CityInfoPanel::buildChart() {
    picGraf = new QFrame(panel_);
    picGraf->setObjectName(QStringLiteral("researchChart"));
    picGraf->setStyleSheet(QStringLiteral("QFrame#researchChart { background-color: #f8f0da; "
                                          "border: 1px solid #5a3b1a; }"));
    picGraf->setGeometry(8, 212, 352, 14 * ChartRowHeight + 8);
    picGraf->hide();
    port_.TrackHover(picGraf);
    picDeník = new LogbookArea(panel_); // hidden until a city without research is shown
    picDeník->setObjectName(QStringLiteral("logbook"));
    picDeník->setGeometry(8, 210, 352, 206);
    for (int i = 0; i < 14; ++i) {
        const int y = 4 + i * ChartRowHeight;
        const auto row = static_cast<std::size_t>(i);
        ClickLabel* name = MakeClickLabel(picGraf, QString(), 6, y, 112, ChartRowHeight, 9);
        ClickLabel* price = MakeClickLabel(picGraf, QString(), 118, y, 40, ChartRowHeight, 9, true);
        price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        price->setObjectName(QStringLiteral("researchPrice%1").arg(i));
        for (ClickLabel* l : {name, price}) {
            l->hide();
            // The chart shows another city's prices: buying from it would pay a faraway
            // price here. Goods are bought on the trade panel.
            connect(l, &ClickLabel::clicked, this, [this] {
                AddNews(port_.Game().state, "Zboží se nakupuje na kartě Obchod.", NewsWarning);
            });
            // The chart's goods never light up; the trade panel's highlight goes out.
            connect(l, &ClickLabel::hovered, &port_, &frmMain::hoverLeft);
        }
        names_[row] = name;
        prices_[row] = price;
        QLabel* trend = MakeLabel(picGraf, QString(), 164, y, 14, ChartRowHeight, 9, true);
        trend->setAlignment(Qt::AlignCenter);
        trend->setObjectName(QStringLiteral("researchTrend%1").arg(i));
        trend->hide();
        trends_[row] = trend;
        auto* bar = new QFrame(picGraf);
        bar->setGeometry(184, y + 3, 0, ChartRowHeight - 6);
        SetBaseStyle(bar, QStringLiteral("border: none;"));
        SetBackColor(bar, Red);
        bar->hide();
        bars_[row] = bar;
    }
}

void CityInfoPanel::ShowResearch(std::uint8_t city) {
    if (city >= MaxCities)
        return;
    for (std::size_t i = 0; i < 14; ++i) {
        names_[i]->hide();
        prices_[i]->hide();
        bars_[i]->hide();
        trends_[i]->hide();
    }
    for (const MarketRow& row : MarketRows(port_.Game().state, city)) {
        if (row.goods < 0 || row.goods >= 14)
            continue;
        const auto i = static_cast<std::size_t>(row.goods);
        prices_[i]->setText(QString::number(row.price));
        names_[i]->setText(QString::fromStdString(row.name));
        names_[i]->show();
        prices_[i]->show();
        bars_[i]->resize(std::max(0, static_cast<int>(std::lround(row.barWidth))),
                         bars_[i]->height());
        bars_[i]->show();
        trends_[i]->setText(QString::fromStdString(row.trend));
        trends_[i]->show();
        SetBackColor(bars_[i], rgb(row.barColour));
    }
    picGraf->show();
    picDeník->hide(); // research shows today's prices in its place
}

void CityInfoPanel::ShowLogbook(std::uint8_t city) {
    if (ShowsLogbook(port_.Game().state, city) && picGraf->isHidden())
        picDeník->ShowCity(port_.Game().state, city);
    else
        picDeník->hide();
}

void CityInfoPanel::ShowCity(int index) {
    if (index < 0 || index >= MaxCities)
        return;
    const CityInfo info = DescribeCity(port_.Game().state.Cities[static_cast<std::size_t>(index)]);
    city_ = static_cast<std::uint8_t>(index);
    name_->setText(QString::fromStdString(info.name));
    if (info.sizeWord)
        size_->setText(QString::fromStdString(*info.sizeWord));
    services_->setText(QString::fromStdString(info.services));
    description_->setText(QString::fromStdString(info.description));
    buyAccess_->setVisible(info.accessOffered);
    switch (info.research) {
    case CityInfo::Research::Offer:
        researchDay_->show();
        researchPermanent_->show();
        picGraf->hide();
        break;
    case CityInfo::Research::Chart:
        researchDay_->hide();
        researchPermanent_->hide();
        ShowResearch(city_);
        break;
    case CityInfo::Research::Unchanged:
        break;
    }
    // Where no research shows, the prices the captain saw there himself.
    ShowLogbook(city_);
    if (!open_)
        cmdInfEnd_Click();
    panel_->raise();
}

void CityInfoPanel::cmdInfEnd_Click() {
    open_ = !open_;
    if (open_) {
        panel_->show();
        panel_->raise();
    } else {
        panel_->hide();
    }
}

void CityInfoPanel::showBoughtResearch() {
    ShowResearch(city_);
    researchDay_->hide();
    researchPermanent_->hide();
}

void CityInfoPanel::researchForDay() {
    BuyResearchForDay(port_.Game().state, port_, city_);
    showBoughtResearch();
}

void CityInfoPanel::researchPermanent() {
    if (BuyPermanentResearch(port_.Game().state, port_, city_))
        showBoughtResearch();
}

void CityInfoPanel::buyAccess() {
    const std::uint8_t c = city_;
    BuyAccess(port_.Game().state, port_, c, [this, c] {
        port_.MarkCity(c, frmMain::CityMark::Open);
        buyAccess_->hide();
    });
}

void CityInfoPanel::toggleChart() {
    switch (ToggleChart(!picGraf->isHidden(), port_.Game().state.Cities[city_])) {
    case ChartToggle::Hide:
        picGraf->hide();
        ShowLogbook(city_);
        break;
    case ChartToggle::Show:
        picGraf->show();
        break;
    case ChartToggle::BuyDay:
        researchForDay();
        break;
    }
}

void CityInfoPanel::pricesMoved() {
    // An open research chart follows the day's prices while its research lasts; research
    // bought for the day that has just ended shows no new prices, and is offered again.
    if (panel_->isHidden() || picGraf->isHidden())
        return;
    if (ResearchOf(port_.Game().state.Cities[city_]) != Research::None) {
        ShowResearch(city_);
        return;
    }
    picGraf->hide();
    researchDay_->show();
    researchPermanent_->show();
}

} // namespace vlnobrod
