#pragma once

#include <cstdint>
#include <string>

namespace vlnobrod {

// The answer labels of a message box, by the codes the box has always taken, named after
// their captions from the left ("Zrušit" without its accent, which moc does not take).
enum class MessageButtons : std::uint8_t {
    OK = 0,
    OKZrusit = 1,
    NeAnoZrusit = 3,
    NeAno = 4,
};

// The player's answer, by the codes the system's message dialog gives.
enum class MessageAnswer : std::uint8_t {
    OK = 1,
    Zrusit = 2,
    Ano = 6,
    Ne = 7,
};

// What the rules ask of the port screen while they run: show a figure again, ask the player
// something, play a sound, open another window. The port screen implements it; rules tests
// use a small recording fake.
class GameView {
public:
    virtual ~GameView() = default;

    // The message box, waiting for the player's answer. A buttons code the box does not know
    // counts as OK. An empty title becomes "Zpráva" in the caller's variable.
    virtual MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons,
                                      std::string& title) = 0;

    virtual void PlaySoundName(const std::string& name) = 0;

    // Cash (toAccount false) or the account changed: show the new figure.
    virtual void MoneyChanged(bool toAccount) = 0;

    // A day change has moved the prices: refresh what shows them (an open research chart).
    virtual void PricesMoved() = 0;

    // A day change has run to its end: show the day counter.
    virtual void DaysAdvanced() = 0;

    // The map is finished (HandOff holds the word Zápis): open the results window and wait
    // for it.
    virtual void OpenResults() = 0;
};

} // namespace vlnobrod
