// Fails, naming file and line, on each #include "..." of src/ and app/ against the order of
// src/layers.txt (layer 1 the lowest): up, sideways in a layer, to or from a folder it lacks.
// All pointing down, no circle of includes can cross folders. The argument is the source tree.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

int main(int argc, char* argv[]) {
    const fs::path root = argc == 2 ? argv[1] : ".";
    std::map<std::string, int> layer;
    std::ifstream table(root / "src/layers.txt");
    int level = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        for (std::string folder; words >> folder;)
            layer[folder] = level;
        ++level;
    }
    int wrong = layer.empty();
    if (wrong)
        std::cout << "src/layers.txt cannot be read\n";

    std::set<std::string> files; // sorted, so the report is stable
    for (const char* top : {"src", "app"})
        for (const auto& e : fs::recursive_directory_iterator(root / top))
            if (e.path().extension() == ".h" || e.path().extension() == ".cpp")
                files.insert(fs::relative(e.path(), root).generic_string());
    static const std::regex quoted(R"re(^\s*#\s*include\s*"([^"]+)")re");
    const auto folderOf = [](const std::string& f) {
        return f.rfind("src/", 0) == 0 ? f.substr(4, f.find('/', 4) - 4) : "app";
    };
    for (const std::string& file : files) {
        const std::string from = folderOf(file);
        std::ifstream in(root / file);
        std::string line;
        for (int number = 1; std::getline(in, line); ++number) {
            std::smatch m;
            if (!std::regex_search(line, m, quoted))
                continue;
            // Beside the including file first, then from src/, as the compiler looks; an
            // include that is not one of ours (a generated file) is no matter here.
            const std::string text = m[1];
            std::string target;
            for (const fs::path& p : {fs::path(file).parent_path() / text, "src" / fs::path(text)})
                if (target.empty() && fs::is_regular_file(root / p))
                    target = p.lexically_normal().generic_string();
            const std::string to = folderOf(target);
            if (target.empty() || to == from ||
                (layer.count(from) && layer.count(to) && layer[to] < layer[from]))
                continue;
            std::cout << file << ":" << number << ": includes \"" << text << "\": " << from
                      << " may not include " << to << " (see src/layers.txt)\n";
            ++wrong;
        }
    }
    std::cout << files.size() << " files read, " << wrong << " wrong includes\n";
    return wrong == 0 ? 0 : 1;
}
