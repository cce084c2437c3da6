#include "PortSpeech.h"

#include "widgets/Announcer.h"

#include <QStringList>

namespace vlnobrod {

void TellQuestion(QWidget& box, const QString& title, const QString& text,
                  const std::array<ClickLabel*, 3>& answers) {
    QStringList shown;
    QString byEnter;
    for (const ClickLabel* a : answers)
        if (!a->isHidden()) {
            shown << a->text();
            if (a->text() == QLatin1String("OK") || a->text() == QLatin1String("Ano"))
                byEnter = a->text();
        }
    box.setAccessibleName(title);
    box.setAccessibleDescription(text);
    QString said = title + QStringLiteral(". ") + text + QStringLiteral(" Odpovědi: ") +
                   shown.join(QStringLiteral(", ")) + QLatin1Char('.');
    if (!byEnter.isEmpty())
        said += QStringLiteral(" Enter: ") + byEnter + QLatin1Char('.');
    Announce(box, said);
}

} // namespace vlnobrod
