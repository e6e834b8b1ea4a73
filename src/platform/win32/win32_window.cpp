#include "platform/win32/win32_window.h"

#include <commdlg.h>
#include <shlobj.h>
#include <windowsx.h>

#include <cwctype>
#include <utility>

#include "files/file_system.h"
#include "platform/odt_writer.h"
#include "platform/state_folder.h"
#include "platform/win32/resources.h"
#include "platform/win32/win32_keys.h"
#include "platform/win32/wide_text.h"

namespace lun4::platform {
namespace {

constexpr wchar_t kClassName[] = L"LUN4_TORVA";
constexpr wchar_t kTitle[] = L"LUN4_TORVA";
// The check boxes' commands: 120 the male box, 121 the female one.
constexpr int kFirstCheckBoxCommand = 120;
// Posted to run the first-frame handler from the loop, after the first frame is shown.
constexpr UINT kFirstFrameMessage = WM_APP + 1;

void registerClass(HINSTANCE instance, WNDPROC procedure) {
    static const bool registered = [instance, procedure] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
        wc.lpfnWndProc = procedure;
        wc.hInstance = instance;
        wc.hIcon = static_cast<HICON>(
            ::LoadImageW(instance, MAKEINTRESOURCEW(kIcon), IMAGE_ICON, 32, 32, 0));
        wc.hIconSm = static_cast<HICON>(
            ::LoadImageW(instance, MAKEINTRESOURCEW(kIcon), IMAGE_ICON, 16, 16, 0));
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        // The margins around a scaled frame are black.
        wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH));
        wc.lpszClassName = kClassName;
        return ::RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}

bool endsWithIgnoringCase(const std::wstring& text, const std::wstring& end) {
    if (end.size() > text.size()) return false;
    for (size_t i = 0; i < end.size(); ++i) {
        if (std::towlower(text[text.size() - end.size() + i]) != std::towlower(end[i])) return false;
    }
    return true;
}

}  // namespace

Win32Window::Win32Window(DataPaths& paths)
    : paths_(paths), images_(paths, displayDepth()) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    registerClass(instance, windowProc);
    buffers_[0] = std::make_unique<ui::GdiSurface>();
    buffers_[0]->setBackgroundMode(ui::BackgroundMode::Transparent);
    window_.setBackgroundMode(ui::BackgroundMode::Transparent);
    // A popup only: no caption, border or menu.
    window_handle_ = ::CreateWindowExW(0, kClassName, kTitle, WS_POPUP | WS_CLIPCHILDREN, 0, 0,
                                       ui::kFrameWidth, ui::kFrameHeight, nullptr, nullptr,
                                       instance, this);
    printer_.setOwner(window_handle_);
    // Alt+"?" and Alt+"/", as characters (whatever keys give them), open the About box.
    ACCEL about[] = {{FALT, '?', kAboutCommand}, {FALT, '/', kAboutCommand}};
    accelerators_ = ::CreateAcceleratorTableW(about, 2);
    updateMapping();
}

Win32Window::~Win32Window() {
    for (auto& c : controls_) c.reset();
    for (auto& c : checkBoxes_) c.reset();
    if (::IsWindow(window_handle_)) {
        ::SetWindowLongPtrW(window_handle_, GWLP_USERDATA, 0);
        ::DestroyWindow(window_handle_);
    }
    if (accelerators_) ::DestroyAcceleratorTable(accelerators_);
}

ui::Surface& Win32Window::backBuffer(int index) {
    auto& buffer = buffers_[index];
    if (!buffer) buffer = std::make_unique<ui::GdiSurface>();
    return *buffer;
}

ui::TextControl& Win32Window::control(ui::ControlId id) {
    auto& slot = controls_[static_cast<int>(id)];
    if (!slot) {
        slot = std::make_unique<Win32TextControl>(window_handle_, ui::controlLayout(id));
        slot->place(mapping_);
    }
    return *slot;
}

ui::CheckBox& Win32Window::checkBox(ui::CheckBoxId id) {
    const int index = static_cast<int>(id);
    auto& slot = checkBoxes_[index];
    if (!slot) {
        slot = std::make_unique<Win32CheckBox>(window_handle_, ui::checkBoxLayout(id),
                                               kFirstCheckBoxCommand + index);
        slot->place(mapping_);
    }
    return *slot;
}

void Win32Window::showOnWholeScreen() {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoW(::MonitorFromWindow(window_handle_, MONITOR_DEFAULTTOPRIMARY), &info);
    showAt(info.rcMonitor);
}

void Win32Window::showAt(RECT area) {
    ::SetWindowPos(window_handle_, HWND_TOP, area.left, area.top, area.right - area.left,
                   area.bottom - area.top, SWP_SHOWWINDOW);
    ::SetForegroundWindow(window_handle_);
    ::UpdateWindow(window_handle_);
}

void Win32Window::updateMapping() {
    RECT client;
    ::GetClientRect(window_handle_, &client);
    mapping_ = fitFrame(client.right - client.left, client.bottom - client.top);
    for (auto& control : controls_) {
        if (control) control->place(mapping_);
    }
    for (auto& box : checkBoxes_) {
        if (box) box->place(mapping_);
    }
}

void Win32Window::paintOn(HDC dc) {
    RECT client;
    ::GetClientRect(window_handle_, &client);
    const ui::Rect frame = toWindow(mapping_, {0, 0, ui::kFrameWidth, ui::kFrameHeight});
    // The margins, where the frame does not cover the window.
    const RECT margins[] = {{client.left, client.top, client.right, frame.top},
                            {client.left, frame.bottom, client.right, client.bottom},
                            {client.left, frame.top, frame.left, frame.bottom},
                            {frame.right, frame.top, client.right, frame.bottom}};
    for (const RECT& r : margins) {
        if (r.right > r.left && r.bottom > r.top) {
            ::FillRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
        }
    }
    if (mapping_.scale == 1.0) {
        ::BitBlt(dc, frame.left, frame.top, ui::kFrameWidth, ui::kFrameHeight, window_.dc(), 0, 0,
                 SRCCOPY);
    } else {
        ::SetStretchBltMode(dc, HALFTONE);
        ::SetBrushOrgEx(dc, 0, 0, nullptr);
        ::StretchBlt(dc, frame.left, frame.top, frame.width(), frame.height(), window_.dc(), 0, 0,
                     ui::kFrameWidth, ui::kFrameHeight, SRCCOPY);
    }
}

void Win32Window::present() {
    window_.copyWhole(*buffers_[0]);
    showWindowSurface();
}

void Win32Window::showWindowSurface() {
    // Drawn at once, not at the next paint: the pressed image must be on screen during the
    // click pause, which handles no messages.
    HDC dc = ::GetDC(window_handle_);
    paintOn(dc);
    ::ReleaseDC(window_handle_, dc);
    ::GdiFlush();
}

void Win32Window::pause(int ms) {
    if (pauseFunction_) {
        pauseFunction_(ms);
        return;
    }
    showWindowSurface();
    // Mouse and keyboard input arriving meanwhile stays queued for afterwards.
    ::Sleep(static_cast<DWORD>(ms));
}

int Win32Window::dialog(const DialogRequest& request) {
    if (dialog_) return dialog_(request);
    const int answer = showProgramDialog(window_handle_, request);
    // The frame under the box is shown again as it was.
    ::InvalidateRect(window_handle_, nullptr, FALSE);
    return answer;
}

void Win32Window::showMessage(std::string_view caption, std::string_view text) {
    dialog({fromCp1250(caption), fromCp1250(text), {L"OK"}, 0, false});
}

bool Win32Window::ask(std::string_view caption, std::string_view text, std::string_view first,
                      std::string_view second, ui::Answer escape) {
    // Escape and the box's own close give the answer that changes nothing.
    return dialog({fromCp1250(caption), fromCp1250(text), {fromCp1250(first), fromCp1250(second)},
                   escape == ui::Answer::Second ? 1 : 0, true}) == 0;
}

ui::Answer Win32Window::askOrCancel(std::string_view caption, std::string_view text,
                                    std::string_view first, std::string_view second,
                                    std::string_view cancel) {
    // Escape and the box's own close take the way back.
    const int answer = dialog({fromCp1250(caption), fromCp1250(text),
                               {fromCp1250(first), fromCp1250(second), fromCp1250(cancel)}, 2,
                               true});
    return answer == 0 ? ui::Answer::First : answer == 1 ? ui::Answer::Second : ui::Answer::Cancel;
}

std::optional<std::filesystem::path> Win32Window::askSavePath(const ui::SaveRequest& request) {
    const std::wstring caption = fromCp1250(request.caption);
    const std::wstring extension = fromUtf8(request.extension);
    const std::wstring type = fromCp1250(request.fileType);
    std::error_code ec;
    std::wstring folder = std::filesystem::is_directory(request.folder, ec)
                              ? request.folder.wstring()
                              : documentsFolder().wstring();
    const std::wstring proposed =
        (std::filesystem::path(folder) / fromCp1250(request.proposedName)).wstring();
    std::wstring chosen;
    if (saveDialog_) {
        chosen = saveDialog_(caption, proposed, type);
    } else {
        // "type (*.ext)\0*.ext\0\0"
        std::wstring filter = type + L" (*." + extension + L")" + L'\0' + L"*." + extension + L'\0';
        std::wstring file = fromCp1250(request.proposedName);
        file.resize(std::max<size_t>(file.size() + 1, 32768), L'\0');
        OPENFILENAMEW ofn{};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = window_handle_;
        ofn.lpstrFilter = filter.c_str();
        ofn.lpstrFile = file.data();
        ofn.nMaxFile = static_cast<DWORD>(file.size());
        ofn.lpstrInitialDir = folder.c_str();
        ofn.lpstrTitle = caption.c_str();
        ofn.lpstrDefExt = extension.c_str();
        ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
        if (::GetSaveFileNameW(&ofn)) chosen = file.c_str();
        ::InvalidateRect(window_handle_, nullptr, FALSE);
    }
    if (chosen.empty()) return std::nullopt;
    if (!extension.empty() && !endsWithIgnoringCase(chosen, L"." + extension)) {
        chosen += L"." + extension;
    }
    return std::filesystem::path(chosen);
}

namespace {

// The folder dialog starts in the folder it was given.
int CALLBACK folderDialogStarted(HWND dialog, UINT message, LPARAM, LPARAM start) {
    if (message == BFFM_INITIALIZED && start != 0) {
        ::SendMessageW(dialog, BFFM_SETSELECTIONW, TRUE, start);
    }
    return 0;
}

}  // namespace

std::optional<std::filesystem::path> Win32Window::askOpenPath(const ui::SaveRequest& request) {
    const std::wstring caption = fromCp1250(request.caption);
    const std::wstring extension = fromUtf8(request.extension);
    const std::wstring type = fromCp1250(request.fileType);
    std::error_code ec;
    const std::wstring folder = std::filesystem::is_directory(request.folder, ec)
                                    ? request.folder.wstring()
                                    : documentsFolder().wstring();
    std::wstring filter = type + L" (*." + extension + L")" + L'\0' + L"*." + extension + L'\0';
    std::wstring file(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = window_handle_;
    ofn.lpstrFilter = filter.c_str();
    ofn.lpstrFile = file.data();
    ofn.nMaxFile = static_cast<DWORD>(file.size());
    ofn.lpstrInitialDir = folder.c_str();
    ofn.lpstrTitle = caption.c_str();
    ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
    const bool chosen = ::GetOpenFileNameW(&ofn);
    ::InvalidateRect(window_handle_, nullptr, FALSE);
    if (!chosen) return std::nullopt;
    return std::filesystem::path(file.c_str());
}

std::optional<std::filesystem::path> Win32Window::askFolder(std::string_view caption,
                                                          const std::filesystem::path& start) {
    const std::wstring title = fromCp1250(caption);
    std::error_code ec;
    const std::wstring folder =
        std::filesystem::is_directory(start, ec) ? start.wstring() : documentsFolder().wstring();
    // The dialog of the new style needs COM on this thread.
    const HRESULT com = ::CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    BROWSEINFOW info{};
    info.hwndOwner = window_handle_;
    info.lpszTitle = title.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.lpfn = folderDialogStarted;
    info.lParam = reinterpret_cast<LPARAM>(folder.c_str());
    std::optional<std::filesystem::path> chosen;
    if (PIDLIST_ABSOLUTE list = ::SHBrowseForFolderW(&info)) {
        std::wstring path(32768, L'\0');
        if (::SHGetPathFromIDListEx(list, path.data(), static_cast<DWORD>(path.size()), GPFIDL_DEFAULT)) {
            chosen = std::filesystem::path(path.c_str());
        }
        ::CoTaskMemFree(list);
    }
    if (SUCCEEDED(com)) ::CoUninitialize();
    ::InvalidateRect(window_handle_, nullptr, FALSE);
    return chosen;
}

bool Win32Window::writeEditableDocument(const ui::FlowDocument& document,
                                        const std::filesystem::path& path, std::string& error) {
    return writeOdt(document, path, paths_, systemFileSystem(), error);
}

void Win32Window::quit() {
    quitting_ = true;
    ::PostQuitMessage(0);
}

void Win32Window::showAbout() {
    if (about_) {
        about_();
        return;
    }
    showAboutBox(window_handle_, aboutDetails_);
}

bool Win32Window::processQueued() {
    MSG msg{};
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            exitCode_ = static_cast<int>(msg.wParam);
            return false;
        }
        // The accelerators answer in the program's window and in its boxes alike.
        if (::TranslateAcceleratorW(window_handle_, accelerators_, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return true;
}

int Win32Window::run() {
    while (processQueued()) {
        // Idle: decode a page the next screen is likely to show.
        if (!images_.decodeAhead()) ::WaitMessage();
    }
    return exitCode_;
}

LRESULT CALLBACK Win32Window::windowProc(HWND window, UINT message, WPARAM wParam,
                                         LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
        auto* self = static_cast<Win32Window*>(create->lpCreateParams);
        self->window_handle_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    auto* self = reinterpret_cast<Win32Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
    return self->handleMessage(message, wParam, lParam);
}

LRESULT Win32Window::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = ::BeginPaint(window_handle_, &ps);
            if (repaintNeeded_) {
                // Only the very first paint composes; later ones show what the window holds.
                repaintNeeded_ = false;
                if (compose_) compose_();
                if (firstFrame_) ::PostMessageW(window_handle_, kFirstFrameMessage, 0, 0);
            }
            paintOn(dc);
            ::EndPaint(window_handle_, &ps);
            return 0;
        }
        case kFirstFrameMessage:
            if (auto handler = std::exchange(firstFrame_, nullptr)) handler();
            return 0;
        case WM_ERASEBKGND:
            return 1;  // the paint covers everything
        case WM_SIZE:
            updateMapping();
            return 0;
        case WM_MOUSEMOVE: {
            const ui::Point p = toFrame(mapping_, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            if (moved_) moved_(p.x, p.y);
            return 0;
        }
        case WM_LBUTTONDOWN: {
            const ui::Point p = toFrame(mapping_, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            if (pressed_) pressed_(p.x, p.y);
            return 0;
        }
        case WM_LBUTTONDBLCLK: {
            // The second press of a double click; without a handler a press like the first.
            const ui::Point p = toFrame(mapping_, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
            if (doubleClicked_) {
                doubleClicked_(p.x, p.y);
            } else if (pressed_) {
                pressed_(p.x, p.y);
            }
            return 0;
        }
        case WM_KEYDOWN:
            // The screens' keys; a box over the frame sends here only those that answer a
            // screen (see Win32TextControl). Characters reach a focused box on their own.
            if (key_) {
                const ui::KeyPress press =
                    translateKey(wParam, currentModifiers(), (lParam & 0x40000000) != 0);
                if (press.key != ui::Key::None) key_(press);
            }
            return 0;
        case WM_COMMAND:
            if (LOWORD(wParam) == kAboutCommand && lParam == 0) {
                showAbout();
                return 0;
            }
            if (Win32TextControl::handleCommand(wParam, lParam)) return 0;
            for (auto& box : checkBoxes_) {
                if (box && box->command(wParam)) return 0;
            }
            break;
        case WM_ACTIVATE:
            // The keyboard goes back to the box it was in when the window is active again
            // (after a message box, or another program).
            if (LOWORD(wParam) == WA_INACTIVE) {
                focusBeforeDeactivation_ = ::GetFocus();
            } else if (focusBeforeDeactivation_ && ::IsWindowVisible(focusBeforeDeactivation_) &&
                       ::IsChild(window_handle_, focusBeforeDeactivation_)) {
                ::SetFocus(focusBeforeDeactivation_);
                return 0;
            }
            break;
        case WM_CLOSE:
            if (quitting_ || !close_) {
                ::DestroyWindow(window_handle_);
            } else {
                close_();
            }
            return 0;
        case WM_DESTROY:
            ::SetWindowLongPtrW(window_handle_, GWLP_USERDATA, 0);
            ::PostQuitMessage(0);
            return 0;
    }
    return ::DefWindowProcW(window_handle_, message, wParam, lParam);
}

}  // namespace lun4::platform
