#pragma once

#include "state/GameState.h"

#include <QFrame>
#include <QLabel>
#include <array>
#include <cstdint>

namespace vlnobrod {

// The logbook's area in the city information panel: the prices of a city without research
// as the captain last saw them, headed "Ceny z deníku (den N)", or "Zatím nenavštíveno". It
// lies where the research chart does and looks older: faded ink, grey bars, nothing to
// click, since old prices do not trade.
class LogbookArea : public QFrame {
public:
    explicit LogbookArea(QWidget* parent);

    // Fills the area with the logbook of `city` and shows it.
    void ShowCity(const GameState& st, std::uint8_t city);

    QLabel* lblNadpis = nullptr; // the heading
    std::array<QLabel*, 14> lblZboží{};
    std::array<QLabel*, 14> lblCena{};
    std::array<QLabel*, 14> lblKurs{};
    std::array<QFrame*, 14> shpCena{};
};

} // namespace vlnobrod
