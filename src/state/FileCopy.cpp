#include "FileCopy.h"

#include "Text.h"

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

} // namespace

bool ReplaceWithCopy(Profiles& profiles, const std::string& source, const std::string& target,
                     const std::function<void(IniDocument&)>& edit) {
    // The player's data folder of an installed game is made with the first file put in it.
    std::error_code madeFolder;
    fs::create_directories(fs::path(target).parent_path(), madeFolder);
    std::string bytes;
    bool ok = true;
    if (edit) {
        // The source as the profiles have it (a game's state file is parsed already), in
        // the encoding it came in, which the copy keeps.
        const IniDocument* read = profiles.ReadableSnapshot(source);
        ok = read != nullptr;
        if (ok) {
            IniDocument doc = *read;
            edit(doc);
            bytes = text::EncodeFile(doc.Serialize(), doc.Encoding());
        }
    } else {
        ok = readAll(source, bytes);
    }
    ok = ok && Profiles::WriteFileAtomically(target, bytes).has_value();
    // The target may keep the old file's size and time: read it afresh.
    profiles.Forget(target);
    return ok;
}

} // namespace vlnobrod
