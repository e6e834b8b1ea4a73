#include "platform/win32/program_dialog.h"

#include <algorithm>

#include "platform/win32/resources.h"
#include "ui/gdi/gdi_fonts.h"

namespace lun4::platform {
namespace {

constexpr COLORREF kInk = RGB(33, 45, 54);
constexpr COLORREF kBorder = RGB(150, 164, 176);
constexpr COLORREF kAccent = RGB(38, 112, 122);
constexpr COLORREF kAccentEdge = RGB(27, 84, 92);
constexpr COLORREF kSlate = RGB(92, 108, 122);
constexpr COLORREF kSlateEdge = RGB(71, 83, 94);
constexpr COLORREF kTint = RGB(223, 237, 239);

constexpr int kMargin = 20;
constexpr int kBadge = 44;
constexpr int kTextWidth = 460;
constexpr int kButtonHeight = 34;
constexpr int kButtonGap = 8;
constexpr int kFirstButtonId = 100;

HFONT headingFont() {
    static HFONT font = [] {
        LOGFONTW logical = ui::gdiLogFont(ui::FontId::Title);
        logical.lfHeight = -19;
        logical.lfWeight = FW_BOLD;
        return ::CreateFontIndirectW(&logical);
    }();
    return font;
}

struct Dialog {
    const DialogRequest* request = nullptr;
    HWND window = nullptr;
    std::vector<HWND> buttons;
    RECT captionRect{};
    RECT textRect{};
    int answer = -1;
    bool done = false;
};

SIZE textSize(HFONT font, const std::wstring& text, int width, UINT format) {
    HDC dc = ::CreateCompatibleDC(nullptr);
    const HGDIOBJ old = ::SelectObject(dc, font);
    RECT r{0, 0, width, 0};
    ::DrawTextW(dc, text.c_str(), -1, &r, format | DT_CALCRECT | DT_NOPREFIX);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return {r.right - r.left, r.bottom - r.top};
}

void drawButton(const DRAWITEMSTRUCT& item, const std::wstring& label, bool first) {
    HDC dc = item.hDC;
    const RECT& r = item.rcItem;
    const bool pressed = item.itemState & ODS_SELECTED;
    COLORREF fill = first ? kAccent : kSlate;
    if (pressed) fill = first ? kAccentEdge : kSlateEdge;
    ::FillRect(dc, &r, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    HBRUSH brush = ::CreateSolidBrush(fill);
    // The focused answer (the one Enter takes) gets a second, darker ring.
    HPEN pen = ::CreatePen(PS_SOLID, (item.itemState & ODS_FOCUS) ? 2 : 1,
                           first ? kAccentEdge : kSlateEdge);
    const HGDIOBJ oldBrush = ::SelectObject(dc, brush);
    const HGDIOBJ oldPen = ::SelectObject(dc, pen);
    ::RoundRect(dc, r.left, r.top, r.right, r.bottom, 12, 12);
    ::SelectObject(dc, oldPen);
    ::SelectObject(dc, oldBrush);
    ::DeleteObject(pen);
    ::DeleteObject(brush);
    const HGDIOBJ oldFont = ::SelectObject(dc, ui::gdiFont(ui::FontId::Form));
    ::SetTextColor(dc, RGB(255, 255, 255));
    ::SetBkMode(dc, TRANSPARENT);
    RECT text = r;
    ::DrawTextW(dc, label.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    ::SelectObject(dc, oldFont);
}

void paintDialog(Dialog& d, HDC dc) {
    RECT r;
    ::GetClientRect(d.window, &r);
    HBRUSH border = ::CreateSolidBrush(kBorder);
    ::FillRect(dc, &r, border);
    ::DeleteObject(border);
    RECT inside{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
    ::FillRect(dc, &inside, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, kInk);
    if (d.request->question) {
        HBRUSH tint = ::CreateSolidBrush(kTint);
        const HGDIOBJ oldBrush = ::SelectObject(dc, tint);
        const HGDIOBJ oldPen = ::SelectObject(dc, ::GetStockObject(NULL_PEN));
        ::Ellipse(dc, kMargin, kMargin, kMargin + kBadge + 1, kMargin + kBadge + 1);
        ::SelectObject(dc, oldPen);
        ::SelectObject(dc, oldBrush);
        ::DeleteObject(tint);
        LOGFONTW logical = ui::gdiLogFont(ui::FontId::Title);
        logical.lfHeight = -26;
        logical.lfWeight = FW_BOLD;
        HFONT mark = ::CreateFontIndirectW(&logical);
        const HGDIOBJ oldFont = ::SelectObject(dc, mark);
        ::SetTextColor(dc, kAccent);
        RECT badge{kMargin, kMargin, kMargin + kBadge, kMargin + kBadge};
        ::DrawTextW(dc, L"?", 1, &badge, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
        ::SelectObject(dc, oldFont);
        ::DeleteObject(mark);
        ::SetTextColor(dc, kInk);
    }
    HGDIOBJ oldFont = ::SelectObject(dc, headingFont());
    ::DrawTextW(dc, d.request->caption.c_str(), -1, &d.captionRect, DT_WORDBREAK | DT_NOPREFIX);
    ::SelectObject(dc, ui::gdiFont(ui::FontId::Edit));
    ::DrawTextW(dc, d.request->text.c_str(), -1, &d.textRect, DT_WORDBREAK | DT_NOPREFIX);
    ::SelectObject(dc, oldFont);
}

void choose(Dialog& d, int answer) {
    d.answer = answer;
    d.done = true;
}

LRESULT CALLBACK dialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* d = reinterpret_cast<Dialog*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    switch (message) {
        case WM_NCCREATE: {
            auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
            ::SetWindowLongPtrW(window, GWLP_USERDATA,
                                reinterpret_cast<LONG_PTR>(create->lpCreateParams));
            break;
        }
        case WM_PAINT:
            if (d) {
                PAINTSTRUCT ps;
                HDC dc = ::BeginPaint(window, &ps);
                paintDialog(*d, dc);
                ::EndPaint(window, &ps);
                return 0;
            }
            break;
        case WM_DRAWITEM:
            if (d) {
                const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
                const int index = static_cast<int>(item->CtlID) - kFirstButtonId;
                if (index >= 0 && index < static_cast<int>(d->request->answers.size())) {
                    drawButton(*item, d->request->answers[index], index == 0);
                    return TRUE;
                }
            }
            break;
        case WM_COMMAND:
            if (d && HIWORD(wParam) == BN_CLICKED) {
                const int index = LOWORD(wParam) - kFirstButtonId;
                if (index >= 0 && index < static_cast<int>(d->buttons.size())) choose(*d, index);
                return 0;
            }
            break;
        case WM_CLOSE:
            // The box's system close is Escape's answer; a question without one stays.
            if (d && d->request->escapeAnswer >= 0) choose(*d, d->request->escapeAnswer);
            return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// Keys of the box: Enter takes the focused answer, Escape its own, Tab and the arrows move
// between the answers. True when the key was the box's.
bool dialogKey(Dialog& d, const MSG& msg) {
    if (msg.message != WM_KEYDOWN) return false;
    const auto focused = std::find(d.buttons.begin(), d.buttons.end(), ::GetFocus());
    const int at = focused == d.buttons.end() ? 0 : static_cast<int>(focused - d.buttons.begin());
    const int count = static_cast<int>(d.buttons.size());
    switch (msg.wParam) {
        case VK_RETURN:
            choose(d, at);
            return true;
        case VK_ESCAPE:
            if (d.request->escapeAnswer >= 0) choose(d, d.request->escapeAnswer);
            return true;
        case VK_TAB:
        case VK_RIGHT:
        case VK_LEFT: {
            const bool back = msg.wParam == VK_LEFT || (::GetKeyState(VK_SHIFT) & 0x8000);
            ::SetFocus(d.buttons[(at + (back ? count - 1 : 1)) % count]);
            return true;
        }
    }
    return false;
}

}  // namespace

int showProgramDialog(HWND owner, const DialogRequest& request) {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = dialogProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"LUN4_DIALOG";
        return ::RegisterClassW(&wc) != 0;
    }();
    (void)registered;

    Dialog d;
    d.request = &request;
    const int textLeft = kMargin + (request.question ? kBadge + 16 : 0);
    const SIZE caption = textSize(headingFont(), request.caption, kTextWidth, DT_WORDBREAK);
    const SIZE text = textSize(ui::gdiFont(ui::FontId::Edit), request.text, kTextWidth,
                               DT_WORDBREAK);
    d.captionRect = {textLeft, kMargin, textLeft + kTextWidth, kMargin + caption.cy};
    const int textTop = d.captionRect.bottom + (request.caption.empty() ? 0 : 10);
    d.textRect = {textLeft, textTop, textLeft + kTextWidth, textTop + text.cy};
    std::vector<int> widths;
    int row = 0;
    for (const std::wstring& answer : request.answers) {
        const SIZE s = textSize(ui::gdiFont(ui::FontId::Form), answer, 1000, DT_SINGLELINE);
        widths.push_back(std::max<int>(90, s.cx + 28));
        row += widths.back() + (row ? kButtonGap : 0);
    }
    const int width = std::max(textLeft + kTextWidth, kMargin + row) + kMargin;
    const int buttonsTop =
        std::max<int>(d.textRect.bottom, request.question ? kMargin + kBadge : 0) + 18;
    const int height = buttonsTop + kButtonHeight + kMargin;

    // Centred on the owner's screen (the program covers it).
    HMONITOR monitor = ::MonitorFromWindow(owner, MONITOR_DEFAULTTOPRIMARY);
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoW(monitor, &info);
    const RECT& screen = info.rcMonitor;
    const int x = screen.left + (screen.right - screen.left - width) / 2;
    const int y = screen.top + (screen.bottom - screen.top - height) / 2;
    d.window = ::CreateWindowExW(0, L"LUN4_DIALOG", request.caption.c_str(),
                                 WS_POPUP, x, y, width, height, owner, nullptr,
                                 ::GetModuleHandleW(nullptr), &d);
    int left = width - kMargin - row;
    for (size_t i = 0; i < request.answers.size(); ++i) {
        d.buttons.push_back(::CreateWindowExW(
            0, L"BUTTON", request.answers[i].c_str(),
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW, left, buttonsTop, widths[i],
            kButtonHeight, d.window, reinterpret_cast<HMENU>(kFirstButtonId + i),
            ::GetModuleHandleW(nullptr), nullptr));
        left += widths[i] + kButtonGap;
    }

    const bool ownerEnabled = owner && ::IsWindowEnabled(owner);
    if (ownerEnabled) ::EnableWindow(owner, FALSE);
    ::ShowWindow(d.window, SW_SHOW);
    ::SetForegroundWindow(d.window);
    if (!d.buttons.empty()) ::SetFocus(d.buttons.front());
    MSG msg;
    bool quit = false;
    while (!d.done) {
        if (::GetMessageW(&msg, nullptr, 0, 0) <= 0) {
            quit = true;
            break;
        }
        if (dialogKey(d, msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    if (ownerEnabled) ::EnableWindow(owner, TRUE);
    ::DestroyWindow(d.window);
    if (owner) ::SetActiveWindow(owner);
    // The quit message belongs to the program's own loop.
    if (quit) ::PostQuitMessage(static_cast<int>(msg.wParam));
    if (d.answer < 0) d.answer = request.escapeAnswer >= 0 ? request.escapeAnswer : 0;
    return d.answer;
}

namespace {

INT_PTR CALLBACK aboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG: {
            const auto* details = reinterpret_cast<const std::wstring*>(lParam);
            if (details == nullptr || details->empty()) return TRUE;
            // The box grows by a few lines for the text under its own.
            RECT text{49, 24, 49 + 176, 24 + 40};
            ::MapDialogRect(dialog, &text);
            RECT grow{0, 0, 0, 44};
            ::MapDialogRect(dialog, &grow);
            RECT box{};
            ::GetWindowRect(dialog, &box);
            ::SetWindowPos(dialog, nullptr, 0, 0, box.right - box.left,
                           box.bottom - box.top + grow.bottom, SWP_NOMOVE | SWP_NOZORDER);
            HWND label = ::CreateWindowExW(0, L"STATIC", details->c_str(),
                                           WS_CHILD | WS_VISIBLE | SS_NOPREFIX | SS_EDITCONTROL,
                                           text.left, text.top, text.right - text.left,
                                           text.bottom - text.top, dialog, nullptr,
                                           ::GetModuleHandleW(nullptr), nullptr);
            ::SendMessageW(label, WM_SETFONT, ::SendMessageW(dialog, WM_GETFONT, 0, 0), TRUE);
            return TRUE;
        }
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                ::EndDialog(dialog, LOWORD(wParam));
                return TRUE;
            }
            break;
    }
    return FALSE;
}

}  // namespace

void showAboutBox(HWND owner, const std::wstring& details) {
    ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kAboutDialog), owner,
                      aboutProc, reinterpret_cast<LPARAM>(&details));
}

}  // namespace lun4::platform
