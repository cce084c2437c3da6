// Feeds arbitrary bytes to the profile reader and the game loader: whatever a player's
// editor, a broken disk or a stranger leaves in a map file, the game must not crash.
#include "state/GameFile.h"
#include "state/IniDocument.h"
#include "state/Profiles.h"
#include "state/Text.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

namespace {
// Scratch files live in memory where the system allows, so the disk's flushes do not
// slow every run down.
std::string scratch(const char* name) {
    const char* dir = ::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    return std::string(dir) + "/vlnobrod-fuzz-" + std::to_string(::getpid()) + "-" + name;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);

    // The parsed file must say the same thing after being written out and read back.
    const std::string text = vlnobrod::text::DecodeFileText(bytes);
    auto doc = vlnobrod::IniDocument::Parse(text);
    doc.Set("Mapa", "Den", "1");
    const auto again = vlnobrod::IniDocument::Parse(doc.Serialize());
    if (again.Get("Mapa", "Den") != doc.Get("Mapa", "Den"))
        std::abort();
    if (again.Get("Lode", "Pocet") != doc.Get("Lode", "Pocet"))
        std::abort();

    // The whole game from that file, saved and loaded again.
    static const std::string in = scratch("in.mlo"), out = scratch("out.mlo");
    if (std::FILE* f = std::fopen(in.c_str(), "wb")) {
        std::fwrite(bytes.data(), 1, bytes.size(), f);
        std::fclose(f);
    }
    vlnobrod::Profiles profiles;
    vlnobrod::GameState st;
    if (vlnobrod::ReadGameFile(profiles, in, st)) {
        std::remove(out.c_str());
        vlnobrod::WriteGameFile(profiles, out, st);
        vlnobrod::GameState back;
        if (!vlnobrod::ReadGameFile(profiles, out, back) || back.PocetMest != st.PocetMest ||
            back.Den != st.Den || back.Fleet.Pocet != st.Fleet.Pocet)
            std::abort();
    }
    return 0;
}
