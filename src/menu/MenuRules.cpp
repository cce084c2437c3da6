#include "MenuRules.h"

#include "state/FileCopy.h"
#include "state/Paths.h"

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

std::string VersionText(int major, int minor) {
    return "Verze " + std::to_string(major) + "." + std::to_string(minor);
}

} // namespace vlnobrod
