#include "platform/pdf_export.h"

#include "platform/win32/win32_image_source.h"
#include "platform/win32/win32_print_target.h"

namespace lun4::platform {
namespace {

class Win32PdfExport final : public PdfExport {
  public:
    explicit Win32PdfExport(DataPaths& paths) : images_(paths, 32) {}
    ui::ImageSource& images() override { return images_; }
    std::unique_ptr<ui::PrintTarget> pdfFile(const std::filesystem::path& path,
                                             std::string& error) override {
        return Win32PrintTarget::pdfFile(path, error);
    }

  private:
    Win32ImageSource images_;
};

}  // namespace

std::unique_ptr<PdfExport> pdfExport(int, char**, DataPaths& paths) {
    return std::make_unique<Win32PdfExport>(paths);
}

}  // namespace lun4::platform
