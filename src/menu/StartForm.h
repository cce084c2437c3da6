#pragma once

#include <QFrame>
#include <QString>
#include <functional>

class QLabel;
class QLineEdit;

namespace vlnobrod {

struct GameServices;

// The start form of a new game: company and owner names, typed once for the whole game.
class StartForm : public QFrame {
    Q_OBJECT
public:
    static constexpr int MaxNameChars = 30;

    StartForm(GameServices& game, QWidget* parent);

    // Enter in either name box.
    std::function<void()> onEnter;

    // A failure to start shows here, in red; choosing a map clears it.
    void ShowProblem(const QString& text);

    QString Map; // the base name of the chosen map file
    QLineEdit* txtCompany = nullptr;
    QLineEdit* txtName = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* lblProblem = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    GameServices& game_;
};

} // namespace vlnobrod
