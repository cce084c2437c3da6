#pragma once

#include "widgets/ClickLabel.h"

#include <QObject>
#include <array>
#include <cstdint>

class QFrame;
class QLabel;

namespace vlnobrod {

class LogbookArea;
class Panel;
class frmMain;

// The city information panel over the chart ("Informace o městě"): a left click on a city
// fills it for that city and opens it. It tells the city's size, services and market, offers
// access to a closed city and market research (the research chart shows the city's prices
// and follows them from day to day; without research the logbook shows what the captain saw
// there himself), and "> plout sem" asks to sail there through frmMain::sailRequested (the
// sea map decides whether the fleet goes).
//
// Named controls: "infoCity", "citySize", "cityServices", "cityDescription", "buyAccess",
// "buyResearchDay", "buyResearchPermanent", "toggleResearch", "sailHere", "closeCityInfo",
// the research chart "researchChart" with "researchPrice0".. and "researchTrend0".. (by goods), and
// the logbook "logbook".
class CityInfoPanel : public QObject {
    Q_OBJECT
public:
    explicit CityInfoPanel(frmMain& port);

    // The panel filled for city `index` and opened.
    void ShowCity(int index);
    // The research chart with today's prices of `city`, in the logbook's place.
    void ShowResearch(std::uint8_t city);
    // The logbook of `city` where the research chart would be: shown for a city without
    // research while the chart is hidden, hidden otherwise.
    void ShowLogbook(std::uint8_t city);
    // The "X": opens a closed panel, closes an open one.
    void cmdInfEnd_Click();
    bool IsOpen() const { return open_; }
    int ShownCity() const { return city_; }

private:
    void build();
    void buildChart();
    void buyAccess();
    void researchForDay();
    void researchPermanent();
    // Research bought: the chart shows, and the offers go, so a second click charges nothing.
    void showBoughtResearch();
    void toggleChart();
    void pricesMoved();

    frmMain& port_;
    Panel* panel_ = nullptr;
    ClickLabel* name_ = nullptr;
    ClickLabel* size_ = nullptr;
    ClickLabel* services_ = nullptr;
    ClickLabel* description_ = nullptr;
    ClickLabel* buyAccess_ = nullptr;
    ClickLabel* researchDay_ = nullptr;
    ClickLabel* researchPermanent_ = nullptr;
    ClickLabel* close_ = nullptr;
    QFrame* picGraf = nullptr;
    LogbookArea* picDeník = nullptr;
    std::array<ClickLabel*, 14> names_{};
    std::array<ClickLabel*, 14> prices_{};
    std::array<QLabel*, 14> trends_{};
    std::array<QFrame*, 14> bars_{};

    std::uint8_t city_ = 0; // the city shown
    bool open_ = false;
};

} // namespace vlnobrod
