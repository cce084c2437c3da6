#include "FileCopy.h"

#include "Text.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace vlnobrod {

bool ReplaceWithCopy(Profiles& profiles, const std::string& source, const std::string& target,
                     const std::function<void(IniDocument&)>& edit) {
    // The player's data folder of an installed game is made with the first file put in it.
    std::error_code madeFolder;
    fs::create_directories(fs::path(target).parent_path(), madeFolder);
    std::optional<std::string> bytes;
    if (edit) {
        // The source as the profiles have it (a game's state file is parsed already), in
        // the encoding it came in, which the copy keeps.
        if (const IniDocument* read = profiles.ReadableSnapshot(source)) {
            IniDocument doc = *read;
            edit(doc);
            bytes = text::EncodeFile(doc.Serialize(), doc.Encoding());
        }
    } else {
        bytes = Profiles::ReadFile(source); // no larger than a profile can be
    }
    const bool ok = bytes && Profiles::WriteFileAtomically(target, *bytes).has_value();
    // The target may keep the old file's size and time: read it afresh.
    profiles.Forget(target);
    return ok;
}

} // namespace vlnobrod
