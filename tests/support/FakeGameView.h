#pragma once

#include "state/GameView.h"

#include <deque>
#include <string>
#include <vector>

namespace vlnobrod::testing {

// Stands in for the port screen in rules tests: remembers what the rules showed and asked,
// and answers questions from a script (OK when the script runs dry).
class FakeGameView : public GameView {
public:
    struct Message {
        std::string text;
        MessageButtons buttons;
        std::string title;
    };

    MessageAnswer ShowMessage(const std::string& text, MessageButtons buttons,
                              std::string& title) override {
        if (title.empty())
            title = "Zpráva";
        messages.push_back({text, buttons, title});
        const MessageAnswer a = answers.empty() ? MessageAnswer::OK : answers.front();
        if (!answers.empty())
            answers.pop_front();
        return a;
    }
    void PlaySoundName(const std::string& name) override { sounds.push_back(name); }
    void MoneyChanged(bool toAccount) override { shown += toAccount ? 'K' : 'H'; }
    void PricesMoved() override { shown += 'P'; }
    void DaysAdvanced() override {
        ++dayChanges;
        shown += 'D';
    }
    void OpenResults() override { ++resultsOpened; }

    std::deque<MessageAnswer> answers;
    std::vector<Message> messages;
    std::vector<std::string> sounds;
    std::string shown; // what was shown again, in order: H cash, K account, P prices, D day
    int dayChanges = 0;
    int resultsOpened = 0;
};

} // namespace vlnobrod::testing
