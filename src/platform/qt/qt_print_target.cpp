#include "platform/qt/qt_print_target.h"

#include <unistd.h>

#include <QDir>
#include <QFileInfo>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStandardPaths>
#include <QWidget>
#include <system_error>

#include "ui/qt/qt_fonts.h"
#include "ui/qt/qt_painting.h"

namespace lun4::platform {
namespace {

constexpr int kPdfResolution = 1200;

QString toQString(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

}  // namespace

QtPrintTarget::QtPrintTarget(QWidget* dialogParent) : dialogParent_(dialogParent) {}

std::unique_ptr<QtPrintTarget> QtPrintTarget::pdfFile(std::filesystem::path path) {
    std::unique_ptr<QtPrintTarget> target(new QtPrintTarget());
    target->pdfPath_ = std::move(path);
    return target;
}

QtPrintTarget::~QtPrintTarget() {
    if (painter_ && painter_->isActive()) painter_->end();
    discardPdf();
}

bool QtPrintTarget::begin(std::string_view documentName, bool landscape) {
    error_.clear();
    const QString title = QString::fromUtf8(documentName.data(), qsizetype(documentName.size()));
    return pdfPath_.empty() ? beginPrinter(title, landscape) : beginPdf(title, landscape);
}

bool QtPrintTarget::beginPrinter(const QString& title, bool landscape) {
    printedFile_.clear();
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(title);
    if (landscape) printer->setPageOrientation(QPageLayout::Landscape);
    if (!proposedFile_.empty()) {
        // The file is what printing to a PDF file proposes; the printer chosen at first stays
        // the default one (naming a PDF file turns the printer into a PDF writer).
        const QString defaultPrinter = printer->printerName();
        QString file = QString::fromStdU16String(proposedFile_.u16string());
        if (QDir::isRelativePath(file) || !QFileInfo(file).absoluteDir().exists()) {
            // No folder used last (or it is gone): the user's documents folder.
            QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
            if (folder.isEmpty() || !QFileInfo(folder).isDir()) folder = QDir::homePath();
            file = QDir(folder).filePath(QFileInfo(file).fileName());
        }
        printer->setOutputFileName(file);
        if (!defaultPrinter.isEmpty()) printer->setPrinterName(defaultPrinter);
    }
    bool confirmed = false;
    if (dialog_) {
        confirmed = dialog_(*printer);
    } else {
        QPrintDialog dialog(printer.get(), dialogParent_);
        // The documents print whole: no page ranges, no selection.
        dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
        dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        confirmed = dialog.exec() == QDialog::Accepted;
    }
    if (!confirmed) return false;
    if (printer->outputFormat() == QPrinter::PdfFormat && !printer->outputFileName().isEmpty()) {
        printedFile_ = std::filesystem::path(printer->outputFileName().toStdU16String());
    }
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(printer.get())) {
        error_ = "nie można otworzyć drukarki";
        painter_.reset();
        return false;
    }
    device_ = std::move(printer);
    return true;
}

bool QtPrintTarget::beginPdf(const QString& title, bool landscape) {
    const std::filesystem::path folder =
        pdfPath_.has_parent_path() ? pdfPath_.parent_path() : std::filesystem::path(".");
    temporaryPath_ =
        folder / ("." + pdfPath_.filename().string() + "." + std::to_string(::getpid()) + ".tmp");
    auto writer = std::make_unique<QPdfWriter>(toQString(temporaryPath_));
    writer->setTitle(title);
    writer->setCreator(QStringLiteral("LUN4_TORVA"));
    writer->setResolution(kPdfResolution);
    writer->setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                      landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                                      QMarginsF(0, 0, 0, 0)));
    painter_ = std::make_unique<QPainter>();
    if (!painter_->begin(writer.get())) {
        error_ = "nie można zapisać " + pdfPath_.string();
        painter_.reset();
        writer.reset();
        discardPdf();
        return false;
    }
    device_ = std::move(writer);
    return true;
}

ui::PageSize QtPrintTarget::printableSize() const {
    if (!device_) return {};
    // A painter on a paged device starts at the top left of the printable area.
    return {device_->width(), device_->height()};
}

void QtPrintTarget::newPage() {
    if (device_) device_->newPage();
}

void QtPrintTarget::place(const ui::RecordingSurface& page, ui::Rect source, ui::Rect target) {
    if (!painter_) return;
    ui::replayOnto(*painter_, page.calls(), source, ui::toQRect(target));
}

bool QtPrintTarget::end() {
    if (!painter_) return false;
    const bool painted = painter_->end();
    painter_.reset();
    device_.reset();  // a PDF file is complete once its writer is gone
    if (pdfPath_.empty()) return painted;
    std::error_code ec;
    if (!painted || std::filesystem::file_size(temporaryPath_, ec) == 0 || ec) {
        error_ = "nie można zapisać " + pdfPath_.string();
        discardPdf();
        return false;
    }
    std::filesystem::rename(temporaryPath_, pdfPath_, ec);
    if (ec) {
        error_ = "nie można zapisać " + pdfPath_.string() + ": " + ec.message();
        discardPdf();
        return false;
    }
    temporaryPath_.clear();
    return true;
}

void QtPrintTarget::discardPdf() {
    if (temporaryPath_.empty()) return;
    std::error_code ec;
    std::filesystem::remove(temporaryPath_, ec);
    temporaryPath_.clear();
}

int QtPrintTarget::textWidth(std::string_view cp1250, ui::FontId font) const {
    return QFontMetrics(ui::qtFont(font)).horizontalAdvance(ui::toQString(cp1250));
}

}  // namespace lun4::platform
