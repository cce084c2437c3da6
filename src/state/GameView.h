#pragma once

#include <cstdint>
#include <string>

namespace vlnobrod {

// What the rules ask of the port screen while they run: show a figure again, ask the player
// something, play a sound, open another window. The port screen implements it; rules tests
// use a small recording fake.
class GameView {
public:
    virtual ~GameView() = default;

    // The message box. `buttons`: 0 OK, 1 OK/Zrušit, 3 Ne/Ano/Zrušit, 4 Ne/Ano (anything
    // else counts as 0). Returns 1 OK, 2 Zrušit, 6 Ano, 7 Ne. An empty title becomes "Zpráva"
    // in the caller's variable.
    virtual std::uint8_t ShowMessage(const std::string& text, std::uint8_t buttons,
                                     std::string& title) = 0;

    virtual void PlaySoundName(const std::string& name) = 0;

    // Cash (toAccount false) or the account changed: show the new figure.
    virtual void MoneyChanged(bool toAccount) = 0;

    // A day change has moved the prices: refresh what shows them (an open research chart).
    virtual void PricesMoved() = 0;

    // A day change has run to its end: show the day counter.
    virtual void DaysAdvanced() = 0;

    // The map is finished: HandOff holds "Zápis"; open the results window and wait for it.
    virtual void OpenResults() = 0;
};

} // namespace vlnobrod
