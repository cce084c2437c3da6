#include "frmMenu.h"

#include "menu/LoadPanel.h"
#include "menu/MapAlbum.h"
#include "menu/StartForm.h"
#include "state/Paths.h"
#include "widgets/Art.h"
#include "widgets/WindowKeys.h"

#include <QCloseEvent>
#include <QColor>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <algorithm>

namespace vlnobrod {

namespace {

struct ActionSpec {
    const char* caption;
    double points;
    bool visible;
};

// Captions, sizes and design-time visibility of the menu entries. "Pokračovat ve hře >"
// appears only while a game waits behind the menu.
constexpr std::array<ActionSpec, frmMenu::ActionCount> menuEntries = {{
    {"Konec >", 14.25, true},
    {"Nová hra", 18, true},
    {"Načíst hru", 20.25, true},
    {"Nastavení", 15.75, true},
    {"Návod", 15.75, true},
    {"O hře", 15.75, true},
    {"Externí hry", 15.75, true},
    {"Pokračovat ve hře >", 21.75, false},
}};

// Where each entry stands: a column on the left of the window, "Konec >" at the bottom.
constexpr std::array<QPoint, frmMenu::ActionCount> places = {{
    {40, 520},
    {40, 150},
    {40, 200},
    {40, 255},
    {40, 405},
    {40, 305},
    {40, 355},
    {40, 95},
}};

// The menu's captions are coloured through their palette, over the picture as labels always
// are: a style sheet would bring the whole style sheet machinery into the start-up.
void textColour(QLabel* l, const QColor& colour) {
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, colour);
    l->setPalette(p);
}

} // namespace

frmMenu::frmMenu(GameServices& game, QWidget* parent) : QWidget(parent), game_(game) {
    setWindowTitle(QStringLiteral("Vlnobrod - hlavní menu"));
    setFixedSize(800, 600);
    setMouseTracking(true);

    Image1_ = new QLabel(this);
    Image1_->setGeometry(0, 0, 800, 600);
    Image1_->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto* heading = new QLabel(QStringLiteral("Vlnobrod"), this);
    QFont hf = art::HeavyFont(34);
    heading->setFont(hf);
    textColour(heading, QColor(0xf6, 0xe7, 0xb8));
    heading->move(36, 18);
    heading->adjustSize();
    heading->setAttribute(Qt::WA_TransparentForMouseEvents);

    lbl12_ = new QLabel(QStringLiteral("obchodní strategie"), this);
    textColour(lbl12_, QColor(0xf6, 0xe7, 0xb8));
    lbl12_->move(40, 70);
    lbl12_->adjustSize();

    for (int i = 0; i < ActionCount; ++i) {
        const ActionSpec& a = menuEntries[static_cast<std::size_t>(i)];
        auto* l = new ClickLabel(QString::fromUtf8(a.caption), this);
        l->setFont(art::HeavyFont(a.points));
        textColour(l, QColor(0xff, 0xf3, 0xcf));
        l->setCursor(art::HandCursor());
        l->move(places[static_cast<std::size_t>(i)]);
        l->adjustSize();
        l->setVisible(a.visible);
        connect(l, &ClickLabel::clicked, this, [this, i] { lblAkce_Click(i); });
        connect(l, &ClickLabel::hovered, this, [this, i] { Fokus_Move(i); });
        l->setObjectName(QStringLiteral("entry%1").arg(i));
        lblAkce_[static_cast<std::size_t>(i)] = l;
    }

    // The picture is made at the window's size: shown as it is, with no scaled copy kept
    // beside it.
    const QPixmap background = art::Picture(QStringLiteral("menu_background"));
    Image1_->setScaledContents(background.size() != Image1_->size());
    if (!background.isNull()) {
        Image1_->setPixmap(background);
    } else {
        Image1_->setStyleSheet(QStringLiteral(
            "background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #1d3b5c, stop:0.6 "
            "#2f6a8a, stop:1 #c9b47f);"));
    }

    // The panels are made when their entry is first clicked, so the menu opens sooner;
    // index 3 is a panel no entry opens, never made.
    ConfirmDelete = [this](const QString& file) { return AskToDelete(file); };
    BuildKeys();
}

Panel* frmMenu::EnsurePanel(int index) {
    if (!picZáložka_[static_cast<std::size_t>(index)]) {
        switch (index) {
        case menupanel::NewGame:
            BuildNewGamePanel();
            break;
        case menupanel::Load:
            BuildLoadPanel();
            break;
        case menupanel::Settings:
            BuildSettingsPanel();
            break;
        case menupanel::About:
            BuildAboutPanel();
            break;
        case menupanel::Duel:
            BuildDuelPanel();
            break;
        default:
            return nullptr;
        }
        BuildPanelKeys(index);
    }
    return picZáložka_[static_cast<std::size_t>(index)];
}

Panel* frmMenu::MakePanel(int index, const QString& title, int x, int y, int w, int h) {
    auto* p = picZáložka_[static_cast<std::size_t>(index)];
    if (!p)
        p = new Panel(title, this);
    p->setGeometry(x, y, w, h);
    p->hide();
    p->setMouseTracking(true);
    p->installEventFilter(this);
    p->CloseCross()->setCursor(art::HandCursor());
    // A dropped panel keeps its title bar inside the window, where it can be taken again.
    p->onDropped = [this](Panel& dropped) {
        const int x = std::clamp(dropped.x(), 40 - dropped.width(), width() - 40);
        const int y = std::clamp(dropped.y(), 0, height() - Panel::TitleHeight);
        dropped.move(x, y);
    };
    p->setObjectName(QStringLiteral("menuPanel%1").arg(index));
    picZáložka_[static_cast<std::size_t>(index)] = p;
    return p;
}

ClickLabel* frmMenu::MakeButton(int index, const QString& caption, QWidget* parent, int x, int y) {
    auto* b = new ClickLabel(caption, parent);
    b->setFont(art::HeavyFont(10.5));
    b->setStyleSheet(QStringLiteral("color: #6b1d0e; background: transparent;"));
    b->setCursor(art::HandCursor());
    b->move(x, y);
    b->adjustSize();
    b->setObjectName(QStringLiteral("button%1").arg(index));
    connect(b, &ClickLabel::clicked, this, [this, index] { lblAkceB_Click(index); });
    lblAkceB_[static_cast<std::size_t>(index)] = b;
    return b;
}

void frmMenu::HideAllPanels() {
    for (Panel* p : picZáložka_)
        if (p)
            p->hide();
}

void frmMenu::ShowPanel(int index) {
    Panel* p = EnsurePanel(index);
    p->show();
    p->raise();
}

void frmMenu::Fokus_Move(int index) {
    if (index == hovered_)
        return;
    auto resize = [this](int entry, double delta) {
        if (entry < 0 || entry >= ActionCount)
            return;
        ClickLabel* l = lblAkce_[static_cast<std::size_t>(entry)];
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() + delta);
        l->setFont(f);
        l->adjustSize();
    };
    resize(hovered_, -5);
    if (index >= 0 && index < ActionCount) {
        resize(index, +5);
        game_.PlaySoundName(QStringLiteral("Nabídka"));
    }
    hovered_ = index;
}

Panel* frmMenu::PanelAt(int index) const {
    if (index < 0 || index >= PanelCount)
        return nullptr;
    return picZáložka_[static_cast<std::size_t>(index)];
}

void frmMenu::lblAkce_Click(int Index) {
    HideAllPanels();
    game_.PlaySoundName(QStringLiteral("Cvak"));
    switch (Index) {
    case menuentry::Exit:
        if (LeaveGame && !LeaveGame())
            break;
        if (ExitGame)
            ExitGame();
        break;
    case menuentry::NewGame:
        EnsurePanel(menupanel::NewGame);
        album->Build(game_.profiles, QString::fromStdString(ShippedFolder(game_.state.Places)));
        ShowPanel(menupanel::NewGame);
        break;
    case menuentry::Load:
        EnsurePanel(menupanel::Load);
        loadPanel->Refresh();
        ShowPanel(menupanel::Load);
        break;
    case menuentry::Settings:
        EnsurePanel(menupanel::Settings);
        OpenSettings();
        ShowPanel(menupanel::Settings);
        break;
    case menuentry::Guide:
        if (ShowGuide)
            ShowGuide();
        break;
    case menuentry::About:
        EnsurePanel(menupanel::About);
        OpenAbout();
        ShowPanel(menupanel::About);
        break;
    case menuentry::Duel:
        ShowPanel(menupanel::Duel);
        break;
    case menuentry::Continue:
        hide();
        if (ContinueGame)
            ContinueGame();
        break;
    default:
        break;
    }
}

void frmMenu::lblAkceB_Click(int Index) {
    switch (Index) {
    case menubutton::StartGame:
        StartNewGame();
        break;
    case menubutton::LoadGame:
        LoadSelectedGame();
        break;
    case menubutton::CancelStart:
        picName->hide();
        break;
    case menubutton::SettingsOK:
    case menubutton::SettingsCancel:
    case menubutton::AboutOK:
    case menubutton::RunDuel:
        SettingsButton_Click(Index);
        break;
    case menubutton::DeleteSave:
        DeleteSelectedGame();
        break;
    case menubutton::LoadNewest:
        LoadNewestGame();
        break;
    default:
        break;
    }
}

void frmMenu::Form_Activate() {
    // A game left behind the menu can be continued.
    lblAkce_[menuentry::Continue]->setVisible(gameWaiting_);
    if (gameWaiting_ && game_.state.HandOff == HandOffWord::Zpet)
        game_.state.HandOff = HandOffWord::None;
}

void frmMenu::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Form_Activate();
}

void frmMenu::changeEvent(QEvent* e) {
    QWidget::changeEvent(e);
    if (e->type() == QEvent::ActivationChange) {
        if (isActiveWindow())
            Form_Activate();
        else
            Fokus_Move(-1);
    }
}

bool frmMenu::eventFilter(QObject* watched, QEvent* e) {
    // The mouse over a panel leaves every menu entry, also when it comes straight onto
    // something inside the panel (the album, a text box), which sends the panel no move.
    if (e->type() == QEvent::MouseMove || e->type() == QEvent::Enter)
        Fokus_Move(-1);
    return QWidget::eventFilter(watched, e);
}

void frmMenu::mouseMoveEvent(QMouseEvent* e) {
    Fokus_Move(-1);
    QWidget::mouseMoveEvent(e);
}

void frmMenu::keyPressEvent(QKeyEvent* e) {
    if (!WindowKey(*this, *e))
        QWidget::keyPressEvent(e);
}

void frmMenu::closeEvent(QCloseEvent* e) {
    // Closing the menu window ends the game, as "Konec >" does.
    if (LeaveGame && !LeaveGame()) {
        e->ignore();
        return;
    }
    e->accept();
    if (ExitGame)
        ExitGame();
}

} // namespace vlnobrod
