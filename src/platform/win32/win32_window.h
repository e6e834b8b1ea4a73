#pragma once
// The program's one window on Windows: a borderless popup covering the monitor, showing the
// 1024x768 frame scaled to fit with its aspect kept (black margins; 1:1 on a 1024x768
// screen), with no change of the display's mode. It owns the three back buffers and the
// window surface (GDI DIB sections), maps mouse positions back into the frame, carries the
// controls laid over the frame, and runs the message loop.

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>

#include "platform/data_paths.h"
#include "platform/frame_mapping.h"
#include "platform/win32/program_dialog.h"
#include "platform/win32/win32_controls.h"
#include "platform/win32/win32_image_source.h"
#include "platform/win32/win32_print_target.h"
#include "platform/win32/win32_settings.h"
#include "platform/window_handlers.h"
#include "ui/frame.h"
#include "ui/gdi/gdi_surface.h"

namespace lun4::platform {

class Win32Window : public ui::Frame, public WindowHandlers {
  public:
    // Creates the window, hidden, 1024x768 at the origin.
    explicit Win32Window(DataPaths& paths);
    ~Win32Window() override;
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    // Frame
    ui::Surface& backBuffer(int index) override;
    ui::Surface& windowSurface() override { return window_; }
    void present() override;
    void showWindowSurface() override;
    void pause(int ms) override;
    ui::ImageSource& images() override { return images_; }
    ui::TextControl& control(ui::ControlId id) override;
    ui::CheckBox& checkBox(ui::CheckBoxId id) override;
    ui::PrintTarget& printer() override { return printer_; }
    ui::Settings& settings() override { return settings_; }
    void showMessage(std::string_view caption, std::string_view text) override;
    bool ask(std::string_view caption, std::string_view text, std::string_view first,
             std::string_view second, ui::Answer escape) override;
    ui::Answer askOrCancel(std::string_view caption, std::string_view text,
                           std::string_view first, std::string_view second,
                           std::string_view cancel) override;
    // The system's save dialog in the folder asked for (the user's documents folder when it is
    // not there) with the proposed name; a name typed without the extension gets it.
    std::optional<std::filesystem::path> askSavePath(const ui::SaveRequest& request) override;
    std::optional<std::filesystem::path> askOpenPath(const ui::SaveRequest& request) override;
    std::optional<std::filesystem::path> askFolder(std::string_view caption,
                                                   const std::filesystem::path& start) override;
    bool writeEditableDocument(const ui::FlowDocument& document, const std::filesystem::path& path,
                               std::string& error) override;
    void quit() override;

    // Test seams: the click pause, the message boxes and questions, the save dialog and the
    // About box.
    void setPauseFunction(std::function<void(int)> pause) { pauseFunction_ = std::move(pause); }
    void setDialogFunction(std::function<int(const DialogRequest&)> f) { dialog_ = std::move(f); }
    // Given the dialog's caption, the proposed path and the filter's file type, returns the
    // chosen path, or an empty one for a cancelled dialog.
    void setSaveDialogFunction(
        std::function<std::wstring(const std::wstring&, const std::wstring&, const std::wstring&)>
            f) {
        saveDialog_ = std::move(f);
    }
    void setAboutFunction(std::function<void()> f) { about_ = std::move(f); }
    // A line the About box adds under its own text (where the examinee files are kept).
    void setAboutDetails(std::wstring details) { aboutDetails_ = std::move(details); }

    // Covers the monitor the window is on and shows it; the first paint composes.
    void showOnWholeScreen();
    // Places the window at `area` of the screen (tests show the frame at other scales).
    void showAt(RECT area);
    // The message loop, until the program ends; returns its exit code.
    int run();
    // Handles the messages already queued as the loop does; false once the program ends.
    bool processQueued();

    HWND handle() const { return window_handle_; }
    const FrameMapping& mapping() const { return mapping_; }
    const ui::GdiSurface& windowImage() const { return window_; }
    bool composedOnce() const { return !repaintNeeded_; }
    Win32PrintTarget& win32Printer() { return printer_; }
    // Handles one message as the window procedure would (tests drive it directly).
    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

  private:
    static LRESULT CALLBACK windowProc(HWND, UINT, WPARAM, LPARAM);
    void paintOn(HDC dc);
    void updateMapping();
    void showAbout();
    int dialog(const DialogRequest& request);

    DataPaths& paths_;
    HWND window_handle_ = nullptr;
    HACCEL accelerators_ = nullptr;
    Win32ImageSource images_;
    std::array<std::unique_ptr<ui::GdiSurface>, 3> buffers_;
    ui::GdiSurface window_;
    std::array<std::unique_ptr<Win32TextControl>, ui::kControlCount> controls_;
    std::array<std::unique_ptr<Win32CheckBox>, 2> checkBoxes_;
    Win32PrintTarget printer_;
    Win32Settings settings_;
    FrameMapping mapping_;
    bool repaintNeeded_ = true;
    bool quitting_ = false;
    int exitCode_ = 0;
    HWND focusBeforeDeactivation_ = nullptr;
    std::function<void(int)> pauseFunction_;
    std::function<int(const DialogRequest&)> dialog_;
    std::function<std::wstring(const std::wstring&, const std::wstring&, const std::wstring&)>
        saveDialog_;
    std::function<void()> about_;
    std::wstring aboutDetails_;
};

}  // namespace lun4::platform
