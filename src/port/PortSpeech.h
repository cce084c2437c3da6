#pragma once

#include "widgets/ClickLabel.h"

#include <QString>
#include <array>

class QWidget;

namespace vlnobrod {

class frmMain;

// The message box's question told to a screen reader as it appears, with its answers and the
// one Enter gives: "Zpráva. Nemáte dost peněz. Odpovědi: OK. Enter: OK." The box is named by
// its title and described by its text, for a reader who goes back to it.
void TellQuestion(QWidget& box, const QString& title, const QString& text,
                  const std::array<ClickLabel*, 3>& answers);

} // namespace vlnobrod
