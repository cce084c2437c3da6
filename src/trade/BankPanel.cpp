#include "BankPanel.h"

#include "port/frmMain.h"
#include "state/Numbers.h"
#include "trade/Bank.h"
#include "widgets/Art.h"
#include "widgets/PanelKeys.h"
#include "widgets/PortStyle.h"

namespace vlnobrod {

using namespace portstyle;

namespace {

// The amounts of the presets, by their number in BankPresets.
std::array<std::int32_t, 3> presetAmounts() {
    std::array<std::int32_t, 3> amounts{};
    for (std::size_t i = 0; i < amounts.size(); ++i)
        amounts[i] = PresetAmount(BankPresets[i].tag);
    return amounts;
}

} // namespace

BankPanel::BankPanel(frmMain& port) : QObject(&port), port_(port) {
    setObjectName(QStringLiteral("BankPanel"));
    Panel* panel = port_.AddPanel(zalozka::Bank, QStringLiteral("Banka"), QRect(110, 70, 460, 270));

    ClickLabel* cashCaption = MakeClickLabel(panel, QStringLiteral("Hotovost:"), 16, 34, 200, 20);
    cash_ = MakeClickLabel(panel, QStringLiteral("0"), 16, 54, 200, 28, 14, true);
    ClickLabel* accountCaption =
        MakeClickLabel(panel, QStringLiteral("Na kontě:"), 244, 34, 200, 20);
    account_ = MakeClickLabel(panel, QStringLiteral("0"), 244, 54, 200, 28, 14, true);
    account_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    accountCaption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (ClickLabel* l : {cash_, accountCaption, cashCaption, account_})
        l->setAttribute(Qt::WA_TransparentForMouseEvents);
    cash_->setObjectName(QStringLiteral("bankCash"));
    account_->setObjectName(QStringLiteral("bankAccount"));
    cash_->setAccessibleDescription(QStringLiteral("V hotovosti"));
    account_->setAccessibleDescription(QStringLiteral("Na kontě"));
    // The amount and its chooser sit in the middle.
    amount_ = MakeClickLabel(panel, QStringLiteral("50 000"), 16, 96, 428, 26, 13, true);
    amount_->setObjectName(QStringLiteral("bankAmount"));
    amount_->setAccessibleDescription(QStringLiteral("Částka"));
    amount_->setAlignment(Qt::AlignCenter);

    sldTransakce = new QSlider(Qt::Horizontal, panel);
    sldTransakce->setAccessibleName(QStringLiteral("Částka"));
    sldTransakce->setObjectName(QStringLiteral("amount"));
    sldTransakce->setGeometry(24, 128, 412, 30);
    sldTransakce->setMinimum(BankSlider.minimum);
    sldTransakce->setMaximum(BankSlider.maximum);
    sldTransakce->setValue(BankSlider.initial);
    sldTransakce->setSingleStep(BankSlider.singleStep);
    sldTransakce->setPageStep(BankSlider.pageStep);
    sldTransakce->setTickInterval(BankSlider.tickInterval);
    sldTransakce->setTickPosition(QSlider::TicksBelow);
    sldTransakce->setCursor(art::HandCursor());
    connect(sldTransakce, &QSlider::valueChanged, this, [this] { sldTransakce_Change(); });
    // The arrows and Page Up / Page Down choose the amount as the panel opens.
    SetBoxKeys(*panel, {.focus = sldTransakce});

    // From left to right: 10 000 (1), 50 000 (0), 100 000 (2).
    const int left[3] = {180, 16, 344};
    const Qt::Alignment align[3] = {Qt::AlignCenter, Qt::AlignLeft | Qt::AlignVCenter,
                                    Qt::AlignRight | Qt::AlignVCenter};
    for (int i = 0; i < 3; ++i) {
        const BankPreset& preset = BankPresets[static_cast<std::size_t>(i)];
        ClickLabel* l =
            MakeActionLabel(panel, QString::fromUtf8(preset.caption), left[i], 162, 100, 22, 10);
        l->setAlignment(align[i]);
        l->setObjectName(QStringLiteral("preset%1").arg(i));
        l->setCursor(art::HandCursor());
        connect(l, &ClickLabel::clicked, this, [this, i] { lblStupeň_Click(i); });
        lblStupeň[static_cast<std::size_t>(i)] = l;
    }

    MakeClickLabel(panel, QString::fromUtf8(CashInterestCaption), 16, 190, 210, 20, 9);
    ClickLabel* accountInterest =
        MakeClickLabel(panel, QString::fromUtf8(AccountInterestCaption), 234, 190, 210, 34, 9);
    accountInterest->setObjectName(QStringLiteral("accountInterest"));
    accountInterest->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sldTransakce_Change();

    ClickLabel* deposit =
        MakeActionLabel(panel, QStringLiteral("Uložit na konto >>"), 16, 226, 200, 26, 11);
    ClickLabel* withdraw =
        MakeActionLabel(panel, QStringLiteral("<<Vyzvednout si"), 244, 226, 200, 26, 11);
    withdraw->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    deposit->setObjectName(QStringLiteral("deposit"));
    withdraw->setObjectName(QStringLiteral("withdraw"));
    for (ClickLabel* l : {deposit, withdraw})
        l->setCursor(art::HandCursor());
    connect(deposit, &ClickLabel::clicked, this, [this] { Uložit(); });
    connect(withdraw, &ClickLabel::clicked, this, [this] { Vyzvednout(); });

    // Whatever moved the money (a trade, the day's interest, an access bought in the city
    // information), the panel's figures follow.
    connect(&port_, &frmMain::fleetChanged, this, [this] { ShowMoney(); });
    connect(&port_, &frmMain::moneyChanged, this, [this] { ShowMoney(); });
}

void BankPanel::lblStupeň_Click(int Index) {
    static const std::array<std::int32_t, 3> amounts = presetAmounts();
    if (Index < 0 || Index >= static_cast<int>(amounts.size()))
        return;
    sldTransakce->setValue(amounts[static_cast<std::size_t>(Index)]);
}

void BankPanel::sldTransakce_Change() {
    amount_->setText(QString::fromStdString(BankAmountLine(sldTransakce->value())));
}

void BankPanel::ShowMoney() {
    const GameState& st = port_.Game().state;
    cash_->setText(QString::fromStdString(FormatMoney(st.Hotovost)));
    account_->setText(QString::fromStdString(FormatMoney(st.Konto)));
}

void BankPanel::Uložit() {
    Deposit(port_.Game().state, port_, sldTransakce->value());
    port_.ShowFleet();
}

void BankPanel::Vyzvednout() {
    Withdraw(port_.Game().state, port_, sldTransakce->value());
    port_.ShowFleet();
}

} // namespace vlnobrod
