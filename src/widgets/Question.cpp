#include "Question.h"

#include <QPointer>
#include <QPushButton>

namespace vlnobrod {

std::vector<AnswerButton> AnswersFor(MessageButtons buttons) {
    using enum MessageAnswer;
    switch (buttons) {
    case MessageButtons::OKZrusit:
        return {{"OK", OK}, {"Zrušit", Zrusit}};
    case MessageButtons::NeAnoZrusit:
        return {{"Ne", Ne}, {"Ano", Ano}, {"Zrušit", Zrusit}};
    case MessageButtons::NeAno:
        return {{"Ne", Ne}, {"Ano", Ano}};
    default:
        return {{"OK", OK}};
    }
}

MessageAnswer EnterAnswer(MessageButtons buttons) {
    for (const AnswerButton& b : AnswersFor(buttons))
        if (b.answer == MessageAnswer::Ano)
            return b.answer;
    return MessageAnswer::OK;
}

MessageAnswer EscapeAnswer(MessageButtons buttons) {
    std::optional<MessageAnswer> escape;
    for (const AnswerButton& b : AnswersFor(buttons)) {
        if (b.answer == MessageAnswer::Zrusit)
            return b.answer;
        if (b.answer == MessageAnswer::Ne)
            escape = b.answer;
    }
    // A message with nothing to decide goes with Escape as well.
    return escape.value_or(EnterAnswer(buttons));
}

MessageAnswer AskInDialog(QWidget* parent, const QString& title, const QString& text,
                          MessageButtons buttons, QMessageBox::Icon icon,
                          std::optional<MessageAnswer> byEnter) {
    // On the heap and watched: the window under the dialog may be taken down while it waits.
    QPointer<QMessageBox> box = new QMessageBox(icon, title, text, QMessageBox::NoButton, parent);
    box->setTextFormat(Qt::PlainText);
    const MessageAnswer enter = byEnter.value_or(EnterAnswer(buttons));
    const MessageAnswer escape = EscapeAnswer(buttons);
    std::vector<std::pair<QPushButton*, MessageAnswer>> shown;
    for (const AnswerButton& b : AnswersFor(buttons)) {
        // One role for all: the system's dialog would otherwise sort the answers by its own
        // platform's order ("Ano" before "Ne").
        QPushButton* button = box->addButton(QString::fromUtf8(b.caption), QMessageBox::ActionRole);
        shown.emplace_back(button, b.answer);
        if (b.answer == enter)
            box->setDefaultButton(button);
        if (b.answer == escape)
            box->setEscapeButton(button);
    }
    box->exec();
    if (!box)
        return MessageAnswer::Zrusit;
    const QAbstractButton* clicked = box->clickedButton();
    delete box;
    for (const auto& [button, answer] : shown)
        if (button == clicked)
            return answer;
    return escape;
}

} // namespace vlnobrod
