#pragma once
// The program's one window: borderless, covering the whole screen, showing the 1024x768
// frame scaled to fit with its aspect kept (black margins; 1:1 on a 1024x768 display).
// It owns the three back buffers and the window surface, maps mouse positions back into
// frame coordinates, and carries the controls laid over the frame.

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

#include "platform/qt/qt_controls.h"
#include "platform/qt/qt_image_source.h"
#include "platform/qt/qt_print_target.h"
#include "platform/qt/qt_settings.h"
#include "platform/window_handlers.h"
#include "ui/frame.h"
#include "ui/keys.h"
#include "ui/qt/qt_surface.h"

namespace lun4::platform {

class MainWindow : public QWidget, public ui::Frame, public WindowHandlers {
  public:
    MainWindow(DataPaths& paths, int depth);
    ~MainWindow() override;

    // Frame
    // Back buffers 1 and 2 serve only the previews and printing: made on first use.
    ui::Surface& backBuffer(int index) override;
    ui::Surface& windowSurface() override { return window_; }
    void present() override;
    void showWindowSurface() override;
    void pause(int ms) override;
    ui::ImageSource& images() override { return images_; }
    // Controls are made hidden on first use, so that the start is not kept waiting for them.
    ui::TextControl& control(ui::ControlId id) override;
    ui::CheckBox& checkBox(ui::CheckBoxId id) override;
    ui::PrintTarget& printer() override { return printer_; }
    // Read on first use, from the user's configuration folder.
    ui::Settings& settings() override;
    QtPrintTarget& qtPrinter() { return printer_; }
    void showMessage(std::string_view caption, std::string_view text) override;
    bool ask(std::string_view caption, std::string_view text, std::string_view first,
             std::string_view second, ui::Answer escape) override;
    ui::Answer askOrCancel(std::string_view caption, std::string_view text, std::string_view first,
                           std::string_view second, std::string_view cancel) override;
    // Qt's save dialog, opening in the request's folder or else the user's documents folder
    // (the home folder when there is none) with the proposed name; a name typed without the
    // extension gets it.
    std::optional<std::filesystem::path> askSavePath(const ui::SaveRequest& request) override;
    std::optional<std::filesystem::path> askOpenPath(const ui::SaveRequest& request) override;
    std::optional<std::filesystem::path> askFolder(std::string_view caption,
                                                   const std::filesystem::path& start) override;
    bool writeEditableDocument(const ui::FlowDocument& document, const std::filesystem::path& path,
                               std::string& error) override;
    void quit() override;

    // Test seams: the click pause, message boxes and the About box.
    void setPauseFunction(std::function<void(int)> pause) { pauseFunction_ = std::move(pause); }
    void setMessageFunction(std::function<void(const QString&, const QString&)> f) {
        message_ = std::move(f);
    }
    void setAboutFunction(std::function<void()> f) { about_ = std::move(f); }
    // Answer the open and folder dialogs in their place: receive the caption and the folder
    // (and the filter), return the path chosen or an empty text for a cancelled dialog.
    void setOpenDialogFunction(std::function<QString(const QString&, const QString&, const QString&)> f) {
        openDialog_ = std::move(f);
    }
    void setFolderDialogFunction(std::function<QString(const QString&, const QString&)> f) {
        folderDialog_ = std::move(f);
    }
    // A line the About box adds under its title (where the examinee files are kept).
    void setAboutDetails(QString details) { aboutDetails_ = std::move(details); }
    // Answers ask() in place of the question box: receives caption, text and the two answers
    // (the one Escape gives is not passed on).
    void setQuestionFunction(
        std::function<bool(const QString&, const QString&, const QString&, const QString&)> f) {
        question_ = std::move(f);
    }
    // Answers askOrCancel() in place of the question box: receives caption, text and the three
    // answers.
    void setThreeWayQuestionFunction(std::function<ui::Answer(const QString&, const QString&,
                                                              const QStringList&)> f) {
        threeWayQuestion_ = std::move(f);
    }
    // Answers the save dialog: given the caption, the proposed path and the file type filter,
    // returns the chosen path, or an empty string for a cancelled dialog.
    void setSaveDialogFunction(
        std::function<QString(const QString&, const QString&, const QString&)> f) {
        saveDialog_ = std::move(f);
    }

    // Covers the screen the window is on (with or without a window manager) and shows it.
    void showOnWholeScreen();

    const FrameMapping& mapping() const { return mapping_; }
    ui::Point toFrame(QPoint windowPoint) const;
    const ui::QtSurface& windowImage() const { return window_; }
    int colourDepth() const { return images_.depth(); }
    bool composedOnce() const { return !repaintNeeded_; }
    void showAbout();
    // Handles the About accelerators (Alt+"?" and Alt+"/") for the whole application, and the
    // keys of the boxes over the frame that belong to their screen.
    bool eventFilter(QObject* watched, QEvent* event) override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void updateMapping();
    // A key pressed in one of the boxes over the frame: true when its screen took it.
    bool boxKey(QObject* box, const QKeyEvent& event);

    DataPaths& paths_;
    QtImageSource images_;
    std::array<std::unique_ptr<ui::QtSurface>, 3> buffers_;
    ui::QtSurface window_;
    std::array<std::unique_ptr<QtTextControl>, ui::kControlCount> controls_;
    std::array<std::unique_ptr<QtCheckBox>, 2> checkBoxes_;
    QtPrintTarget printer_{this};
    std::unique_ptr<QtSettings> settings_;
    FrameMapping mapping_;
    bool repaintNeeded_ = true;
    bool quitting_ = false;
    std::function<void(int)> pauseFunction_;
    std::function<void(const QString&, const QString&)> message_;
    std::function<void()> about_;
    std::function<bool(const QString&, const QString&, const QString&, const QString&)> question_;
    std::function<ui::Answer(const QString&, const QString&, const QStringList&)>
        threeWayQuestion_;
    std::function<QString(const QString&, const QString&, const QString&)> saveDialog_;
    std::function<QString(const QString&, const QString&, const QString&)> openDialog_;
    std::function<QString(const QString&, const QString&)> folderDialog_;
    QString aboutDetails_;
};

// The window's icon, drawn by the program.
QIcon programIcon();

}  // namespace lun4::platform
