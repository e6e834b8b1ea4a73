#pragma once
// A plain top-level window to put controls on, which hands its WM_COMMAND messages to them
// as the program's window does.

#include <windows.h>

#include "platform/win32/win32_controls.h"

namespace lun4::platform::testing {

class TestWindow {
  public:
    static TestWindow& shared() {
        static TestWindow window;
        return window;
    }
    TestWindow() {
        static const bool registered = [] {
            WNDCLASSW wc{};
            wc.lpfnWndProc = proc;
            wc.hInstance = ::GetModuleHandleW(nullptr);
            wc.lpszClassName = L"LUN4_TEST";
            return ::RegisterClassW(&wc) != 0;
        }();
        (void)registered;
        window_ = ::CreateWindowExW(0, L"LUN4_TEST", L"", WS_POPUP | WS_VISIBLE, 0, 0, 1500, 1100,
                                    nullptr, nullptr, ::GetModuleHandleW(nullptr), nullptr);
        ::SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~TestWindow() { ::DestroyWindow(window_); }
    HWND handle() const { return window_; }
    void setCheckBox(Win32CheckBox* box) { box_ = box; }

  private:
    static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<TestWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_COMMAND && self) {
            if (Win32TextControl::handleCommand(wParam, lParam)) return 0;
            if (self->box_ && self->box_->command(wParam)) return 0;
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    Win32CheckBox* box_ = nullptr;
};

}  // namespace lun4::platform::testing
