#include "DataPlaces.h"

namespace vlnobrod {

namespace {

bool absolute(const std::string& path) {
    return !path.empty() && path.front() == '/';
}

} // namespace

DataPlaces ChooseDataPlaces(const PlaceFacts& facts) {
    DataPlaces places{facts.appFolder, {}};
    if (facts.appFolderWritable && facts.dataFolderWritable)
        return places;
    if (absolute(facts.xdgDataHome))
        places.UserFolder = facts.xdgDataHome + "/vlnobrod";
    else if (absolute(facts.home))
        places.UserFolder = facts.home + "/.local/share/vlnobrod";
    return places;
}

} // namespace vlnobrod
