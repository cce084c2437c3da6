#include "SaveGame.h"

#include "state/FileCopy.h"
#include "state/GameFile.h"
#include "state/Paths.h"
#include "state/Text.h"
#include "world/News.h"

#include <cstdio>
#include <filesystem>

namespace vlnobrod {

namespace {

constexpr std::string_view SaveEnding = ".mlo";

bool hasControlCharacter(const std::string& s) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const auto c = static_cast<unsigned char>(s[i]);
        if (c < 0x20 || c == 0x7F)
            return true;
        // U+0080 .. U+009F, the second set of control characters, in UTF-8.
        if (c == 0xC2 && i + 1 < s.size()) {
            const auto n = static_cast<unsigned char>(s[i + 1]);
            if (n >= 0x80 && n <= 0x9F)
                return true;
        }
    }
    return false;
}

SaveOutcome failed(const std::string& name, const std::string& folder) {
    return {false, "Hru se nepodařilo uložit do souboru \"" + name + ".mlo\". Složka " + folder +
                       " je možná jen pro čtení nebo je disk plný. "
                       "Hra pokračuje neuložená, dřívější uložená hra zůstala beze změny."};
}

} // namespace

std::string SaveName(const std::string& typed) {
    std::string name = typed;
    if (name.size() >= SaveEnding.size() &&
        name.compare(name.size() - SaveEnding.size(), SaveEnding.size(), SaveEnding) == 0)
        name.erase(name.size() - SaveEnding.size());
    // Blanks alone are no name either: " .mlo" would be a file nobody can tell apart.
    if (name.find_first_not_of(' ') == std::string::npos)
        name = "QuickSave";
    return name;
}

std::string SaveNameProblem(const std::string& name) {
    if (name.find('/') != std::string::npos || name.find('\\') != std::string::npos)
        return "Název hry nesmí obsahovat znaky / a \\.";
    if (!name.empty() && name.front() == '.')
        return "Název hry nesmí začínat tečkou.";
    if (hasControlCharacter(name))
        return "Název hry nesmí obsahovat řídicí znaky.";
    if (!text::IsValidUtf8(name))
        return "Název hry obsahuje neplatné znaky.";
    if (text::CharCount(name) > MaxSaveNameChars)
        return SaveNameTooLong;
    return {};
}

SaveOutcome SaveGame(Profiles& profiles, GameState& st, const std::string& name) {
    if (const std::string problem = SaveNameProblem(name); !problem.empty())
        return {false, problem};

    const std::string target = SavePath(st.Places, name);
    // The game is written over a copy of the state file, so keys the save does not write
    // (difficulty, goal texts, the results table) stay.
    if (!ReplaceWithCopy(profiles, StateFile(st.Places), target,
                         [&](IniDocument& doc) { WriteGame(doc, st); }))
        return failed(name, SaveFolder(st.Places));

    st.HandOff = target;
    AddNews(st, "Hra byla uložena", NewsInfo);
    st.StateSaved = true;
    return {true, {}};
}

LeaveChoice AskToLeave(const GameState& st, GameView& view) {
    if (st.HandOff == HandOffWord::Zpet || st.StateSaved)
        return LeaveChoice::Leave;
    std::string title = "Opuštění hry";
    switch (view.ShowMessage("Chcete hru uložit pod název: Poslední hra ?",
                             MessageButtons::NeAnoZrusit, title)) {
    case MessageAnswer::Ano:
        return LeaveChoice::SaveAndLeave;
    case MessageAnswer::Ne:
        return LeaveChoice::Leave;
    default:
        return LeaveChoice::Stay;
    }
}

bool MayLeave(const GameState& st, GameView& view, const std::function<bool()>& saveAsLastGame) {
    switch (AskToLeave(st, view)) {
    case LeaveChoice::Leave:
        return true;
    case LeaveChoice::SaveAndLeave:
        return saveAsLastGame();
    case LeaveChoice::Stay:
        return false;
    }
    return false;
}

bool SaveAsLastGame(Profiles& profiles, GameState& st, GameView& view) {
    const SaveOutcome outcome = SaveGame(profiles, st, LastGameName);
    if (!outcome.saved) {
        std::string title = "Uložení hry";
        view.ShowMessage(outcome.message, MessageButtons::OK, title);
    }
    return outcome.saved;
}

bool EnterSavedGame(Profiles& profiles, GameState& st, const std::string& saveFile) {
    const std::string stateFile = StateFile(st.Places);
    if (!ReplaceWithCopy(profiles, saveFile, stateFile))
        return false;
    st.HandOff = stateFile;
    return true;
}

SaveDetails ReadSaveDetails(Profiles& profiles, const std::string& saveFile) {
    return {profiles.ReadProfile(saveFile, "Mapa", "Name", "XXX"),
            profiles.ReadProfile(saveFile, "Mapa", "Company", "XXX")};
}

std::string SaveTimeText(const SaveTime& t) {
    char text[80];
    std::snprintf(text, sizeof text, "%d. %d. %d %d:%02d:%02d", t.day, t.month, t.year, t.hour,
                  t.minute, t.second);
    return text;
}

int NewestSave(const std::vector<std::int64_t>& modified) {
    if (modified.empty())
        return -1;
    // 1 January 1990, the start of the search.
    std::int64_t newest = 631152000;
    int chosen = 0;
    for (std::size_t i = 0; i < modified.size(); ++i) {
        if (modified[i] > newest) {
            newest = modified[i];
            chosen = static_cast<int>(i);
        }
    }
    return chosen;
}

} // namespace vlnobrod
