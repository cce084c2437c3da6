#include "Paths.h"

namespace vlnobrod {

std::string ShippedFolder(const DataPlaces& places) {
    return places.AppFolder + "/Data";
}

std::string WritableFolder(const DataPlaces& places) {
    return places.PerUser() ? places.UserFolder : ShippedFolder(places);
}

std::string StateFile(const DataPlaces& places) {
    return WritableFolder(places) + "/aktual.map";
}

std::string ScenarioFile(const DataPlaces& places, const std::string& mapa) {
    return ShippedFolder(places) + "/" + mapa + ".mlo";
}

std::string ScenarioFile(const GameState& st) {
    return ScenarioFile(st.Places, st.Mapa);
}

std::string ChartFile(const DataPlaces& places, const std::string& mapa) {
    return ShippedFolder(places) + "/" + mapa + ".jpg";
}

std::string TableFile(const DataPlaces& places, const std::string& mapa) {
    return WritableFolder(places) + "/" + mapa + ".mlo";
}

std::string SaveFolder(const DataPlaces& places) {
    return WritableFolder(places) + "/Save";
}

std::string SavePath(const DataPlaces& places, const std::string& name) {
    return SaveFolder(places) + "/" + name + ".mlo";
}

std::string SettingsFolder(const DataPlaces& places) {
    return places.PerUser() ? places.UserFolder : places.AppFolder;
}

std::string SoundFile(const DataPlaces& places, const std::string& name) {
    return ShippedFolder(places) + "/Sounds/" + name + ".wav";
}

} // namespace vlnobrod
