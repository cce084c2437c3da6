#include "SaveGame.h"

#include "port/News.h"
#include "state/GameFile.h"
#include "state/Paths.h"
#include "state/Text.h"

#include <filesystem>

namespace fs = std::filesystem;

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

SaveOutcome failed(const std::string& name) {
    return {false, "Hru se nepodařilo uložit do souboru \"" + name +
                       ".mlo\". Složka Data/Save je možná jen pro čtení nebo je disk plný. "
                       "Hra pokračuje neuložená, dřívější uložená hra zůstala beze změny."};
}

} // namespace

std::string SaveName(const std::string& typed) {
    std::string name = typed;
    if (name.size() >= SaveEnding.size() &&
        name.compare(name.size() - SaveEnding.size(), SaveEnding.size(), SaveEnding) == 0)
        name.erase(name.size() - SaveEnding.size());
    if (name.empty())
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
        return "Název hry smí mít nejvýše 45 znaků.";
    return {};
}

SaveOutcome SaveGame(Profiles& profiles, GameState& st, const std::string& name) {
    if (const std::string problem = SaveNameProblem(name); !problem.empty())
        return {false, problem};

    std::error_code ec;
    const fs::path folder = SaveFolder(st.AppFolder);
    fs::create_directories(folder, ec);
    const std::string target = SavePath(st.AppFolder, name);
    // Not "*.mlo", so a save cut short never shows in the list of saved games.
    const std::string part = target + ".part~";

    auto discard = [&] {
        std::error_code ignored;
        if (fs::is_regular_file(part, ignored))
            fs::remove(part, ignored);
        profiles.Forget(part);
    };
    discard();
    if (!fs::copy_file(StateFile(st.AppFolder), part, fs::copy_options::overwrite_existing, ec) ||
        ec) {
        discard();
        return failed(name);
    }
    if (!WriteGameFile(profiles, part, st)) {
        discard();
        return failed(name);
    }
    fs::rename(part, target, ec);
    if (ec) {
        discard();
        return failed(name);
    }
    profiles.Forget(part);
    profiles.Forget(target);

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

} // namespace vlnobrod
