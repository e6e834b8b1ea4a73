#pragma once
// Printing on Qt: the system's printers through Qt's print dialog, or an A4 PDF file written
// without a dialog (the command-line export). Pages are drawn from recordings at the
// device's resolution, so text stays text and lines stay sharp.

#include <QString>
#include <filesystem>
#include <functional>
#include <memory>

#include "ui/print_target.h"

class QPagedPaintDevice;
class QPainter;
class QPrinter;
class QWidget;

namespace lun4::platform {

class QtPrintTarget : public ui::PrintTarget {
  public:
    // The system's printers, chosen in the print dialog shown over `dialogParent`.
    explicit QtPrintTarget(QWidget* dialogParent);
    // An A4 PDF file (portrait, landscape when begin asks for it) written to a hidden
    // temporary file beside `path` and renamed over it when the document ends, so a failed
    // export never leaves a partial file.
    static std::unique_ptr<QtPrintTarget> pdfFile(std::filesystem::path path);
    ~QtPrintTarget() override;

    // Test seam: answers the print dialog instead of showing it (the printer can be set to
    // write a PDF file). True confirms.
    void setDialogFunction(std::function<bool(QPrinter&)> dialog) { dialog_ = std::move(dialog); }

    bool begin(std::string_view documentName, bool landscape) override;
    void proposeFile(const std::filesystem::path& file) override { proposedFile_ = file; }
    std::filesystem::path printedFile() const override { return printedFile_; }
    ui::PageSize printableSize() const override;
    void newPage() override;
    void place(const ui::RecordingSurface& page, ui::Rect source, ui::Rect target) override;
    bool end() override;
    std::string error() const override { return error_; }
    int textWidth(std::string_view cp1250, ui::FontId font) const override;

  private:
    QtPrintTarget() = default;
    bool beginPdf(const QString& title, bool landscape);
    bool beginPrinter(const QString& title, bool landscape);
    void discardPdf();

    QWidget* dialogParent_ = nullptr;
    std::filesystem::path pdfPath_;  // empty for the system's printers
    std::filesystem::path temporaryPath_;
    std::filesystem::path proposedFile_;
    std::filesystem::path printedFile_;
    std::function<bool(QPrinter&)> dialog_;
    std::unique_ptr<QPagedPaintDevice> device_;
    std::unique_ptr<QPainter> painter_;
    std::string error_;
};

}  // namespace lun4::platform
