#include "frmMain.h"

#include "port/NewsTicker.h"
#include "port/PortKeys.h"
#include "port/PortLabels.h"
#include "state/GameFile.h"
#include "state/Numbers.h"
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

namespace vlnobrod {

using namespace portstyle;

frmMain::frmMain(GameServices& game, QWidget* parent) : QWidget(parent), game_(game) {
    BuildMainScreen();
    BuildTradePanel();
    BuildDockPanel();
    BuildBankPanel();
    BuildSavePanel();
    BuildCityInfoPanel();
    BuildMessageBox();

    for (int i = 0; i < ActionCount; ++i) {
        ClickLabel* l = lblAkce[static_cast<std::size_t>(i)];
        l->setCursor(art::HandCursor());
        connect(l, &ClickLabel::clicked, this, [this, i] { lblAkce_Click(i); });
    }
    for (Panel* p : picZáložka)
        p->CloseCross()->setCursor(art::HandCursor());
    SetAction(akce::BackToMenu, [this] { BackToMenuAction(); });
    SetAction(akce::Goal, [this] { ShowGoalAction(); });
    InstallPortKeys(*this);

    setWindowTitle(QStringLiteral("Vlnobrod"));
    game_.state.FocusKey = "F00";
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
    st.FocusKey = "F00";
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
        SetForeColor(l, c.Pristup != 0 ? Grey : Black);
        l->show();
    }
    setWindowTitle(QStringLiteral("Vlnobrod - %1 - %2")
                       .arg(QString::fromStdString(st.Name), QString::fromStdString(st.Company)));

    StartLoadedGame(st, game_.random, *this);
    SetForeColor(lblMěsto[st.AktualniMesto], Red);
    WelcomeToGame(st);
    lbl[popisek::TradeTitle]->setText(QStringLiteral("Obchod - ") +
                                      QString::fromStdString(st.Cities[st.AktualniMesto].Nazev));
    // The bank tab is there only where the port has a bank.
    lblZal[3]->setVisible(st.Cities[st.AktualniMesto].Banka);
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
    if (index < 0 || index >= ActionCount)
        return;
    actions_[static_cast<std::size_t>(index)] = std::move(action);
}

void frmMain::lblAkce_Click(int Index) {
    if (Index < 0 || Index >= ActionCount)
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

void frmMain::lblZal_Click(int Index) {
    if (Index < 0 || Index > 3)
        return;
    PlaySoundName("Nabídka");
    for (Panel* p : picZáložka)
        p->hide();
    if (Index == 0)
        return; // the chart, free of panels
    if (Index == 1) {
        picZáložka[0]->show();
        picZáložka[0]->raise();
        ShowMarket(game_.state.AktualniMesto, false);
    } else {
        Panel* p = picZáložka[static_cast<std::size_t>(Index - 1)];
        p->show();
        p->raise();
    }
    ShowFleet();
}

void frmMain::StartVoyage(int city) {
    if (SailTo)
        SailTo(city);
}

void frmMain::SetGoodsColour(int index, bool highlighted) {
    if (index < 0 || index >= static_cast<int>(lblSurovina.size()))
        return;
    SetForeColor(lblSurovina[static_cast<std::size_t>(index)], highlighted ? Red : Black);
}

void frmMain::SetCargoColour(int index, bool highlighted) {
    if (index < 0 || index >= static_cast<int>(lblNáklad.size()))
        return;
    SetForeColor(lblNáklad[static_cast<std::size_t>(index)], highlighted ? Red : Black);
}

void frmMain::Fokus_Move(const QString& Objekt) {
    GameState& st = game_.state;
    const QString current = QString::fromStdString(st.FocusKey);
    if (Objekt == current)
        return;
    const int oldIndex = current.right(2).toInt();
    const int newIndex = Objekt.right(2).toInt();
    if (current.startsWith(QLatin1Char('Z'))) {
        if (oldIndex >= 0 && oldIndex < 4)
            SetForeColor(lblZal[static_cast<std::size_t>(oldIndex)], Black);
    } else if (current.startsWith(QLatin1Char('S'))) {
        SetGoodsColour(oldIndex, false);
    } else if (current.startsWith(QLatin1Char('N'))) {
        SetCargoColour(oldIndex, false);
    }
    if (Objekt.startsWith(QLatin1Char('Z'))) {
        if (newIndex >= 0 && newIndex < 4)
            SetForeColor(lblZal[static_cast<std::size_t>(newIndex)], Red);
    } else if (Objekt.startsWith(QLatin1Char('S')) && newIndex >= 28 && newIndex <= 55) {
        // Only the trade panel's goods light up; the research chart's stay black.
        SetGoodsColour(newIndex, true);
    } else if (Objekt.startsWith(QLatin1Char('N'))) {
        SetCargoColour(newIndex, true);
    }
    st.FocusKey = Objekt.toStdString();
}

bool frmMain::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::MouseMove) {
        // Over the bare chart, tab strip or panel (not over anything lying on it) the
        // highlight goes out.
        auto* w = static_cast<QWidget*>(watched);
        const auto* me = static_cast<QMouseEvent*>(e);
        if (!w->childAt(me->position().toPoint()))
            Fokus_Move(QStringLiteral("F00"));
    }
    return QWidget::eventFilter(watched, e);
}

void frmMain::mouseMoveEvent(QMouseEvent* e) {
    if (!childAt(e->position().toPoint()))
        Fokus_Move(QStringLiteral("F00"));
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

} // namespace vlnobrod
