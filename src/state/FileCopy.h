#pragma once

#include "Profiles.h"

#include <functional>
#include <string>

namespace vlnobrod {

// Makes `target` a copy of the profile file `source`, changed by `edit` when one is given.
// The edit works on a copy put together beside the target as "<target>.part~" (a name no
// list of the game shows, and one the next copy to that target clears away); the result is
// then written over the target whole, as every profile write is: through a symbolic link to
// the file it names, keeping the old file's permissions, and never over a read-only file.
// A missing folder of the target is made. A failed copy, a failed edit or a full disk leaves
// the old target as it was. Returns whether the target was replaced.
bool ReplaceWithCopy(Profiles& profiles, const std::string& source, const std::string& target,
                     const std::function<bool(const std::string& part)>& edit = {});

} // namespace vlnobrod
