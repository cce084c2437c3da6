#pragma once

#include "Profiles.h"

#include <functional>
#include <string>

namespace vlnobrod {

// Makes `target` a copy of the profile file `source`, changed by `edit` when one is given.
// The edit works on the parsed source in memory; the result is written over the target
// whole, as every profile write is (one temporary file beside it, synced once, renamed):
// through a symbolic link to the file it names, keeping the old file's permissions, and
// never over a read-only file. A copy without an edit is the source byte for byte. A missing
// folder of the target is made. A failed copy or a full disk leaves the old target as it
// was. Returns whether the target was replaced.
bool ReplaceWithCopy(Profiles& profiles, const std::string& source, const std::string& target,
                     const std::function<void(IniDocument&)>& edit = {});

} // namespace vlnobrod
