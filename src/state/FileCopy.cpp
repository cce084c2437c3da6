#include "FileCopy.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace vlnobrod {

namespace {

bool readAll(const std::string& file, std::string& bytes) {
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return false;
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// The part starts as a fresh file of the writer's, whatever the source's permissions (a
// read-only map still starts a game that can be written).
bool writeAll(const std::string& file, const std::string& bytes) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << bytes;
    out.close();
    return !out.fail();
}

} // namespace

bool ReplaceWithCopy(Profiles& profiles, const std::string& source, const std::string& target,
                     const std::function<bool(const std::string& part)>& edit) {
    const std::string part = target + ".part~";
    auto discard = [&] {
        std::error_code ignored;
        // A link left there goes too, so the part is never written through it.
        if (const auto kind = fs::symlink_status(part, ignored).type();
            kind != fs::file_type::directory && kind != fs::file_type::not_found)
            fs::remove(part, ignored);
        profiles.Forget(part);
    };
    discard(); // what an interrupted copy left
    // The player's data folder of an installed game is made with the first file put in it.
    std::error_code madeFolder;
    fs::create_directories(fs::path(target).parent_path(), madeFolder);
    std::string bytes;
    bool ok = readAll(source, bytes);
    if (ok && edit)
        ok = writeAll(part, bytes) && edit(part) && readAll(part, bytes);
    discard();
    ok = ok && Profiles::WriteFileAtomically(target, bytes).has_value();
    // The target may keep the old file's size and time: read it afresh.
    profiles.Forget(target);
    return ok;
}

} // namespace vlnobrod
