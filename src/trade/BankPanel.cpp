#include "BankPanel.h"

#include "port/PortLabels.h"
#include "port/frmMain.h"
#include "trade/Bank.h"
#include "widgets/Art.h"
#include "widgets/PanelKeys.h"
#include "widgets/PortStyle.h"

namespace vlnobrod {

using namespace portstyle;

BankPanel::BankPanel(frmMain& main) : QObject(&main), main_(main) {
    setObjectName(QStringLiteral("BankPanel"));
    QWidget* panel = main_.picZáložka[2];

    sldTransakce = new QSlider(Qt::Horizontal, panel);
    sldTransakce->setAccessibleName(QStringLiteral("Částka"));
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
        l->Tag = QString::fromUtf8(preset.tag);
        l->setCursor(art::HandCursor());
        connect(l, &ClickLabel::clicked, this, [this, i] { lblStupeň_Click(i); });
        lblStupeň[static_cast<std::size_t>(i)] = l;
    }

    auto& lbl = main_.lbl;
    lbl[popisek::CashInterest] =
        MakeClickLabel(panel, QString::fromUtf8(CashInterestCaption), 16, 190, 210, 20, 9);
    lbl[popisek::AccountInterest] =
        MakeClickLabel(panel, QString::fromUtf8(AccountInterestCaption), 234, 190, 210, 34, 9);
    lbl[popisek::AccountInterest]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    sldTransakce_Change();

    main_.SetAction(akce::Deposit, [this] { Uložit(); });
    main_.SetAction(akce::Withdraw, [this] { Vyzvednout(); });
}

void BankPanel::lblStupeň_Click(int Index) {
    if (Index < 0 || Index >= static_cast<int>(lblStupeň.size()))
        return;
    sldTransakce->setValue(
        PresetAmount(lblStupeň[static_cast<std::size_t>(Index)]->Tag.toStdString()));
}

void BankPanel::sldTransakce_Change() {
    main_.lbl[popisek::BankAmount]->setText(
        QString::fromStdString(BankAmountLine(sldTransakce->value())));
}

void BankPanel::Uložit() {
    Deposit(main_.Game().state, main_, sldTransakce->value());
    main_.ShowFleet();
}

void BankPanel::Vyzvednout() {
    Withdraw(main_.Game().state, main_, sldTransakce->value());
    main_.ShowFleet();
}

} // namespace vlnobrod
