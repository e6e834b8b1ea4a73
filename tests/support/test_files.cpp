#include "test_files.h"

#include <unistd.h>
#ifdef _WIN32
#include <windows.h>

#include "files/windows_file_system.h"
#endif

#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <vector>

namespace lun4::testing {

namespace fs = std::filesystem;

namespace {

std::string quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

}  // namespace

namespace {

#ifdef _WIN32
// Files go through the long-path form, where a device's name ("con.pcn") is a plain name, and
// lose their read-only mark first: Windows refuses to delete such a file.
void removeAll(const fs::path& folder) {
    std::error_code ignored;
    std::vector<fs::path> files;
    for (fs::recursive_directory_iterator it(folder, ignored), end; !ignored && it != end;
         it.increment(ignored)) {
        std::error_code each;
        if (!it->is_directory(each)) files.push_back(it->path());
    }
    for (const fs::path& file : files) {
        const std::wstring path = windows::systemPath(file);
        ::SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        ::DeleteFileW(path.c_str());
    }
    fs::remove_all(folder, ignored);
}
#else
// Everything under `folder` made writable, so that it can be removed.
void removeAll(const fs::path& folder) {
    std::error_code ignored;
    for (fs::recursive_directory_iterator it(folder, ignored), end; !ignored && it != end;
         it.increment(ignored)) {
        std::error_code each;
        if (!it->is_symlink(each)) {
            fs::permissions(it->path(), fs::perms::owner_write, fs::perm_options::add, each);
        }
    }
    fs::remove_all(folder, ignored);
}
#endif

}  // namespace

TempFolder::TempFolder() {
    // The process number and a random one: Wine hands out process numbers again soon.
    static int made = 0;
    static const unsigned random = std::random_device{}();
    path_ = fs::temp_directory_path() / ("lun4_test_" + std::to_string(::getpid()) + "_" +
                                         std::to_string(random) + "_" + std::to_string(++made));
    removeAll(path_);
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    removeAll(path_);
}

std::set<std::string> fileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        const std::u8string name = entry.path().filename().u8string();
        names.insert(std::string(name.begin(), name.end()));
    }
    return names;
}

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void writeFile(const fs::path& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string runTool(const std::string& command) {
    std::string out;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (!pipe) return out;
    char buffer[4096];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) out.append(buffer, n);
    ::pclose(pipe);
    return out;
}

int pdfPageCount(const fs::path& pdf) {
    const std::string info = runTool("pdfinfo " + quoted(pdf) + " 2>/dev/null");
    const auto at = info.find("Pages:");
    return at == std::string::npos ? -1 : std::stoi(info.substr(at + 6));
}

std::string pdfText(const fs::path& pdf, int page) {
    const std::string pages =
        page > 0 ? "-f " + std::to_string(page) + " -l " + std::to_string(page) + " " : "";
    return runTool("pdftotext " + pages + "-enc UTF-8 " + quoted(pdf) + " - 2>/dev/null");
}

std::string unzipped(const fs::path& package, const std::string& member) {
    return runTool("unzip -p " + quoted(package) + " '" + member + "'");
}

}  // namespace lun4::testing
