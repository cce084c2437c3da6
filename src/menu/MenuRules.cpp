#include "MenuRules.h"

#include "state/FileCopy.h"
#include "state/Paths.h"

#include <cstdio>

namespace vlnobrod {

MapInfo ReadMapInfo(Profiles& profiles, const std::string& mapFile) {
    MapInfo m;
    m.title = profiles.ReadProfile(mapFile, "Mapa", "Nazev", "");
    m.cities = "Počet měst: " + profiles.ReadProfile(mapFile, "Mapa", "PocetMest", "");
    m.description = profiles.ReadProfile(mapFile, "Mapa", "Popis", "");
    return m;
}

bool StartNewGame(Profiles& profiles, GameState& st, const std::string& mapa,
                  const std::string& company, const std::string& name) {
    const std::string stateFile = StateFile(st.Places);
    const bool copied =
        ReplaceWithCopy(profiles, ScenarioFile(st.Places, mapa), stateFile, [&](IniDocument& doc) {
            doc.Set("Mapa", "Company", company);
            doc.Set("Mapa", "Name", name);
        });
    if (!copied)
        return false;
    st.HandOff = stateFile;
    st.PendingAction = Pending::NewGame;
    return true;
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

std::string VersionText(int major, int minor) {
    return "Verze " + std::to_string(major) + "." + std::to_string(minor);
}

} // namespace vlnobrod
