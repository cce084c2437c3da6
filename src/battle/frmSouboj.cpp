#include "frmSouboj.h"

#include "state/Numbers.h"
#include "widgets/Question.h"

#include "widgets/Art.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QTimer>
#include <algorithm>
#include <cmath>

namespace vlnobrod {

// A cannon barrel, the window's 3-pixel line from its foot to its muzzle. It is a widget of
// its own so it stands above the ship pictures.
class CannonLine : public QWidget {
public:
    explicit CannonLine(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
    }
    void SetLine(const Barrel& b) {
        const int margin = 3;
        const QRect box = QRect(QPoint(int(std::floor(std::min(b.X1, b.X2))) - margin,
                                       int(std::floor(std::min(b.Y1, b.Y2))) - margin),
                                QPoint(int(std::ceil(std::max(b.X1, b.X2))) + margin,
                                       int(std::ceil(std::max(b.Y1, b.Y2))) + margin));
        from_ = QPointF(b.X1, b.Y1) - box.topLeft();
        to_ = QPointF(b.X2, b.Y2) - box.topLeft();
        setGeometry(box);
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        // Brass, so the barrel shows against a dark hull as well as against the sky.
        p.setPen(QPen(QColor(0xd8, 0xa8, 0x3c), 3, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(from_, to_);
    }

private:
    QPointF from_, to_;
};

namespace {

constexpr int PanelTop = 404; // the controls lie below the sea

QLabel* label(const QString& text, QWidget* parent, int x, int y, int w, int h = 18) {
    auto* l = new QLabel(text, parent);
    l->setGeometry(x, y, w, h);
    return l;
}

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

QPixmap paintBackground() {
    QPixmap bg(field::Width, field::Height);
    QPainter p(&bg);
    QLinearGradient sky(0, 0, 0, field::SeaLevel);
    sky.setColorAt(0, QColor(0x27, 0x4f, 0x7a));
    sky.setColorAt(1, QColor(0xb9, 0xd5, 0xe8));
    p.fillRect(QRect(0, 0, field::Width, int(field::SeaLevel)), sky);
    QLinearGradient sea(0, field::SeaLevel, 0, PanelTop);
    sea.setColorAt(0, QColor(0x3d, 0x7f, 0xa6));
    sea.setColorAt(1, QColor(0x1d, 0x4e, 0x72));
    p.fillRect(QRect(0, int(field::SeaLevel), field::Width, PanelTop - int(field::SeaLevel)), sea);
    p.fillRect(QRect(0, PanelTop, field::Width, field::Height - PanelTop),
               QColor(0xef, 0xe2, 0xc0));
    p.fillRect(QRect(0, PanelTop, field::Width, 3), QColor(0x5a, 0x3b, 0x1a));
    return bg;
}

QPixmap ballPicture() {
    QPixmap ball(field::BallSize, field::BallSize);
    ball.fill(Qt::transparent);
    QPainter p(&ball);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x15, 0x15, 0x15));
    p.drawEllipse(QRectF(0.5, 0.5, field::BallSize - 1, field::BallSize - 1));
    return ball;
}

QSlider* slider(const AimRange& range, QWidget* parent, const QRect& geometry) {
    auto* s = new QSlider(Qt::Horizontal, parent);
    s->setRange(range.minimum, range.maximum);
    s->setValue(range.initial);
    s->setSingleStep(range.singleStep);
    s->setPageStep(range.pageStep);
    s->setTickInterval(range.tickInterval);
    s->setTickPosition(QSlider::TicksBelow);
    s->setGeometry(geometry);
    return s;
}

// A typed setting moves its slider, without writing back into the box; one beyond the
// slider's end (a charge of 150) shows the slider at that end.
void follow(QSlider* s, const QString& typed) {
    const auto v = ParseNumber(typed.toStdString());
    if (!v || !std::isfinite(*v))
        return;
    const QSignalBlocker quiet(s);
    s->setValue(static_cast<int>(std::lround(std::clamp<double>(*v, s->minimum(), s->maximum()))));
}

} // namespace

frmSouboj::frmSouboj(GameServices& game, BattleMemory& memory, QWidget* parent)
    : QDialog(parent), game_(game), rules_(game.random, memory, game.state.locale) {
    BuildLayout();
}

frmSouboj::~frmSouboj() = default;

void frmSouboj::BuildLayout() {
    setWindowTitle(QStringLiteral("Souboj s piráty"));
    setFixedSize(field::Width, field::Height);
    background_ = paintBackground();

    lodě[Merchant] = new QLabel(this);
    lodě[Merchant]->setGeometry(int(field::MerchantLeft), field::MerchantTop, field::ShipWidth,
                                field::MerchantHeight);
    lodě[Pirates] = new QLabel(this);
    lodě[Pirates]->setGeometry(0, field::PirateTop, field::ShipWidth, field::PirateHeight);
    lodě[Pirates]->setPixmap(art::Picture(QStringLiteral("battle_pirate")));
    for (QLabel* ship : lodě)
        ship->setScaledContents(true);
    for (std::size_t i = 0; i < 2; ++i)
        lnlDělo[i] = new CannonLine(this);

    Koule = new QLabel(this);
    Koule->setPixmap(ballPicture());
    Koule->resize(field::BallSize, field::BallSize);
    Koule->hide();

    lblStatus = label(QString(), this, 0, 10, field::Width, 30);
    lblStatus->setAlignment(Qt::AlignCenter);
    lblStatus->setStyleSheet(QStringLiteral("color: white;"));
    lblStatus->setFont(art::HeavyFont(14));

    popisky[popisek::Settings] = label(QStringLiteral("Nastavení děla:"), this, 8, 408, 186);
    QFont heading = popisky[popisek::Settings]->font();
    heading.setBold(true);
    popisky[popisek::Settings]->setFont(heading);
    BuildControls(Merchant, 8);
    BuildControls(Pirates, 612);

    cmdPal = new QPushButton(QStringLiteral("pal"), this);
    cmdPal->setGeometry(200, 458, 53, 59);
    Command1 = new QPushButton(QStringLiteral("pal"), this);
    Command1->setGeometry(552, 454, 53, 59);
    for (QPushButton* b : {cmdPal, Command1}) {
        b->setAutoDefault(false);
        b->setToolTip(QStringLiteral("Klávesa: Enter"));
        b->setCursor(art::HandCursor());
    }
    connect(cmdPal, &QPushButton::clicked, this, [this] { Fire(Merchant); });
    connect(Command1, &QPushButton::clicked, this, [this] { Fire(Pirates); });

    lblVítr = label(QString(), this, 262, 414, 284);
    lblVítr->setAlignment(Qt::AlignCenter);
    lblPoškození[Merchant] = label(QString(), this, 262, 492, 136);
    lblPoškození[Pirates] = label(QString(), this, 408, 492, 138);
    lblPoškození[Pirates]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (QLabel* l : lblPoškození)
        l->setFont(heading);

    tmrPal = new QTimer(this);
    tmrPal->setInterval(20);
    tmrPal->setTimerType(Qt::PreciseTimer);
    connect(tmrPal, &QTimer::timeout, this, &frmSouboj::tmrPal_Timer);
    tmrPiráti = new QTimer(this);
    tmrPiráti->setInterval(1000);
    tmrPiráti->setSingleShot(true);
    connect(tmrPiráti, &QTimer::timeout, this, &frmSouboj::Piráti);
    DescribeControls();
    NameControls();
}

// The object names the tests find the controls by; a side's controls end in its number.
void frmSouboj::NameControls() {
    for (std::size_t side = 0; side < 2; ++side) {
        const QString n = QString::number(side);
        txtÚhel[side]->setObjectName(QStringLiteral("angle") + n);
        sldÚhel[side]->setObjectName(QStringLiteral("angleSlider") + n);
        txtSíla[side]->setObjectName(QStringLiteral("powder") + n);
        sldSíla[side]->setObjectName(QStringLiteral("powderSlider") + n);
        lblPoškození[side]->setObjectName(QStringLiteral("damage") + n);
        lodě[side]->setObjectName(QStringLiteral("ship") + n);
    }
    cmdPal->setObjectName(QStringLiteral("fire0"));
    Command1->setObjectName(QStringLiteral("fire1"));
    Koule->setObjectName(QStringLiteral("ball"));
    lblStatus->setObjectName(QStringLiteral("status"));
    lblVítr->setObjectName(QStringLiteral("wind"));
    lblVýsledek->setObjectName(QStringLiteral("outcome"));
    cmdOK->setObjectName(QStringLiteral("ok"));
    tmrPal->setObjectName(QStringLiteral("flightTimer"));
    tmrPiráti->setObjectName(QStringLiteral("piratesTimer"));
}

void frmSouboj::BuildControls(int ship, int x) {
    // Each side's settings: the angle and the gunpowder, a box for the number and its slider.
    const std::size_t i = static_cast<std::size_t>(ship);
    const bool merchant = ship == Merchant;
    popisky[merchant ? popisek::MerchantAngle : popisek::PiratesAngle] =
        label(QStringLiteral("Úhel:"), this, x, 430, 40);
    popisky[merchant ? popisek::MerchantPowder : popisek::PiratesPowder] =
        label(QStringLiteral("Množství střelného prachu:"), this, x, 456, 186);
    txtÚhel[i] = new QLineEdit(QStringLiteral("45"), this);
    txtÚhel[i]->setGeometry(x + 40, 428, 40, 22);
    sldÚhel[i] = slider(AngleRange, this, QRect(x + 84, 426, 102, 26));
    txtSíla[i] = new QLineEdit(QStringLiteral("40"), this);
    txtSíla[i]->setGeometry(x, 476, 40, 22);
    sldSíla[i] = slider(PowerRange, this, QRect(x + 44, 474, 142, 26));
    // A slider writes its whole value into its box; the box is what a shot reads.
    connect(sldÚhel[i], &QSlider::valueChanged, this,
            [this, i](int v) { txtÚhel[i]->setText(QString::number(v)); });
    connect(sldSíla[i], &QSlider::valueChanged, this,
            [this, i](int v) { txtSíla[i]->setText(QString::number(v)); });
    for (QLineEdit* box : {txtÚhel[i], txtSíla[i]})
        connect(box, &QLineEdit::textChanged, this, [this, ship] { TakeAim(ship); });
}

void frmSouboj::Form_Load(HandOffWord mode, const FleetRecord& fleet) {
    rules_.Load(mode, fleet);
    lodě[Merchant]->setPixmap(art::Picture(qs(rules_.MerchantPicture())));
    lodě[Pirates]->move(qRound(rules_.ShipLeft(Pirates)), field::PirateTop);
    for (std::size_t i = 0; i < 2; ++i) {
        lnlDělo[i]->SetLine(rules_.Cannon(int(i)));
        lnlDělo[i]->raise();
    }
    Koule->raise();
    // Against the computer the pirates' settings are theirs to make.
    const std::initializer_list<QWidget*> piratesSettings = {txtÚhel[Pirates], txtSíla[Pirates],
                                                             sldÚhel[Pirates], sldSíla[Pirates]};
    for (QWidget* w : piratesSettings)
        w->setEnabled(!rules_.ComputerPirates());
    Refresh();
}

// What is typed is what the next shot of that side reads.
void frmSouboj::TakeAim(int ship) {
    const std::size_t i = static_cast<std::size_t>(ship);
    rules_.SetAim(ship, txtÚhel[i]->text().toStdString(), txtSíla[i]->text().toStdString());
    follow(sldÚhel[i], txtÚhel[i]->text());
    follow(sldSíla[i], txtSíla[i]->text());
}

void frmSouboj::Fire(int ship) {
    if (rules_.Fire(ship) == FireResult::Fired)
        Launched();
    else
        Refresh();
}

void frmSouboj::Piráti() {
    if (!rules_.PiratesDue())
        return;
    rules_.PiratesTurn();
    Launched();
}

void frmSouboj::Launched() {
    MoveBall();
    Koule->show();
    tmrPal->start();
    PlaySounds();
    Refresh();
}

void frmSouboj::MoveBall() {
    Koule->move(qRound(rules_.Ball().x), qRound(rules_.Ball().y));
}

void frmSouboj::tmrPal_Timer() {
    const bool flying = rules_.Tick();
    MoveBall();
    if (flying)
        return;
    tmrPal->stop();
    PlaySounds();
    Refresh();
    ReportLanding();
    if (rules_.Over()) {
        // Nothing moves after the end: the figures stay as the caller will read them.
        StopTimers();
        ShowOutcome();
    } else if (rules_.PiratesDue()) {
        tmrPiráti->start(1000);
    }
}

void frmSouboj::Refresh() {
    lblStatus->setText(qs(rules_.Status()));
    lblVítr->setText(qs(rules_.WindLine()));
    for (std::size_t i = 0; i < 2; ++i) {
        lblPoškození[i]->setText(qs(rules_.DamageCaption(int(i))));
        // A shot may have kept a setting within its slider; the computer writes its own.
        const QString angle = qs(rules_.AngleText(int(i)));
        const QString power = qs(rules_.PowerText(int(i)));
        // Shown from their first digit: the computer's "48.04936" is wider than its box.
        for (auto [box, text] : {std::pair{txtÚhel[i], angle}, std::pair{txtSíla[i], power}})
            if (box->text() != text) {
                box->setText(text);
                box->setCursorPosition(0);
            }
    }
    cmdPal->setEnabled(rules_.PlayerMayFire(Merchant));
    Command1->setEnabled(rules_.PlayerMayFire(Pirates));
    UpdateDescriptions();
}

void frmSouboj::PlaySounds() {
    for (const std::string& name : rules_.TakeSounds())
        game_.PlaySoundName(qs(name));
}

void frmSouboj::StopTimers() {
    tmrPal->stop();
    tmrPiráti->stop();
}

void frmSouboj::reject() {
    close();
}

void frmSouboj::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && rules_.Over()) {
        hide(); // the outcome has been read
        return;
    }
    if (!enter || (e->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QDialog::keyPressEvent(e);
        return;
    }
    // Typed into a box, the setting is taken as it is typed; Enter then fires.
    for (QPushButton* pal : {cmdPal, Command1})
        if (pal->isVisible() && pal->isEnabled()) {
            pal->click();
            return;
        }
}

void frmSouboj::closeEvent(QCloseEvent* e) {
    if (asking_) {
        e->ignore();
        return;
    }
    if (!rules_.AsksBeforeClosing()) {
        // A two-player duel closes at once, without a winner.
        StopTimers();
        e->accept();
        return;
    }
    // The battle holds still while the player thinks it over.
    const bool flying = tmrPal->isActive();
    const int piratesDue = tmrPiráti->isActive() ? tmrPiráti->remainingTime() : -1;
    StopTimers();
    QPointer<frmSouboj> self(this);
    const bool giveUp = AskSurrender();
    if (!self)
        return;
    if (giveUp && !rules_.Over()) {
        rules_.Surrender();
        Refresh();
        e->accept();
        return;
    }
    e->ignore();
    if (!rules_.Over()) {
        if (flying)
            tmrPal->start();
        if (piratesDue >= 0)
            tmrPiráti->start(std::max(piratesDue, 0));
    }
}

bool frmSouboj::AskSurrender() {
    asking_ = true;
    const QPointer<frmSouboj> alive(this);
    // "Ne" by Enter as well: a surrender costs the cargo.
    const MessageAnswer answer =
        AskInDialog(this, QStringLiteral("Utéct z bitvy"),
                    QStringLiteral("Snad se nevzdáte - prohrál byste bitvu! Chcete se vzdát?"),
                    MessageButtons::NeAno, QMessageBox::NoIcon, MessageAnswer::Ne);
    if (!alive)
        return false; // the window went, and the question with it
    asking_ = false;
    return answer == MessageAnswer::Ano;
}

void frmSouboj::setVisible(bool visible) {
    // The window stays while the surrender question waits on it: the answer needs a battle
    // to apply to.
    if (!visible && asking_)
        return;
    QDialog::setVisible(visible);
}

void frmSouboj::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, background_);
}

} // namespace vlnobrod
