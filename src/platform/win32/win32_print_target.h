#pragma once
// Printing on Windows: the system's printers through its print dialog, or a PDF file written
// by the system's "Microsoft Print to PDF" printer without a dialog (the command-line export).
// Pages are drawn from recordings onto the printer's device context at its resolution, each
// rectangle scaled onto its place on the sheet, so text stays text and lines stay sharp.

#include <windows.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "ui/print_target.h"

namespace lun4::platform {

// The printer through which PDF files are written.
inline constexpr const wchar_t* kPdfPrinter = L"Microsoft Print to PDF";

class Win32PrintTarget : public ui::PrintTarget {
  public:
    // The system's printers, chosen in the print dialog shown over `owner`.
    explicit Win32PrintTarget(HWND owner = nullptr) : owner_(owner) {}
    // An A4 PDF file written through kPdfPrinter to a hidden temporary file beside `path`
    // and renamed over it when the document ends, so a failed export never leaves a partial
    // file. Nullptr, with `error` (UTF-8, Polish) saying so, when the system has no such
    // printer.
    static std::unique_ptr<Win32PrintTarget> pdfFile(std::filesystem::path path,
                                                      std::string& error);
    ~Win32PrintTarget() override;
    Win32PrintTarget(const Win32PrintTarget&) = delete;
    Win32PrintTarget& operator=(const Win32PrintTarget&) = delete;

    void setOwner(HWND owner) { owner_ = owner; }
    // Test seam: answers the print dialog with a device context to print on (the caller keeps
    // it), or nullptr for a cancelled dialog. Receives whether landscape was asked.
    void setDialogFunction(std::function<HDC(bool)> dialog) { dialog_ = std::move(dialog); }

    bool begin(std::string_view documentName, bool landscape) override;
    ui::PageSize printableSize() const override;
    void newPage() override;
    void place(const ui::RecordingSurface& page, ui::Rect source, ui::Rect target) override;
    bool end() override;
    std::string error() const override { return error_; }
    int textWidth(std::string_view cp1250, ui::FontId font) const override;

    // Pages started in the current or last document.
    int pages() const { return pages_; }

  private:
    HDC askPrinter(bool landscape);
    HDC pdfPrinter(bool landscape);
    bool startDocument(std::string_view documentName);
    void discardPdf();

    HWND owner_ = nullptr;
    std::filesystem::path pdfPath_;  // empty for the system's printers
    std::filesystem::path temporaryPath_;
    std::function<HDC(bool)> dialog_;
    HDC dc_ = nullptr;
    bool spooled_ = false;  // a document was started on dc_
    bool ownsDc_ = true;
    int pages_ = 0;
    std::string error_;
};

}  // namespace lun4::platform
