#include "test_files.h"

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace lun4::testing {

namespace fs = std::filesystem;

namespace {

std::string quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

}  // namespace

TempFolder::TempFolder() {
    static int made = 0;
    path_ = fs::temp_directory_path() /
            ("lun4_test_" + std::to_string(::getpid()) + "_" + std::to_string(++made));
    fs::remove_all(path_);
    fs::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::set<std::string> fileNames(const fs::path& folder) {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.insert(entry.path().filename().string());
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
