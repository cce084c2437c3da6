// Reads every #include "..." of src/ and app/ and fails, naming the file and the line, when
// one points against the order of src/layers.txt or closes a circle of includes.
//
// usage: include_order <source tree>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Include {
    int line;
    std::string text;   // as written
    std::string target; // the included file under the tree; empty when not one of ours
};

// The folder a file belongs to: the first folder under src/, or "app".
std::string folderOf(const std::string& file) {
    if (file.rfind("src/", 0) != 0)
        return "app";
    return file.substr(4, file.find('/', 4) - 4);
}

std::vector<Include> includesOf(const fs::path& root, const std::string& file) {
    static const std::regex quoted(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::vector<Include> found;
    std::ifstream in(root / file);
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::smatch m;
        if (!std::regex_search(line, m, quoted))
            continue;
        // Beside the including file first, then from src/, as the compiler looks.
        Include inc{number, m[1], {}};
        for (const fs::path& p :
             {fs::path(file).parent_path() / inc.text, "src" / fs::path(inc.text)})
            if (inc.target.empty() && fs::is_regular_file(root / p))
                inc.target = p.lexically_normal().generic_string();
        found.push_back(inc);
    }
    return found;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: include_order <source tree>\n";
        return 2;
    }
    const fs::path root = argv[1];
    std::vector<std::string> problems;

    std::map<std::string, int> layer;
    std::ifstream table(root / "src/layers.txt");
    if (!table)
        problems.push_back("src/layers.txt cannot be read");
    int level = 0;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        for (std::string folder; words >> folder;)
            layer[folder] = level;
        ++level;
    }

    std::map<std::string, std::vector<Include>> graph; // sorted, so the report is stable
    for (const char* top : {"src", "app"})
        for (const auto& e : fs::recursive_directory_iterator(root / top))
            if (e.is_regular_file() &&
                (e.path().extension() == ".h" || e.path().extension() == ".cpp"))
                graph[fs::relative(e.path(), root).generic_string()];
    for (auto& [file, includes] : graph) {
        const std::string from = folderOf(file);
        includes = includesOf(root, file);
        if (!layer.count(from)) {
            problems.push_back(file + ": the folder " + from + " is not in src/layers.txt");
            continue;
        }
        for (const Include& inc : includes) {
            const std::string to = folderOf(inc.target);
            if (inc.target.empty() || to == from)
                continue;
            const std::string where = file + ":" + std::to_string(inc.line) + ": includes \"" +
                                      inc.text + "\": " + from + " may not include " + to;
            if (!layer.count(to))
                problems.push_back(where + " (" + to + " is not in src/layers.txt)");
            else if (layer[to] == layer[from])
                problems.push_back(where + " (they share a layer)");
            else if (layer[to] > layer[from])
                problems.push_back(where + " (" + to + " lies above " + from + ")");
        }
    }

    // A circle: following includes from a file leads back to a file still being followed.
    std::map<std::string, int> state; // 1 being followed, 2 done
    std::vector<std::string> path;
    std::function<void(const std::string&)> follow = [&](const std::string& file) {
        state[file] = 1;
        path.push_back(file);
        for (const Include& inc : graph[file]) {
            if (inc.target.empty() || state[inc.target] == 2)
                continue;
            if (state[inc.target] == 0) {
                follow(inc.target);
                continue;
            }
            std::string circle;
            for (auto it = std::find(path.begin(), path.end(), inc.target); it != path.end(); ++it)
                circle += *it + " -> ";
            problems.push_back(file + ":" + std::to_string(inc.line) + ": includes \"" + inc.text +
                               "\", which closes a circle: " + circle + inc.target);
        }
        path.pop_back();
        state[file] = 2;
    };
    for (const auto& [file, includes] : graph)
        if (state[file] == 0)
            follow(file);

    for (const std::string& p : problems)
        std::cout << p << "\n";
    std::cout << graph.size() << " files read, " << problems.size() << " wrong includes\n";
    return problems.empty() ? 0 : 1;
}
