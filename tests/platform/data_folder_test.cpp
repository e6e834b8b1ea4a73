// Every data file name written in the program's sources must exist in the generated run
// folder, found the way the program finds it (any separator, any letter case).

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "platform/data_paths.h"

namespace lun4::platform {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> dataNamesInSources() {
    std::vector<std::string> names;
    const std::regex literal(R"re("((?:[Dd][Aa][Tt][Aa]|Pomoce)(?:\\\\|/)[^"]*)")re");
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(LUN4_SOURCE_DIR) / "src")) {
        if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h") continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string s = text.str();
        for (std::sregex_iterator it(s.begin(), s.end(), literal), end; it != end; ++it) {
            std::string name = (*it)[1];
            // Undo the source's escaping of backslashes.
            std::string plain;
            for (size_t i = 0; i < name.size(); ++i) {
                if (name[i] == '\\' && i + 1 < name.size() && name[i + 1] == '\\') ++i;
                plain += name[i];
            }
            names.push_back(plain);
        }
    }
    return names;
}

TEST(DataFolderTest, EveryNameTheProgramLoadsExists) {
    DataPaths paths(LUN4_RUN_DIR);
    const auto names = dataNamesInSources();
    ASSERT_GT(names.size(), 20u);
    for (const std::string& name : names) {
        const fs::path last = fs::path(name.substr(name.find_last_of("\\/") + 1));
        if (last.has_extension()) {
            EXPECT_TRUE(paths.resolve(name)) << name;
        } else if (paths.resolve(name + "_n.bmp")) {
            // A button's base name: all three images.
            EXPECT_TRUE(paths.resolve(name + "_o.bmp")) << name;
            EXPECT_TRUE(paths.resolve(name + "_p.bmp")) << name;
        } else {
            // A prefix completed at run time (page files, numbered buttons).
            EXPECT_TRUE(paths.resolve(name + "1.asd") || paths.resolve(name + "1_n.bmp") ||
                        paths.resolve(name + "1.bmp") || paths.resolve(name + "1.jpg"))
                << name;
        }
    }
}

}  // namespace
}  // namespace lun4::platform
