// The main screen of the port window: the sea chart with its cities, the tab strip, the
// counters, the actions around the chart and the news ticker.

#include "PanelDrop.h"
#include "PortArt.h"
#include "frmMain.h"
#include "widgets/PortStyle.h"

#include "widgets/Art.h"

#include <QTimer>

namespace vlnobrod {

using namespace portstyle;

namespace {

// Where the main screen's own actions stand, in the column right of the chart.
struct ActionPlace {
    int index;
    const char* caption;
    const char* name;
    int x, y, w, h;
};
constexpr ActionPlace mainActions[] = {
    {akce::Goal, "Úkol", "goal", 866, 222, 150, 26},
    {akce::OpenSave, "Uložit", "openSave", 866, 256, 150, 26},
    {akce::Statistics, "Statistika & Nejlepší hráči", "statistics", 866, 290, 150, 44},
    {akce::BackToMenu, "< Zpět do menu", "backToMenu", 866, 650, 150, 26},
};

constexpr const char* tabCaptions[zalozka::TabCount] = {"Mapa", "Obchod", "Dok", "Banka"};

const QString parchmentCard =
    QStringLiteral("QFrame#card { background-color: #efe2c0; border: 2px solid #5a3b1a; "
                   "border-radius: 6px; }");

} // namespace

void frmMain::BuildMainScreen() {
    setObjectName(QStringLiteral("frmMain"));
    setFixedSize(1024, 700);
    setMouseTracking(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0x2a, 0x1d, 0x12));
    setPalette(pal);
    setAutoFillBackground(true);

    // The chart shows at its own size from the top left corner; what does not fit is cut.
    Hra = new QLabel(this);
    Hra->setObjectName(QStringLiteral("seaChart"));
    Hra->setGeometry(0, 0, MapWidth, MapHeight);
    Hra->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Hra->setStyleSheet(QStringLiteral("background-color: #2f6a8a;"));
    TrackHover(Hra);

    for (int i = 0; i < MaxCities; ++i) {
        // Names read on any chart: bold ink on a light halo.
        ClickLabel* l = MakeClickLabel(Hra, QString(), 0, 0, 10, 10, 10, true);
        SetBaseStyle(l, QStringLiteral("background-color: rgba(255, 248, 225, 215); "
                                       "border: 1px solid rgba(90, 59, 26, 170); "
                                       "border-radius: 4px; padding: 0px 3px;"));
        SetForeColor(l, Black);
        l->setCursor(art::HandCursor());
        l->hide();
        l->setObjectName(QStringLiteral("city%1").arg(i));
        // The left button tells about the city; any other sails there.
        connect(l, &ClickLabel::released, this, [this, i](Qt::MouseButton button) {
            if (button == Qt::LeftButton)
                emit cityClicked(i);
            else
                StartVoyage(i);
        });
        lblMěsto[static_cast<std::size_t>(i)] = l;
    }

    // Counters and the main screen's actions, on parchment cards right of the chart.
    auto* counters = new QFrame(this);
    counters->setObjectName(QStringLiteral("card"));
    counters->setStyleSheet(parchmentCard);
    counters->setGeometry(857, 8, 160, 196);
    const QString captionStyle = QStringLiteral("background: transparent; color: #5a3b1a;");
    auto caption = [&](const QString& text, int y) {
        QLabel* l = MakeLabel(counters, text, 10, y, 140, 18, 9);
        SetBaseStyle(l, captionStyle);
    };
    auto figure = [&](int y) {
        QLabel* l = MakeLabel(counters, QStringLiteral("0"), 10, y, 140, 26, 14, true);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SetBaseStyle(l, QStringLiteral("background: transparent; color: #2b1d0e;"));
        return l;
    };
    caption(QStringLiteral("Hotovost (zlatých):"), 8);
    lblHotovost = figure(26);
    lblHotovost->setObjectName(QStringLiteral("cash"));
    caption(QStringLiteral("Na kontě (zlatých):"), 66);
    lblKonto = figure(84);
    lblKonto->setObjectName(QStringLiteral("account"));
    caption(QStringLiteral("Den:"), 124);
    lblDny = figure(142);
    lblDny->setObjectName(QStringLiteral("days"));
    // A screen reader reads each figure with its caption.
    lblHotovost->setAccessibleDescription(QStringLiteral("Hotovost (zlatých)"));
    lblKonto->setAccessibleDescription(QStringLiteral("Na kontě (zlatých)"));
    lblDny->setAccessibleDescription(QStringLiteral("Den"));

    auto* actionsCard = new QFrame(this);
    actionsCard->setObjectName(QStringLiteral("card"));
    actionsCard->setStyleSheet(parchmentCard);
    actionsCard->setGeometry(857, 212, 160, 130);

    for (const ActionPlace& a : mainActions) {
        ClickLabel* l = MakeActionLabel(this, QString::fromUtf8(a.caption), a.x, a.y, a.w, a.h, 11);
        l->setWordWrap(true);
        l->setObjectName(QString::fromLatin1(a.name));
        lblAkce[static_cast<std::size_t>(a.index)] = l;
    }
    SetForeColor(lblAkce[akce::BackToMenu], QColor(0xef, 0xe2, 0xc0));

    // The game's name and a ship under sail fill the column below the actions.
    QLabel* name = MakeLabel(this, QStringLiteral("Vlnobrod"), 857, 380, 160, 36);
    name->setFont(SerifFont(20));
    name->setAlignment(Qt::AlignCenter);
    SetForeColor(name, QColor(0xf6, 0xe7, 0xb8));
    QLabel* subtitle = MakeLabel(this, QStringLiteral("obchodní strategie"), 857, 414, 160, 20, 9);
    subtitle->setAlignment(Qt::AlignCenter);
    SetForeColor(subtitle, QColor(0xc9, 0xb4, 0x7f));
    auto* ship = new QLabel(this);
    ship->setGeometry(857, 446, 160, 110);
    ship->setAlignment(Qt::AlignCenter);
    ship->setPixmap(ShipPicture(2).scaled(150, 100, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    // The tab strip below the chart.
    picZáložky = new QFrame(this);
    picZáložky->setObjectName(QStringLiteral("tabs"));
    picZáložky->setGeometry(0, MapHeight, MapWidth, 56);
    picZáložky->setMouseTracking(true);
    TrackHover(picZáložky);
    for (int i = 0; i < zalozka::TabCount; ++i) {
        ClickLabel* t =
            MakeClickLabel(picZáložky, QString::fromUtf8(tabCaptions[i]), 12 + i * 128, 8, 120, 40);
        t->setObjectName(QStringLiteral("tab") + QString::fromUtf8(tabCaptions[i]));
        t->setFont(SerifFont(14));
        t->setAlignment(Qt::AlignCenter);
        SetBaseStyle(t, QStringLiteral("background-color: #efe2c0; border: 2px solid #5a3b1a; "
                                       "border-top: none; border-bottom-left-radius: 8px; "
                                       "border-bottom-right-radius: 8px;"));
        SetForeColor(t, Black);
        t->setCursor(art::HandCursor());
        connect(t, &ClickLabel::clicked, this, [this, i] { ShowTab(i); });
        connect(t, &ClickLabel::hovered, this, &frmMain::hoverLeft);
        lblZal[static_cast<std::size_t>(i)] = t;
    }

    BuildNewsTicker();
}

void frmMain::BuildNewsTicker() {
    auto* board = new QFrame(this);
    board->setObjectName(QStringLiteral("news"));
    board->setStyleSheet(QStringLiteral("QFrame#news { background-color: #1b2a38; "
                                        "border: 2px solid #5a3b1a; border-radius: 6px; }"));
    board->setGeometry(8, 590, MapWidth - 8, 102);
    const QFont fonts[2] = {TextFont(12, true), TextFont(11)};
    const char* design[2] = {"Vlnobrod", "obchodní strategie"};
    for (int i = 0; i < 2; ++i) {
        const int y = 10 + i * 46;
        auto* icon = new QLabel(board);
        icon->setGeometry(12, y, 32, 32);
        icon->setScaledContents(true);
        icon->setStyleSheet(QStringLiteral("background: transparent;"));
        imgIkona[static_cast<std::size_t>(i)] = icon;

        QLabel* text = MakeLabel(board, QString::fromUtf8(design[i]), 56, y - 2, MapWidth - 80, 36);
        text->setFont(fonts[i]);
        SetBaseStyle(text, QStringLiteral("background: transparent;"));
        SetForeColor(text, i == 0 ? QColor(0xf6, 0xe7, 0xb8) : QColor(0xb9, 0xc4, 0xcc));
        text->setObjectName(QStringLiteral("news%1").arg(i));
        lblInfo[static_cast<std::size_t>(i)] = text;
    }

    tmrAktuality = new QTimer(this);
    tmrAktuality->setObjectName(QStringLiteral("newsTimer"));
    tmrAktuality->setInterval(1000);
    connect(tmrAktuality, &QTimer::timeout, this, [this] { tmrAktuality_Timer(); });
    tmrAktuality->start();
}

Panel* frmMain::AddPanel(int index, const QString& title, const QRect& place) {
    if (index <= zalozka::Map || index >= zalozka::PanelCount)
        return nullptr;
    auto* p = new Panel(title, this);
    p->setObjectName(QStringLiteral("panel%1").arg(index));
    p->setGeometry(place);
    p->hide();
    p->CloseCross()->setCursor(art::HandCursor());
    p->onDropped = [this](Panel& dropped) { KeepOnScreen(dropped); };
    TrackHover(p);
    picZáložka[static_cast<std::size_t>(index)] = p;
    // The message box stays above every panel.
    if (picMsgBox)
        picMsgBox->raise();
    return p;
}

void frmMain::KeepOnScreen(Panel& panel) {
    const PanelPlace place = PullBackPanel({panel.x(), panel.y()}, panel.width(),
                                           Panel::TitleHeight, height(), Hra->width());
    panel.move(place.left, place.top);
}

} // namespace vlnobrod
