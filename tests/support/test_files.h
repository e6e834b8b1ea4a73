#pragma once
// Files for tests: a fresh folder of the test's own under the system's temporary folder,
// what a folder holds, a file's bytes, and the output of the system's tools that read the
// files the program writes (pdfinfo and pdftotext for PDF, unzip for the editable report).

#include <filesystem>
#include <set>
#include <string>

namespace lun4::testing {

// Made empty when constructed, removed with everything in it when destroyed.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

  private:
    std::filesystem::path path_;
};

// The names of the entries of a folder (not of those below them).
std::set<std::string> fileNames(const std::filesystem::path& folder);
// The whole file, byte for byte; empty when it cannot be read.
std::string readFile(const std::filesystem::path& path);
void writeFile(const std::filesystem::path& path, const std::string& bytes);

// What a shell command writes to its standard output.
std::string runTool(const std::string& command);
// The number of pages pdfinfo finds in a PDF file; -1 when it finds none.
int pdfPageCount(const std::filesystem::path& pdf);
// The text pdftotext reads from a PDF file (UTF-8), from one page or (page 0) all of them.
std::string pdfText(const std::filesystem::path& pdf, int page = 0);
// One member of a zip package as unzip gives it.
std::string unzipped(const std::filesystem::path& package, const std::string& member);

}  // namespace lun4::testing
