// The message box of the port window: a panel over the chart that asks and waits for one
// of up to three answers, while the window's timers and clicks go on running.

#include "PortArt.h"
#include "frmMain.h"
#include "widgets/PortStyle.h"

#include "port/PortSpeech.h"
#include "widgets/Art.h"
#include "widgets/ModalWait.h"
#include "widgets/Question.h"

#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace vlnobrod {

using namespace portstyle;

namespace {

constexpr int BoxWidth = 520;
constexpr int BoxHeight = 220; // the least; a long text makes the box taller
constexpr int TextTop = 52;
constexpr int ButtonsHeight = 46;

} // namespace

void frmMain::BuildMessageBox() {
    picMsgBox = new QFrame(this);
    picMsgBox->setObjectName(QStringLiteral("msgbox"));
    picMsgBox->setStyleSheet(QStringLiteral("QFrame#msgbox { background-color: #efe2c0; "
                                            "border: 3px solid #5a3b1a; border-radius: 8px; }"));
    picMsgBox->setGeometry((MapWidth - BoxWidth) / 2, (MapHeight - BoxHeight) / 2, BoxWidth,
                           BoxHeight);
    picMsgBox->hide();

    auto* picture = new QLabel(picMsgBox);
    picture->setGeometry(18, 18, 64, 64);
    picture->setPixmap(MessageBoxPicture());
    picture->setStyleSheet(QStringLiteral("background: transparent;"));

    lblTitulek = MakeLabel(picMsgBox, QString(), 96, 16, BoxWidth - 112, 28);
    lblTitulek->setObjectName(QStringLiteral("msgTitle"));
    lblTitulek->setFont(SerifFont(14));
    SetBaseStyle(lblTitulek, QStringLiteral("background: transparent; color: #5a3b1a; "
                                            "border-bottom: 1px solid #5a3b1a;"));
    lblText = MakeLabel(picMsgBox, QString(), 96, 52, BoxWidth - 112, 110, 11);
    lblText->setObjectName(QStringLiteral("msgText"));
    lblText->setWordWrap(true);
    lblText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetBaseStyle(lblText, QStringLiteral("background: transparent; color: #2b1d0e;"));

    for (int i = 0; i < 3; ++i) {
        ClickLabel* b =
            MakeClickLabel(picMsgBox, QString(), 96 + i * 120, BoxHeight - 46, 104, 30, 11, true);
        b->setAlignment(Qt::AlignCenter);
        SetBaseStyle(b, QStringLiteral("background-color: #6b4a24; border: 2px solid #3a2410; "
                                       "border-radius: 6px;"));
        SetForeColor(b, QColor(0xff, 0xf6, 0xdc));
        b->setCursor(art::HandCursor());
        b->hide();
        b->setObjectName(QStringLiteral("answer%1").arg(i));
        connect(b, &ClickLabel::clicked, this, [this, i] { cmd_Click(i); });
        cmd[static_cast<std::size_t>(i)] = b;
    }
}

// Grows the box to the text, so a long goal or question is never cut off, and keeps it
// centred on the chart.
void frmMain::FitMessageBox() {
    const int textHeight = std::max(110, lblText->heightForWidth(lblText->width()));
    const int height = std::min(TextTop + textHeight + 12 + ButtonsHeight, this->height() - 10);
    lblText->resize(lblText->width(), height - TextTop - 12 - ButtonsHeight);
    picMsgBox->setGeometry((MapWidth - BoxWidth) / 2, std::max(5, (MapHeight - height) / 2),
                           BoxWidth, height);
    for (ClickLabel* b : cmd)
        b->move(b->x(), height - ButtonsHeight);
}

MessageAnswer frmMain::ShowMessage(const std::string& text, MessageButtons buttons,
                                   std::string& title) {
    // The goal display comes without the bell.
    if (title != "Úkolem této mapy je ...")
        PlaySoundName("Ding");
    if (title.empty())
        title = "Zpráva";
    // A question asked while another waits is answered first; then the one before it comes
    // back, to be answered on its own.
    questions_.push_back({QString::fromStdString(title), QString::fromStdString(text), buttons});
    FillMessageBox(questions_.back());

    // A question asked while the window is still out of sight (a goal met as the game
    // loads) brings the window up, or nobody could ever answer it.
    if (!isVisible())
        show();
    picMsgBox->show();
    picMsgBox->raise();

    const int enter = static_cast<int>(EnterAnswer(buttons));
    const int escape = static_cast<int>(EscapeAnswer(buttons));
    const QPointer<frmMain> alive(this);
    const std::optional<int> answer = ModalWait(*picMsgBox, enter, escape).Exec();
    if (!alive)
        return MessageAnswer::Zrusit;

    questions_.pop_back();
    if (questions_.empty()) {
        picMsgBox->hide();
        // The goal of a new game waits for the box to be free.
        QTimer::singleShot(0, this, [this] { Form_Activate(); });
    } else {
        FillMessageBox(questions_.back());
    }
    // No answer: the program is closing.
    return answer ? static_cast<MessageAnswer>(*answer) : MessageAnswer::Zrusit;
}

void frmMain::FillMessageBox(const Question& q) {
    lblTitulek->setText(q.title);
    lblText->setText(q.text);
    FitMessageBox();
    for (ClickLabel* b : cmd)
        b->hide();
    const std::vector<AnswerButton> shown = AnswersFor(q.buttons);
    for (std::size_t i = 0; i < shown.size() && i < cmd.size(); ++i) {
        cmd[i]->setText(QString::fromUtf8(shown[i].caption));
        cmdAnswer_[i] = shown[i].answer;
        // What Enter gives stands out.
        const bool byEnter = shown[i].answer == EnterAnswer(q.buttons);
        SetBaseStyle(cmd[i],
                     QStringLiteral("background-color: #6b4a24; border: 2px solid %1; "
                                    "border-radius: 6px;")
                         .arg(byEnter ? QStringLiteral("#e8c46a") : QStringLiteral("#3a2410")));
        cmd[i]->show();
    }
    TellQuestion(*picMsgBox, q.title, q.text, cmd);
}

bool frmMain::Waiting() const {
    return ModalWait::Waiting(this);
}

void frmMain::cmd_Click(int Index) {
    if (Index < 0 || Index >= static_cast<int>(cmd.size()))
        return;
    ModalWait::Answer(picMsgBox, static_cast<int>(cmdAnswer_[static_cast<std::size_t>(Index)]));
}

} // namespace vlnobrod
