// The battle for a player who cannot see it: every control named, the battle's state in the
// descriptions of the "pal" buttons (the keys' way to read it), each landing and the outcome
// told as they happen. The window's own texts stay as they are.
#include "frmSouboj.h"

#include "battle/BattleReport.h"
#include "widgets/Announcer.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

namespace vlnobrod {

namespace {

QString qs(const std::string& s) {
    return QString::fromStdString(s);
}

const char* const sideNames[2] = {"obchodní loď", "pirátská loď"};

} // namespace

void frmSouboj::DescribeControls() {
    for (std::size_t i = 0; i < 2; ++i) {
        const QString side = QString::fromUtf8(sideNames[i]);
        txtÚhel[i]->setAccessibleName(QStringLiteral("Úhel, ") + side);
        sldÚhel[i]->setAccessibleName(QStringLiteral("Úhel posuvníkem, ") + side);
        txtSíla[i]->setAccessibleName(QStringLiteral("Množství střelného prachu, ") + side);
        sldSíla[i]->setAccessibleName(QStringLiteral("Střelný prach posuvníkem, ") + side);
        lblPoškození[i]->setAccessibleDescription(QStringLiteral("Poškození, ") + side);
    }
    lblVítr->setAccessibleDescription(QStringLiteral("Vítr"));

    lblVýsledek = new QLabel(this);
    lblVýsledek->setGeometry(0, 120, width(), 44);
    lblVýsledek->setAlignment(Qt::AlignCenter);
    lblVýsledek->setStyleSheet(QStringLiteral("color: white; background: rgba(43, 29, 14, 170);"));
    QFont big = lblStatus->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    lblVýsledek->setFont(big);
    lblVýsledek->hide();
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setGeometry((width() - 80) / 2, 176, 80, 30);
    cmdOK->setAutoDefault(false);
    cmdOK->setToolTip(QStringLiteral("Klávesa: Enter"));
    cmdOK->hide();
    connect(cmdOK, &QPushButton::clicked, this, [this] { hide(); });
}

void frmSouboj::UpdateDescriptions() {
    QString state = qs(BattleSummary(rules_));
    if (!lastLanding_.isEmpty())
        state = lastLanding_ + QLatin1Char(' ') + state;
    cmdPal->setAccessibleDescription(QStringLiteral("Výstřel obchodní lodi. ") + state);
    Command1->setAccessibleDescription(QStringLiteral("Výstřel pirátské lodi. ") + state);
    lblStatus->setAccessibleDescription(lastLanding_);
    setAccessibleDescription(state);
}

void frmSouboj::ReportLanding() {
    lastLanding_ = qs(LandingText(LandingOf(rules_, rules_.Ball().x)));
    UpdateDescriptions();
    Announce(*this, lastLanding_ + QLatin1Char(' ') + qs(BattleSummary(rules_)));
}

void frmSouboj::ShowOutcome() {
    const QString outcome = qs(OutcomeText(rules_.Result().word));
    if (outcome.isEmpty()) {
        hide();
        return;
    }
    lblVýsledek->setText(outcome);
    lblVýsledek->show();
    lblVýsledek->raise();
    cmdOK->show();
    cmdOK->raise();
    cmdOK->setFocus(Qt::OtherFocusReason);
    Announce(*this, outcome + QStringLiteral(" Enter zavře okno souboje."));
}

} // namespace vlnobrod
