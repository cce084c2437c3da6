#pragma once

#include "Profiles.h"

#include <functional>
#include <string>

namespace vlnobrod {

// Makes `target` a copy of the profile file `source`, changed by `edit` when one is given.
// The copy is put together beside the target as "<target>.part~" (a name no list of the
// game shows) and renamed over the target only when it is whole, so a failed copy, a failed
// edit or a full disk leaves the old target as it was. A missing folder of the target is
// made. The copy can be written by its owner even when the source is read-only. Returns
// whether the target was replaced.
bool ReplaceWithCopy(Profiles& profiles, const std::string& source, const std::string& target,
                     const std::function<bool(const std::string& part)>& edit = {});

} // namespace vlnobrod
