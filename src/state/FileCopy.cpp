#include "FileCopy.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace vlnobrod {

bool ReplaceWithCopy(Profiles& profiles, const std::string& source, const std::string& target,
                     const std::function<bool(const std::string& part)>& edit) {
    const std::string part = target + ".part~";
    auto discard = [&] {
        std::error_code ignored;
        if (fs::is_regular_file(part, ignored))
            fs::remove(part, ignored);
        profiles.Forget(part);
    };
    discard();
    std::error_code ec;
    // The player's data folder of an installed game is made with the first file put in it.
    fs::create_directories(fs::path(target).parent_path(), ec);
    if (!fs::copy_file(source, part, fs::copy_options::overwrite_existing, ec) || ec) {
        discard();
        return false;
    }
    // The copy is the player's own file even when the source is shipped read-only.
    fs::permissions(part, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add,
                    ec);
    if (ec || (edit && !edit(part))) {
        discard();
        return false;
    }
    fs::rename(part, target, ec);
    if (ec) {
        discard();
        return false;
    }
    // The target may keep the old file's size and time: read it afresh.
    profiles.Forget(part);
    profiles.Forget(target);
    return true;
}

} // namespace vlnobrod
