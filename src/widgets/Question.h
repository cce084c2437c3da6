#pragma once

#include "state/GameView.h"

#include <QMessageBox>
#include <QString>
#include <optional>
#include <vector>

class QWidget;

namespace vlnobrod {

// One question, one order of answers: the port screen's message box and the system's dialog
// (the menu, the battle) show the same Czech captions in the same order from the left, so a
// player answering from habit presses the same answer wherever he is asked.
struct AnswerButton {
    const char* caption;
    MessageAnswer answer;
};
// The answers of a buttons code, from the left. A code the box does not know gives "OK": a
// question without an answer could never be closed.
std::vector<AnswerButton> AnswersFor(MessageButtons buttons);
// What Enter gives (OK or "Ano") and what Escape gives ("Zrušit", else "Ne", else Enter's).
MessageAnswer EnterAnswer(MessageButtons buttons);
MessageAnswer EscapeAnswer(MessageButtons buttons);

// Asks in the system's dialog over `parent`, with the answers of AnswersFor in their order.
// Enter gives `byEnter` when it is one of the answers, EnterAnswer otherwise. The title and
// text are shown as written, never as markup. "Zrušit" when the dialog went unanswered (its
// window was taken down).
MessageAnswer AskInDialog(QWidget* parent, const QString& title, const QString& text,
                          MessageButtons buttons, QMessageBox::Icon icon = QMessageBox::Question,
                          std::optional<MessageAnswer> byEnter = std::nullopt);

} // namespace vlnobrod
