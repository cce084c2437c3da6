#include "CityInfoActions.h"

#include "port/PortLabels.h"
#include "port/frmMain.h"
#include "state/Numbers.h"
#include "trade/CityAccess.h"
#include "trade/CityInfo.h"
#include "widgets/PortStyle.h"

namespace vlnobrod {

namespace {

// The city the panel shows: the Tag of its name label.
std::uint8_t shownCity(frmMain& w) {
    return ToU8(ParseDot(w.lbl[popisek::InfoCity]->Tag.toStdString()));
}

// Research bought: the chart shows, and the offers go, so a second click charges nothing.
void showResearch(frmMain& w, std::uint8_t c) {
    w.ShowMarket(c, true);
    w.lblAkce[akce::BuyResearchDay]->hide();
    w.lblAkce[akce::BuyResearchPermanent]->hide();
}

void researchForDay(frmMain& w) {
    const std::uint8_t c = shownCity(w);
    BuyResearchForDay(w.Game().state, w, c);
    showResearch(w, c);
}

void buyAccess(frmMain& w) {
    const std::uint8_t c = shownCity(w);
    BuyAccess(w.Game().state, w, c, [&w, c] {
        if (c < w.lblMěsto.size())
            portstyle::SetForeColor(w.lblMěsto[c], portstyle::Black);
        w.lblAkce[akce::BuyAccess]->hide();
    });
}

void toggleChart(frmMain& w) {
    const std::uint8_t c = shownCity(w);
    if (c >= MaxCities)
        return;
    switch (ToggleChart(!w.picGraf->isHidden(), w.Game().state.Cities[c])) {
    case ChartToggle::Hide:
        w.picGraf->hide();
        w.ShowLogbook(c);
        break;
    case ChartToggle::Show:
        w.picGraf->show();
        break;
    case ChartToggle::BuyDay:
        researchForDay(w);
        break;
    }
}

} // namespace

void ShowCityInfo(frmMain& w, int index) {
    if (index < 0 || index >= MaxCities)
        return;
    const CityInfo info = DescribeCity(w.Game().state.Cities[static_cast<std::size_t>(index)]);
    auto& lbl = w.lbl;
    lbl[popisek::InfoCity]->Tag = QString::number(index);
    lbl[popisek::InfoCity]->setText(QString::fromStdString(info.name));
    if (info.sizeWord)
        lbl[popisek::CitySize]->setText(QString::fromStdString(*info.sizeWord));
    lbl[popisek::CityServices]->setText(QString::fromStdString(info.services));
    lbl[popisek::CityDescription]->setText(QString::fromStdString(info.description));
    ClickLabel* access = w.lblAkce[akce::BuyAccess];
    access->setVisible(info.accessOffered);
    if (info.accessOffered)
        access->Tag = QString::fromStdString(FormatDouble(info.accessPrice, NumberLocale{}));
    ClickLabel* day = w.lblAkce[akce::BuyResearchDay];
    ClickLabel* permanent = w.lblAkce[akce::BuyResearchPermanent];
    switch (info.research) {
    case CityInfo::Research::Offer:
        day->show();
        permanent->show();
        w.picGraf->hide();
        break;
    case CityInfo::Research::Chart:
        day->hide();
        permanent->hide();
        w.ShowMarket(static_cast<std::uint8_t>(index), true);
        break;
    case CityInfo::Research::Unchanged:
        break;
    }
    // Where no research shows, the prices the captain saw there himself.
    w.ShowLogbook(static_cast<std::uint8_t>(index));
    if (ParseDot(w.picInfTag.toStdString()) == 0)
        w.cmdInfEnd_Click();
    w.picInf->raise();
}

void InstallCityInfoActions(frmMain& main) {
    frmMain* w = &main;
    for (int i = 0; i < MaxCities; ++i)
        QObject::connect(w->lblMěsto[static_cast<std::size_t>(i)], &ClickLabel::released, w,
                         [w, i](Qt::MouseButton button) {
                             if (button == Qt::LeftButton)
                                 ShowCityInfo(*w, i);
                         });
    w->SetAction(akce::BuyAccess, [w] { buyAccess(*w); });
    w->SetAction(akce::BuyResearchDay, [w] { researchForDay(*w); });
    w->SetAction(akce::BuyResearchPermanent, [w] {
        const std::uint8_t c = shownCity(*w);
        if (BuyPermanentResearch(w->Game().state, *w, c))
            showResearch(*w, c);
    });
    w->SetAction(akce::ToggleResearch, [w] { toggleChart(*w); });
    w->SetAction(akce::CloseCityInfo, [w] { w->cmdInfEnd_Click(); });
    w->SetAction(akce::SailHere, [w] {
        w->PlaySoundName("Cvak");
        emit w->sailRequested(shownCity(*w));
    });
}

} // namespace vlnobrod
