#pragma once

#include "widgets/ClickLabel.h"

#include <QObject>
#include <QSlider>
#include <array>

namespace vlnobrod {

class frmMain;

// The bank panel of the port screen ("Banka"): cash and account, the amount chosen on the
// slider or with its three presets, the interest captions, and the deposit and withdrawal.
// Its figures follow every change of the money, whatever made it.
//
// Named controls: "bankCash", "bankAccount", "bankAmount", "amount" (the slider), the presets
// "preset0".."preset2" (10 000, 50 000, 100 000 from the left, as BankPresets numbers them),
// "accountInterest", "deposit" and "withdraw".
class BankPanel : public QObject {
    Q_OBJECT
public:
    explicit BankPanel(frmMain& port);

    void lblStupeň_Click(int Index);
    void sldTransakce_Change();
    void Uložit();
    void Vyzvednout();
    // Cash and account as they stand.
    void ShowMoney();

private:
    frmMain& port_;
    QSlider* sldTransakce = nullptr;
    std::array<ClickLabel*, 3> lblStupeň{};
    ClickLabel* cash_ = nullptr;
    ClickLabel* account_ = nullptr;
    ClickLabel* amount_ = nullptr;
};

} // namespace vlnobrod
