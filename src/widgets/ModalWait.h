#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <optional>

class QEventLoop;

namespace vlnobrod {

// A question that waits inside a window: the program goes on (timers tick, the screen is
// drawn), but until the question is answered only its box takes the player's clicks and
// keys. Enter gives the box's default answer, Escape its way out where it has one; every
// other click or key anywhere in the game is swallowed, the box stays on top of the panels
// beside it, and no window of the game can be closed. A window that has become modal since
// (a results window opened from the question's answer, the guide opened by F1, which is never
// swallowed) works as usual.
//
// Waits nest: a question asked while another waits takes the input until it is answered,
// then the one before it has it again. An answer answers exactly the innermost question.
class ModalWait : public QObject {
    Q_OBJECT
public:
    // `box` is the widget that asks; `enter` and `escape` are the answers of those keys
    // (none: the key does nothing).
    ModalWait(QWidget& box, std::optional<int> enter, std::optional<int> escape);
    ~ModalWait() override;

    // Runs until Answer() is given (the answer) or the program closes (nothing).
    std::optional<int> Exec();

    // Answers the innermost wait, if `box` is the one asking it; anything else is ignored.
    static void Answer(const QWidget* box, int answer);

    // Whether a question waits in `window` (or in any window, for nullptr).
    static bool Waiting(const QWidget* window = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    bool Takes(const QWidget* w) const;
    void Finish(std::optional<int> answer);

    QPointer<QWidget> box_;
    QPointer<QWidget> window_;
    std::optional<int> enter_;
    std::optional<int> escape_;
    std::optional<int> answer_;
    QEventLoop* loop_ = nullptr;
    bool done_ = false;
};

} // namespace vlnobrod
