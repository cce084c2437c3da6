#include "Paths.h"

namespace vlnobrod {

std::string DataFolder(const std::string& appFolder) {
    return appFolder + "/Data";
}

std::string StateFile(const std::string& appFolder) {
    return DataFolder(appFolder) + "/aktual.map";
}

std::string ScenarioFile(const std::string& appFolder, const std::string& mapa) {
    return DataFolder(appFolder) + "/" + mapa + ".mlo";
}

std::string ScenarioFile(const GameState& st) {
    return ScenarioFile(st.AppFolder, st.Mapa);
}

std::string ChartFile(const std::string& appFolder, const std::string& mapa) {
    return DataFolder(appFolder) + "/" + mapa + ".jpg";
}

std::string SaveFolder(const std::string& appFolder) {
    return DataFolder(appFolder) + "/Save";
}

std::string SavePath(const std::string& appFolder, const std::string& name) {
    return SaveFolder(appFolder) + "/" + name + ".mlo";
}

std::string SoundFile(const std::string& appFolder, const std::string& name) {
    return DataFolder(appFolder) + "/Sounds/" + name + ".wav";
}

} // namespace vlnobrod
