// Reads every #include "..." of src/ and app/ and fails, naming the file and the line, when
// one points against the order of src/layers.txt or closes a circle of includes.
//
// usage: include_order <source tree>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;

namespace {

struct Include {
    std::string file; // as written, relative to the tree
    int line;
    std::string target; // the included file, relative to the tree; empty when not ours
    std::string text;   // what the line includes
};

std::map<std::string, int> readLayers(const fs::path& table, std::vector<std::string>& problems) {
    std::map<std::string, int> layer;
    std::ifstream in(table);
    if (!in)
        problems.push_back(table.string() + ": the layer table cannot be read");
    std::string line;
    int level = 0;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream words(line);
        std::string folder;
        while (words >> folder)
            layer[folder] = level;
        ++level;
    }
    return layer;
}

// The folder a file belongs to: the first folder under src/, or "app".
std::string folderOf(const std::string& file) {
    if (file.rfind("src/", 0) == 0) {
        const auto slash = file.find('/', 4);
        return slash == std::string::npos ? std::string() : file.substr(4, slash - 4);
    }
    return "app";
}

std::vector<std::string> sourceFiles(const fs::path& root) {
    std::vector<std::string> files;
    for (const char* top : {"src", "app"}) {
        if (!fs::is_directory(root / top))
            continue;
        for (const auto& entry : fs::recursive_directory_iterator(root / top)) {
            const auto ext = entry.path().extension();
            if (entry.is_regular_file() && (ext == ".h" || ext == ".cpp"))
                files.push_back(fs::relative(entry.path(), root).generic_string());
        }
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::vector<Include> includesOf(const fs::path& root, const std::string& file) {
    static const std::regex quoted(R"re(^\s*#\s*include\s*"([^"]+)")re");
    std::vector<Include> found;
    std::ifstream in(root / file);
    std::string line;
    int number = 0;
    while (std::getline(in, line)) {
        ++number;
        std::smatch m;
        if (!std::regex_search(line, m, quoted))
            continue;
        const std::string text = m[1];
        // Beside the including file first, then from src/, as the compiler looks.
        std::string target;
        const fs::path beside = fs::path(file).parent_path() / text;
        if (fs::is_regular_file(root / beside))
            target = beside.lexically_normal().generic_string();
        else if (fs::is_regular_file(root / "src" / text))
            target = (fs::path("src") / text).lexically_normal().generic_string();
        found.push_back({file, number, target, text});
    }
    return found;
}

// A circle of includes: every include that leads back to the file it started from.
void findCircles(const std::map<std::string, std::vector<Include>>& graph,
                 std::vector<std::string>& problems) {
    enum Mark { Unseen, OnPath, Done };
    std::map<std::string, Mark> mark;
    std::vector<const Include*> path;
    std::set<std::string> reported;
    auto visit = [&](auto&& self, const std::string& file) -> void {
        mark[file] = OnPath;
        const auto it = graph.find(file);
        if (it != graph.end()) {
            for (const Include& inc : it->second) {
                if (inc.target.empty())
                    continue;
                if (mark[inc.target] == OnPath) {
                    std::string circle = inc.target;
                    bool on = false;
                    for (const Include* step : path) {
                        on = on || step->file == inc.target;
                        if (on)
                            circle += " -> " + step->target;
                    }
                    circle += " -> " + inc.target;
                    if (reported.insert(inc.file + std::to_string(inc.line)).second)
                        problems.push_back(inc.file + ":" + std::to_string(inc.line) +
                                           ": includes \"" + inc.text +
                                           "\", which closes a circle: " + circle);
                } else if (mark[inc.target] == Unseen) {
                    path.push_back(&inc);
                    self(self, inc.target);
                    path.pop_back();
                }
            }
        }
        mark[file] = Done;
    };
    for (const auto& [file, includes] : graph)
        if (mark[file] == Unseen)
            visit(visit, file);
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::cerr << "usage: include_order <source tree>\n";
        return 2;
    }
    const fs::path root = argv[1];
    const fs::path table = root / "src" / "layers.txt";
    std::vector<std::string> problems;
    const std::map<std::string, int> layer = readLayers(table, problems);

    std::map<std::string, std::vector<Include>> graph;
    std::set<std::string> unlisted;
    for (const std::string& file : sourceFiles(root)) {
        const std::string from = folderOf(file);
        if (!layer.count(from)) {
            if (unlisted.insert(from).second)
                problems.push_back(file + ": the folder " + from + " is not in src/layers.txt");
            continue;
        }
        graph[file] = includesOf(root, file);
        for (const Include& inc : graph[file]) {
            if (inc.target.empty())
                continue; // a header from outside the game
            const std::string to = folderOf(inc.target);
            if (to == from)
                continue;
            const auto there = layer.find(to);
            const std::string where = file + ":" + std::to_string(inc.line) + ": includes \"" +
                                      inc.text + "\": " + from + " may not include " + to;
            if (there == layer.end())
                problems.push_back(where + " (" + to + " is not in src/layers.txt)");
            else if (there->second == layer.at(from))
                problems.push_back(where + " (they share a layer)");
            else if (there->second > layer.at(from))
                problems.push_back(where + " (" + to + " lies above " + from + ")");
        }
    }
    findCircles(graph, problems);

    for (const std::string& p : problems)
        std::cout << p << "\n";
    std::cout << graph.size() << " files read, " << problems.size() << " wrong includes\n";
    return problems.empty() ? 0 : 1;
}
