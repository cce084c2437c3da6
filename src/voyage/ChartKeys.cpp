#include "ChartKeys.h"

#include "port/PortLabels.h"
#include "port/frmMain.h"
#include "voyage/VoyageReport.h"
#include "widgets/Panel.h"

#include <QKeyEvent>
#include <algorithm>
#include <vector>

namespace vlnobrod {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

// The chart's controls are found by their names ("seaChart", "city0".."city8"), as the port
// screen gives them.
class ChartKeys : public QObject {
public:
    explicit ChartKeys(frmMain& port) : QObject(&port), port_(port) {
        setObjectName(QStringLiteral("ChartKeys"));
        chart_ = port.findChild<QWidget*>(QStringLiteral("seaChart"));
        for (int i = 0;; ++i) {
            auto* city = port.findChild<ClickLabel*>(QStringLiteral("city%1").arg(i));
            if (!city)
                break;
            cities_.push_back(city);
            city->installEventFilter(this);
        }
        port.installEventFilter(this);
        connect(&port, &frmMain::gameLoaded, this, [this] { Describe(); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // The cities of the map from west to east.
    std::vector<int> Order() const {
        const GameState& st = port_.Game().state;
        std::vector<int> order;
        for (int i = 0; i < st.PocetMest && i < static_cast<int>(cities_.size()); ++i)
            if (cities_[static_cast<std::size_t>(i)]->isVisible())
                order.push_back(i);
        std::stable_sort(order.begin(), order.end(), [&st](int a, int b) {
            const CityRecord& ca = st.Cities[static_cast<std::size_t>(a)];
            const CityRecord& cb = st.Cities[static_cast<std::size_t>(b)];
            return ca.X != cb.X ? ca.X < cb.X : ca.Y < cb.Y;
        });
        return order;
    }
    int IndexOf(const QObject* label) const {
        for (std::size_t i = 0; i < cities_.size(); ++i)
            if (cities_[i] == label)
                return static_cast<int>(i);
        return -1;
    }
    void Select(int city) {
        if (city >= 0 && city < static_cast<int>(cities_.size()))
            cities_[static_cast<std::size_t>(city)]->setFocus(Qt::TabFocusReason);
    }
    void Step(int from, int by) {
        const std::vector<int> order = Order();
        if (order.empty())
            return;
        const auto at = std::find(order.begin(), order.end(), from);
        const int n = static_cast<int>(order.size());
        const int i = at == order.end() ? 0 : static_cast<int>(at - order.begin());
        Select(order[static_cast<std::size_t>((i + by + n) % n)]);
    }
    // Nothing on the chart: no question waiting, no panel open (the city information included).
    bool FreeChart() const {
        if (port_.Waiting())
            return false;
        for (int i = 0; i < zalozka::PanelCount; ++i)
            if (const Panel* p = port_.PanelAt(i); p && p->isVisible())
                return false;
        return true;
    }
    void Describe() {
        const GameState& st = port_.Game().state;
        for (int i = 0; i < st.PocetMest && i < static_cast<int>(cities_.size()); ++i)
            cities_[static_cast<std::size_t>(i)]->setAccessibleDescription(qs(CityText(st, i)));
        if (chart_) {
            chart_->setAccessibleName(QStringLiteral("Mapa moře"));
            chart_->setAccessibleDescription(qs(ChartText(st)));
        }
    }
    // The keys go on in the information panel, at its first action.
    void FocusCityInfo() {
        const Panel* info = port_.PanelAt(zalozka::CityInfo);
        if (!info)
            return;
        for (QWidget* w : info->findChildren<QWidget*>())
            if (w->isVisible() && (w->focusPolicy() & Qt::TabFocus) &&
                w->objectName() != QLatin1String("closeCityInfo")) {
                w->setFocus(Qt::TabFocusReason);
                break;
            }
    }

    frmMain& port_;
    QWidget* chart_ = nullptr;
    std::vector<ClickLabel*> cities_;
};

bool isArrow(int key) {
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down;
}

bool ChartKeys::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusIn && watched != &port_) {
        Describe(); // fresh: the access bought, the fleet moved
        return false;
    }
    if (e->type() != QEvent::KeyPress)
        return false;
    const auto* k = static_cast<QKeyEvent*>(e);
    if ((k->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (watched == &port_) {
        // A bare chart: the arrows start at the fleet's city.
        if (!isArrow(k->key()) || !FreeChart())
            return false;
        Describe();
        Select(port_.Game().state.AktualniMesto);
        return true;
    }
    const int city = IndexOf(watched);
    if (city < 0)
        return false;
    switch (k->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        Step(city, 1);
        return true;
    case Qt::Key_Left:
    case Qt::Key_Up:
        Step(city, -1);
        return true;
    case Qt::Key_P:
        cities_[static_cast<std::size_t>(city)]->Activate(Qt::RightButton);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        cities_[static_cast<std::size_t>(city)]->Activate();
        FocusCityInfo();
        return true;
    default:
        return false;
    }
}

} // namespace

void InstallChartKeys(frmMain& port) {
    new ChartKeys(port);
}

} // namespace vlnobrod
