#pragma once

#include <cstdint>
#include <string>
#include <utility>

namespace vlnobrod {

// The words one window hands to the next through HandOff. Their names are the game's words
// without the accents, like the keys of its files (moc reads these headers and takes no
// accented letters in an enumeration).
enum class HandOffWord : std::uint8_t {
    None,
    Zpet,     // "Zpět": the port screen went back to the menu, the game waits behind it
    Zapis,    // "Zápis": a map was finished, the results window enters it into the table
    Pirati,   // "Piráti": a voyage meets pirates, the battle window fights them
    PiratiB,  // "PirátiB": the menu's duel against the computer
    PiratiB2, // "PirátiB2": the menu's duel for two players
    Vyhral,   // "Vyhrál": a battle's result, the merchant ship won
    Prohral,  // "Prohrál": a battle's result, the merchant ship was beaten or gave up
};

// HandOff: the profile file the next window opens (the game file for the port screen, the
// saved game after a save, the map's file for its goal and table), or one of the words.
// It is one value: handing over a file clears the word and the other way round.
class HandOffValue {
public:
    HandOffValue() = default;
    HandOffValue(HandOffWord word) : word_(word) {}
    HandOffValue(std::string file) : file_(std::move(file)) {}

    HandOffWord Word() const { return word_; }
    // The file; empty while a word is handed over.
    const std::string& File() const { return file_; }
    bool empty() const { return word_ == HandOffWord::None && file_.empty(); }

    bool operator==(HandOffWord word) const { return word_ == word; }

private:
    HandOffWord word_ = HandOffWord::None;
    std::string file_;
};

// What waits for the port screen, numbered as the game always has.
enum class Pending : std::uint8_t {
    None = 0,
    Voyage = 1,  // a voyage is under way: each day at sea costs upkeep
    NewGame = 3, // a new game: greet the player with the map's goal
};

} // namespace vlnobrod
