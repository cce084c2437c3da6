#pragma once

#include <QString>
#include <QWidget>

namespace vlnobrod {

// What a screen reader is told as it happens: the news, a question, a shot's landing, who won.
// Each window has one announcer, an empty status line the player never sees: every new text
// appears in it as a notification of its own, which a screen reader (Orca) speaks as it
// appears. It never takes the focus, so an announcement leaves the keys where they are.
class Announcer : public QWidget {
    Q_OBJECT
public:
    // The announcer of the window `w` lies in, made the first time it is asked for.
    static Announcer& Of(QWidget& w);

    // Tells `text`. The same text twice in a row is told twice: a second storm is news too.
    void Say(const QString& text);
    // The last text told (the status line's name).
    const QString& Said() const { return said_; }
    // How many texts have been told.
    int Count() const { return count_; }

signals:
    void told(const QString& text);

private:
    explicit Announcer(QWidget& window);

    QString said_;
    int count_ = 0;
};

// One announcement as a screen reader finds it: a notification named by its text.
class Notice : public QWidget {
    Q_OBJECT
public:
    Notice(const QString& text, QWidget& announcer);
};

// Tells `text` through the announcer of `w`'s window.
void Announce(QWidget& w, const QString& text);

} // namespace vlnobrod
