#include "platform/pdf_export.h"

#include <QGuiApplication>

#include "platform/qt/qt_image_source.h"
#include "platform/qt/qt_print_target.h"

namespace lun4::platform {
namespace {

// The command line says what went wrong in one line of its own; the toolkit's notes (the
// offscreen platform's runtime folder, a painter that could not start) are not for the user.
QtMessageHandler defaultHandler = nullptr;
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type == QtDebugMsg || type == QtInfoMsg || type == QtWarningMsg) return;
    if (defaultHandler) defaultHandler(type, context, message);
}

// Qt without a display, and quiet, before its application object exists.
struct QuietOffscreen {
    QuietOffscreen() {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        defaultHandler = qInstallMessageHandler(quietHandler);
    }
};

class QtPdfExport final : public PdfExport {
  public:
    QtPdfExport(int argc, char** argv, DataPaths& paths)
        : argc_(argc), app_(argc_, argv), images_(paths, 32) {}
    ui::ImageSource& images() override { return images_; }
    std::unique_ptr<ui::PrintTarget> pdfFile(const std::filesystem::path& path,
                                             std::string&) override {
        return QtPrintTarget::pdfFile(path);
    }

  private:
    QuietOffscreen quiet_;
    int argc_;  // the application object keeps a reference to it
    QGuiApplication app_;
    QtImageSource images_;
};

}  // namespace

std::unique_ptr<PdfExport> pdfExport(int argc, char** argv, DataPaths& paths) {
    return std::make_unique<QtPdfExport>(argc, argv, paths);
}

}  // namespace lun4::platform
