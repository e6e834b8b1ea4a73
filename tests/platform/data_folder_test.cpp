// The program's table of its data files against the names written in its sources (every name
// a source loads is in the table, every entry of the table is loaded somewhere) and against the
// generated run folder (every file of the table is there, found the way the program finds it:
// any separator, any letter case); and the start's check on a folder with a file missing.

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <regex>
#include <sstream>

#include "platform/data_paths.h"
#include "screens/data_files.h"
#include "test_files.h"

namespace lun4::platform {
namespace {

namespace fs = std::filesystem;

// "Data\\BMP\\ok" -> "data/bmp/ok": the program finds names whatever their case and separator.
std::string normal(std::string_view name) {
    std::string out;
    for (size_t i = 0; i < name.size(); ++i) {
        char c = name[i];
        if (c == '\\') {
            if (i + 1 < name.size() && name[i + 1] == '\\') ++i;  // the source's escaping
            c = '/';
        }
        out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return out;
}

// The data names the sources write, with where each is written.
std::map<std::string, std::string> dataNamesInSources() {
    std::map<std::string, std::string> names;
    const std::regex literal(R"re("((?:[Dd][Aa][Tt][Aa]|Pomoce)(?:\\\\|/)[^"]*)")re");
    const fs::path table = fs::path(LUN4_SOURCE_DIR) / "src" / "screens" / "data_files.cpp";
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(LUN4_SOURCE_DIR) / "src")) {
        if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h") continue;
        if (entry.path() == table) continue;
        std::ifstream in(entry.path());
        std::stringstream text;
        text << in.rdbuf();
        const std::string s = text.str();
        for (std::sregex_iterator it(s.begin(), s.end(), literal), end; it != end; ++it) {
            names.emplace(normal((*it)[1].str()), entry.path().filename().string());
        }
    }
    return names;
}

// Whether a name written in a source stands for files of `set`: the file itself, a button's
// base or one of its images, a numbered prefix, or one of its members.
bool covers(const DataFileSet& set, const std::string& written) {
    const std::string name = normal(set.name);
    if (written == name) return true;
    using Kind = DataFileSet::Kind;
    const auto buttonImage = [&](const std::string& base) {
        for (const char* state : {"_n.bmp", "_o.bmp", "_p.bmp"}) {
            if (written == base + state) return true;
        }
        return false;
    };
    switch (set.kind) {
        case Kind::Picture:
            return false;
        case Kind::Button:
            return buttonImage(name);
        case Kind::Numbered:
        case Kind::NumberedButtons:
            for (int k = set.first; k <= set.last; ++k) {
                const std::string member = name + std::to_string(k);
                if (set.kind == Kind::Numbered && written == member + normal(set.suffix)) {
                    return true;
                }
                if (set.kind == Kind::NumberedButtons &&
                    (written == member || buttonImage(member))) {
                    return true;
                }
            }
            return false;
    }
    return false;
}

TEST(DataFolderTest, TheTableAndTheSourcesNameTheSameFiles) {
    const auto written = dataNamesInSources();
    ASSERT_GT(written.size(), 60u);
    for (const auto& [name, source] : written) {
        const auto sets = dataFileSets();
        EXPECT_TRUE(std::any_of(sets.begin(), sets.end(),
                                [&](const DataFileSet& set) { return covers(set, name); }))
            << name << " (" << source << ") is missing from the table in screens/data_files.cpp";
    }
    for (const DataFileSet& set : dataFileSets()) {
        EXPECT_TRUE(std::any_of(written.begin(), written.end(),
                                [&](const auto& w) { return covers(set, w.first); }))
            << set.name << " is in the table but no source loads it";
    }
}

TEST(DataFolderTest, TheGeneratedRunFolderHoldsEveryFileOfTheTable) {
    DataPaths paths(LUN4_RUN_DIR);
    size_t files = 0;
    for (const DataFileSet& set : dataFileSets()) {
        for (const std::string& file : filesOf(set)) {
            EXPECT_TRUE(paths.resolve(file)) << file;
            ++files;
        }
    }
    EXPECT_GT(files, 400u);
    EXPECT_TRUE(missingDataFiles([&](const std::string& n) {
                    return paths.resolve(n).has_value();
                }).empty());
}

// The run folder again, its files linked one by one into a folder of the test's, with one
// picture left out and one linked under another letter case.
TEST(DataFolderTest, TheStartsCheckFindsAFileMissingFromTheFolder) {
    const fs::path run(LUN4_RUN_DIR);
    const testing::TempFolder temp;
    const fs::path root = temp.path();
    fs::create_directories(root / "Data");
    for (const auto& entry : fs::directory_iterator(run / "Data")) {
        const std::string name = entry.path().filename().string();
        if (name == "tak_p.bmp") continue;
        fs::create_symlink(entry.path(), root / "Data" / (name == "druk.bmp" ? "DRUK.BMP" : name));
    }
    fs::create_directory_symlink(run / "Pomoce", root / "Pomoce");
    DataPaths paths(root);
    const auto exists = [&](const std::string& n) { return paths.resolve(n).has_value(); };
    EXPECT_EQ(missingDataFiles(exists), std::vector<std::string>{"Data/tak_p.bmp"});

    // Without "Data" every required picture is missing, and the folder is named as missing.
    fs::remove_all(root / "Data");
    DataPaths empty(root);
    EXPECT_FALSE(empty.resolve("Data"));
    EXPECT_GT(
        missingDataFiles([&](const std::string& n) { return empty.resolve(n).has_value(); }).size(),
        100u);
}

}  // namespace
}  // namespace lun4::platform
