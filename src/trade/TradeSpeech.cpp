#include "TradeSpeech.h"

#include "port/MarketBoard.h"
#include "port/PortLabels.h"
#include "port/frmMain.h"

#include <QEvent>
#include <cmath>

namespace vlnobrod {

namespace {

constexpr std::size_t MarketNames = 28; // the trade panel's goods names, then their prices
constexpr std::size_t Rows = 14;

QString trendWords(const std::string& trend) {
    if (trend == ">")
        return QStringLiteral("cena stoupla");
    if (trend == "<")
        return QStringLiteral("cena klesla");
    return QStringLiteral("cena beze změny");
}

class TradeSpeech : public QObject {
public:
    explicit TradeSpeech(frmMain& port) : QObject(&port), port_(port) {
        setObjectName(QStringLiteral("TradeSpeech"));
        for (std::size_t i = MarketNames; i < port.lblSurovina.size(); ++i)
            port.lblSurovina[i]->installEventFilter(this);
        for (ClickLabel* row : port.lblNáklad)
            row->installEventFilter(this);
        struct Caption {
            QWidget* figure;
            const char* words;
        };
        const Caption captions[] = {
            {port.lblHotovost, "Hotovost (zlatých)"},
            {port.lblKonto, "Na kontě (zlatých)"},
            {port.lblDny, "Den"},
            {port.lbl[popisek::Damage], "Poškození"},
            {port.lbl[popisek::Fleet], "Počet lodí"},
            {port.lbl[popisek::Capacity], "Nosnost"},
            {port.lbl[popisek::Speed], "Rychlost"},
            {port.lbl[popisek::BankAccount], "Na kontě"},
            {port.lbl[popisek::BankAmount], "Částka"},
            {port.lbl[popisek::BankCash], "V hotovosti"},
            {port.lbl[popisek::LoadLine], "Naloženo"},
        };
        for (const Caption& c : captions)
            if (c.figure)
                c.figure->setAccessibleDescription(QString::fromUtf8(c.words));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::FocusIn)
            Describe(static_cast<ClickLabel*>(watched));
        return false;
    }

private:
    void Describe(ClickLabel* label) {
        const GameState& st = port_.Game().state;
        for (std::size_t k = 0; k < Rows; ++k)
            if (label == port_.lblNáklad[k]) {
                label->setAccessibleDescription(QStringLiteral("na palubě ") +
                                                port_.lblNákladB[k]->text());
                return;
            }
        for (const MarketRow& row : MarketRows(st, st.AktualniMesto)) {
            const auto g = static_cast<std::size_t>(row.goods);
            if (g >= Rows || (label != port_.lblSurovina[MarketNames + g] &&
                              label != port_.lblSurovina[MarketNames + Rows + g]))
                continue;
            const double aboard = g < st.Fleet.Naklad.size() ? st.Fleet.Naklad[g] : 0;
            label->setAccessibleDescription(QStringLiteral("%1, cena %2, %3, na palubě %4")
                                                .arg(QString::fromStdString(row.name))
                                                .arg(row.price)
                                                .arg(trendWords(row.trend))
                                                .arg(static_cast<long long>(std::floor(aboard))));
            return;
        }
    }

    frmMain& port_;
};

} // namespace

void InstallTradeSpeech(frmMain& port) {
    new TradeSpeech(port);
}

} // namespace vlnobrod
