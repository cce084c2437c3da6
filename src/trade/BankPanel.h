#pragma once

#include "widgets/ClickLabel.h"

#include <QObject>
#include <QSlider>
#include <array>

namespace vlnobrod {

class frmMain;

// The bank panel's controls: the amount slider sldTransakce with its three presets
// lblStupeň, the amount line (lbl 33), the interest captions, and the deposit (lblAkce 11)
// and withdrawal (lblAkce 12) actions.
class BankPanel : public QObject {
    Q_OBJECT
public:
    explicit BankPanel(frmMain& main);

    void lblStupeň_Click(int Index);
    void sldTransakce_Change();
    void Uložit();     // lblAkce 11
    void Vyzvednout(); // lblAkce 12

    QSlider* sldTransakce = nullptr;
    std::array<ClickLabel*, 3> lblStupeň{};

private:
    frmMain& main_;
};

} // namespace vlnobrod
