#pragma once
// What the command line needs of the platform to write a printed document as a PDF file
// without a window: the pictures the pages show and a print target writing the file. Each
// platform implements it (Qt's PDF writer on Linux, the system's PDF printer on Windows).

#include <filesystem>
#include <memory>
#include <string>

#include "platform/data_paths.h"
#include "ui/print_target.h"
#include "ui/surface.h"

namespace lun4::platform {

class PdfExport {
  public:
    virtual ~PdfExport() = default;
    virtual ui::ImageSource& images() = 0;
    // A target writing `path` as an A4 PDF file, or nullptr with `error` (UTF-8, Polish, one
    // line) when this system cannot write one.
    virtual std::unique_ptr<ui::PrintTarget> pdfFile(const std::filesystem::path& path,
                                                     std::string& error) = 0;
};

// Made once, before the first document; `argc` and `argv` are the program's.
std::unique_ptr<PdfExport> pdfExport(int argc, char** argv, DataPaths& paths);

}  // namespace lun4::platform
