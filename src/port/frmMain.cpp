#include "frmMain.h"

#include "port/NewsTicker.h"
#include "state/GameFile.h"
#include "state/Paths.h"
#include "widgets/Art.h"
#include "widgets/PortStyle.h"
#include "widgets/WindowKeys.h"
#include "world/GameStart.h"
#include "world/Money.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <algorithm>

namespace vlnobrod {

using namespace portstyle;

frmMain::frmMain(GameServices& game, QWidget* parent) : QWidget(parent), game_(game) {
    BuildMainScreen();
    BuildMessageBox();

    for (int i = 0; i < akce::Count; ++i) {
        ClickLabel* l = lblAkce[static_cast<std::size_t>(i)];
        l->setCursor(art::HandCursor());
        connect(l, &ClickLabel::clicked, this, [this, i] { lblAkce_Click(i); });
    }
    SetAction(akce::BackToMenu, [this] { BackToMenuAction(); });
    SetAction(akce::Goal, [this] { ShowGoalAction(); });
    BuildKeys();
    MarkOpenTab();

    setWindowTitle(QStringLiteral("Vlnobrod"));
}

frmMain::~frmMain() = default;

QString frmMain::ReadGame(GameServices& game, const std::string& file, GameState& loaded,
                          QPixmap& chart) {
    if (const auto read = ReadGameFile(game.profiles, file, loaded); !read)
        return QString::fromStdString("Hru nelze otevřít: " + read.Reason(file));
    const QString chartFile = QString::fromStdString(ChartFile(game.state.Places, loaded.Mapa));
    if (!chart.load(chartFile))
        return QStringLiteral("Hru nelze otevřít: mapa moře %1 chybí nebo se nedá přečíst.")
            .arg(chartFile);
    return {};
}

QString frmMain::GameProblem(GameServices& game, const std::string& file) {
    GameState scratch = game.state;
    QPixmap chart;
    return ReadGame(game, file, scratch, chart);
}

void frmMain::Form_Load() {
    GameState& st = game_.state;
    if (st.HandOff.empty())
        return; // the window without a game, as the program starts

    // Read into a copy first: a game that cannot be opened leaves the one in memory alone.
    GameState loaded = st;
    QPixmap chart;
    loadError_ = ReadGame(game_, st.HandOff.File(), loaded, chart);
    if (!loadError_.isEmpty())
        return;
    st = std::move(loaded);
    hasGame_ = true;

    Hra->setPixmap(chart);
    for (int i = 0; i < st.PocetMest; ++i) {
        const CityRecord& c = st.Cities[static_cast<std::size_t>(i)];
        ClickLabel* l = lblMěsto[static_cast<std::size_t>(i)];
        l->setText(QString::fromStdString(c.Nazev));
        l->adjustSize();
        l->move(c.X, c.Y);
        MarkCity(i, c.Pristup != 0 ? CityMark::Closed : CityMark::Open);
        l->show();
    }
    setWindowTitle(QStringLiteral("Vlnobrod - %1 - %2")
                       .arg(QString::fromStdString(st.Name), QString::fromStdString(st.Company)));

    StartLoadedGame(st, game_.random, *this);
    ShowCurrentCity();
    WelcomeToGame(st);
    emit gameLoaded();
}

void frmMain::Form_Activate() {
    if (!hasGame_ || game_.state.PendingAction != Pending::NewGame)
        return;
    // The goal waits while a question or another window has the player (a game that starts
    // inside its goal is congratulated first); it comes when the box is free.
    if (Waiting() || QApplication::activeModalWidget() || !isVisible())
        return;
    // Cleared before the goal shows: the box waits, and the window may be activated again
    // meanwhile.
    game_.state.PendingAction = Pending::None;
    lblAkce_Click(akce::Goal);
}

void frmMain::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // Run after the window is up, not inside its showing.
    QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void frmMain::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange && isActiveWindow())
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void frmMain::SetAction(int index, std::function<void()> action) {
    if (index < 0 || index >= akce::Count)
        return;
    actions_[static_cast<std::size_t>(index)] = std::move(action);
}

void frmMain::lblAkce_Click(int Index) {
    if (Index < 0 || Index >= akce::Count)
        return;
    // A copy: an action may give its label a new action while it runs.
    const std::function<void()> action = actions_[static_cast<std::size_t>(Index)];
    if (action)
        action();
}

void frmMain::ShowGoalAction() {
    ShowGoal(game_.state, game_.profiles, *this);
}

void frmMain::BackToMenuAction() {
    if (Waiting())
        return; // the question is answered first
    hide();
    game_.state.HandOff = HandOffWord::Zpet;
    if (BackToMenu)
        BackToMenu();
}

void frmMain::OpenResults() {
    if (OpenResultsWindow)
        OpenResultsWindow();
    QTimer::singleShot(0, this, [this] { Form_Activate(); });
}

void frmMain::PlaySoundName(const std::string& name) {
    game_.PlaySoundName(QString::fromStdString(name));
}

Panel* frmMain::PanelAt(int index) const {
    if (index < 0 || index >= zalozka::PanelCount)
        return nullptr;
    return picZáložka[static_cast<std::size_t>(index)];
}

void frmMain::OpenPanel(int index) {
    if (Panel* p = PanelAt(index)) {
        p->show();
        p->raise();
    }
}

void frmMain::ClosePanels() {
    for (int i : {zalozka::Trade, zalozka::Dock, zalozka::Bank, zalozka::Save})
        if (Panel* p = PanelAt(i))
            p->hide();
}

void frmMain::ShowTab(int tab) {
    if (tab < 0 || tab >= zalozka::TabCount)
        return;
    PlaySoundName("Nabídka");
    ClosePanels();
    if (tab == zalozka::Map)
        return; // the chart, free of panels
    // The panels are brought up to date first, so a panel opens as it will stand (and gives
    // the keys to the action it shows first).
    ShowFleet();
    OpenPanel(tab);
    emit panelOpened(tab);
}

int frmMain::OpenTab() const {
    for (int i : {zalozka::Trade, zalozka::Dock, zalozka::Bank})
        if (const Panel* p = PanelAt(i); p && !p->isHidden())
            return i;
    return zalozka::Map;
}

void frmMain::MarkOpenTab() {
    const int open = OpenTab();
    for (int i = 0; i < zalozka::TabCount; ++i)
        SetForeColor(lblZal[static_cast<std::size_t>(i)], i == open ? Red : Black);
}

void frmMain::ShowTabStrip(bool shown) {
    picZáložky->setVisible(shown);
}

void frmMain::MarkCity(int city, CityMark mark) {
    if (city < 0 || city >= static_cast<int>(lblMěsto.size()))
        return;
    SetForeColor(lblMěsto[static_cast<std::size_t>(city)], mark == CityMark::Here     ? Red
                                                           : mark == CityMark::Closed ? Grey
                                                                                      : Black);
}

void frmMain::ShowCurrentCity() {
    const GameState& st = game_.state;
    MarkCity(st.AktualniMesto, CityMark::Here);
    // The bank tab is there only where the port has a bank.
    lblZal[zalozka::Bank]->setVisible(st.Cities[st.AktualniMesto].Banka);
}

void frmMain::StartVoyage(int city) {
    if (SailTo)
        SailTo(city);
}

void frmMain::ShowFleet() {
    emit fleetChanged();
}

void frmMain::MoneyChanged(bool) {
    // Both counters, and every panel's figures: whatever moved the money.
    lblHotovost->setText(QString::fromStdString(FormatMoney(game_.state.Hotovost)));
    lblKonto->setText(QString::fromStdString(FormatMoney(game_.state.Konto)));
    emit moneyChanged();
}

void frmMain::DaysAdvanced() {
    lblDny->setText(QString::number(game_.state.Den));
    // The day's interest went into cash without a money change of its own.
    MoneyChanged(false);
    emit daysAdvanced();
}

void frmMain::PricesMoved() {
    emit pricesMoved();
}

void frmMain::TrackHover(QWidget* container) {
    container->setMouseTracking(true);
    container->installEventFilter(this);
}

bool frmMain::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseMove) {
        // Over the bare chart, tab strip or panel (not over anything lying on it) the
        // highlight goes out.
        auto* w = static_cast<QWidget*>(watched);
        const auto* me = static_cast<QMouseEvent*>(e);
        if (!w->childAt(me->position().toPoint()))
            emit hoverLeft();
    } else if ((e->type() == QEvent::Show || e->type() == QEvent::Hide) &&
               std::find(picZáložka.begin(), picZáložka.end(), watched) != picZáložka.end()) {
        // However a panel opened or closed (tab, key, cross, voyage), its tab is the one marked.
        MarkOpenTab();
    }
    return QWidget::eventFilter(watched, e);
}

void frmMain::mouseMoveEvent(QMouseEvent* e) {
    if (!childAt(e->position().toPoint()))
        emit hoverLeft();
    QWidget::mouseMoveEvent(e);
}

void frmMain::keyPressEvent(QKeyEvent* e) {
    if (!WindowKey(*this, *e))
        QWidget::keyPressEvent(e);
}

void frmMain::closeEvent(QCloseEvent* e) {
    if (AskToSave && !AskToSave()) {
        e->ignore();
        return;
    }
    e->accept();
    if (ExitGame)
        ExitGame();
}

void frmMain::tmrAktuality_Timer() {
    TickNews(game_.state, lblInfo, imgIkona);
}

void frmMain::StopNews() {
    tmrAktuality->stop();
}

} // namespace vlnobrod
