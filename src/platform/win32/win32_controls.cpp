#include "platform/win32/win32_controls.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "model/cp1250.h"
#include "platform/win32/wide_text.h"
#include "ui/gdi/gdi_fonts.h"
#include "ui/text_wrap.h"
#include "ui/typed_text.h"

namespace lun4::platform {
namespace {

constexpr UINT_PTR kSubclassId = 1;
constexpr COLORREF kInk = RGB(33, 45, 54);
constexpr COLORREF kInkSoft = RGB(88, 102, 113);
constexpr COLORREF kAccent = RGB(38, 112, 122);
// How long the note under a box stays, in milliseconds.
constexpr UINT kNoteShown = 5000;

std::wstring windowText(HWND window) {
    std::wstring text(static_cast<size_t>(::GetWindowTextLengthW(window)), L'\0');
    if (!text.empty()) {
        const int n = ::GetWindowTextW(window, text.data(), static_cast<int>(text.size()) + 1);
        text.resize(static_cast<size_t>(std::max(n, 0)));
    }
    return text;
}

// "\n" line breaks (the filtered input's) as the EDIT control keeps them: "\r\n".
std::wstring withCrLf(std::u16string_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (const char16_t c : text) {
        if (c == u'\n') out += L'\r';
        out += static_cast<wchar_t>(c);
    }
    return out;
}

// The font a box shows its text in on a frame drawn at `scale`. Font sizes come in whole
// pixels, so no font wraps exactly as the frame's does at every scale; this is the largest
// whose every character is no wider, and whose lines are no taller, than the frame font's
// scaled. What the box holds in the frame is then on the screen whole, without scrolling.
HFONT screenFont(ui::FontId id, double scale) {
    if (scale == 1.0) return ui::gdiFont(id);
    static std::map<std::pair<int, double>, HFONT> made;
    const auto key = std::make_pair(static_cast<int>(id), scale);
    if (const auto found = made.find(key); found != made.end()) return found->second;

    HDC dc = ::CreateCompatibleDC(nullptr);
    const auto measure = [&](HFONT font, std::vector<INT>& widths, LONG& height) {
        const HGDIOBJ old = ::SelectObject(dc, font);
        widths.assign(256, 0);
        ::GetCharWidth32W(dc, 0, 255, widths.data());
        // The cp1250 letters above 0xFF (Polish ones among them).
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            if (const auto c = cp1250::toUnicode(static_cast<unsigned char>(byte)); c && *c > 0xFF) {
                INT w = 0;
                ::GetCharWidth32W(dc, *c, *c, &w);
                widths.push_back(w);
            }
        }
        TEXTMETRICW metrics{};
        ::GetTextMetricsW(dc, &metrics);
        height = metrics.tmHeight;
        ::SelectObject(dc, old);
    };
    std::vector<INT> frameWidths;
    LONG frameHeight = 0;
    measure(ui::gdiFont(id), frameWidths, frameHeight);
    LOGFONTW logical = ui::gdiLogFont(id);
    const LONG frameCell = std::abs(logical.lfHeight);
    HFONT font = nullptr;
    for (LONG pixels = std::max(1L, static_cast<LONG>(std::floor(frameCell * scale))); pixels >= 1;
         --pixels) {
        logical.lfHeight = logical.lfHeight < 0 ? -pixels : pixels;
        if (font) ::DeleteObject(font);
        font = ::CreateFontIndirectW(&logical);
        std::vector<INT> widths;
        LONG height = 0;
        measure(font, widths, height);
        bool fits = height <= frameHeight * scale;
        for (size_t i = 0; fits && i < widths.size(); ++i) {
            fits = widths[i] <= frameWidths[i] * scale;
        }
        if (fits) break;
    }
    ::DeleteDC(dc);
    made.emplace(key, font);
    return font;
}

// The one note window, shown under the box that refused characters.
class NoteWindow {
  public:
    static NoteWindow& instance() {
        static NoteWindow note;
        return note;
    }
    void show(HWND box, const std::wstring& text) {
        if (!window_) create();
        text_ = text;
        HDC dc = ::GetDC(window_);
        const HGDIOBJ old = ::SelectObject(dc, ui::gdiFont(ui::FontId::Edit));
        RECT r{0, 0, 600, 0};
        ::DrawTextW(dc, text_.c_str(), -1, &r, DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX);
        ::SelectObject(dc, old);
        ::ReleaseDC(window_, dc);
        RECT boxRect;
        ::GetWindowRect(box, &boxRect);
        ::SetWindowPos(window_, HWND_TOPMOST, boxRect.left, boxRect.bottom + 2, r.right + 2 * kPad,
                       r.bottom + 2 * kPad, SWP_NOACTIVATE | SWP_SHOWWINDOW);
        ::InvalidateRect(window_, nullptr, TRUE);
        ::SetTimer(window_, 1, kNoteShown, nullptr);
    }

  private:
    static constexpr int kPad = 5;

    void create() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"LUN4_NOTE";
        ::RegisterClassW(&wc);
        window_ = ::CreateWindowExW(WS_EX_TOOLWINDOW | WS_EX_TOPMOST | WS_EX_NOACTIVATE,
                                    L"LUN4_NOTE", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    wc.hInstance, nullptr);
    }
    static LRESULT CALLBACK proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        NoteWindow& self = instance();
        switch (message) {
            case WM_TIMER:
                ::KillTimer(window, 1);
                ::ShowWindow(window, SW_HIDE);
                return 0;
            case WM_MOUSEACTIVATE:
                return MA_NOACTIVATE;
            case WM_PAINT: {
                PAINTSTRUCT ps;
                HDC dc = ::BeginPaint(window, &ps);
                RECT r;
                ::GetClientRect(window, &r);
                HBRUSH edge = ::CreateSolidBrush(kAccent);
                ::FillRect(dc, &r, edge);
                ::DeleteObject(edge);
                RECT inside{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
                ::FillRect(dc, &inside, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
                const HGDIOBJ old = ::SelectObject(dc, ui::gdiFont(ui::FontId::Edit));
                ::SetTextColor(dc, kInk);
                ::SetBkMode(dc, TRANSPARENT);
                RECT text{r.left + kPad, r.top + kPad, r.right - kPad, r.bottom - kPad};
                ::DrawTextW(dc, self.text_.c_str(), -1, &text, DT_WORDBREAK | DT_NOPREFIX);
                ::SelectObject(dc, old);
                ::EndPaint(window, &ps);
                return 0;
            }
        }
        return ::DefWindowProcW(window, message, wParam, lParam);
    }

    HWND window_ = nullptr;
    std::wstring text_;
};

}  // namespace

DWORD editStyle(const ui::ControlLayout& layout) {
    // Bit 0x8000 has no meaning for an edit control; the boxes have always carried it.
    DWORD style = WS_CHILD | 0x8000;
    // Report box B is the one box made without the multi-line style.
    if (layout.id != ui::ControlId::ReportBoxB) style |= ES_MULTILINE;
    if (layout.id == ui::ControlId::NoteEditor) style |= ES_WANTRETURN;
    if (layout.alignment == ui::Alignment::Center) style |= ES_CENTER;
    if (layout.alignment == ui::Alignment::Right) style |= ES_RIGHT;
    return style;
}

Win32TextControl::Win32TextControl(HWND parent, const ui::ControlLayout& layout)
    : layout_(layout) {
    const HINSTANCE instance = ::GetModuleHandleW(nullptr);
    const ui::Rect& r = layout.rect;
    box_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, L"EDIT", L"", editStyle(layout), r.left, r.top,
                             r.width(), r.height(), parent, nullptr, instance, nullptr);
    twin_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, L"EDIT", L"", editStyle(layout), r.left,
                              r.top, r.width(), r.height(), parent, nullptr, instance, nullptr);
    ::SendMessageW(twin_, WM_SETFONT, reinterpret_cast<WPARAM>(ui::gdiFont(layout.font)), FALSE);
    // The note editor's limit is its stored size, lines and their breaks; the twin sees to it.
    const WPARAM limit = layout.id == ui::ControlId::NoteEditor ? 0 : layout.maxChars;
    ::SendMessageW(box_, EM_LIMITTEXT, limit, 0);
    ::SendMessageW(twin_, EM_LIMITTEXT, limit, 0);
    ::SetWindowLongPtrW(box_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowSubclass(box_, boxProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
    // The frame's measures, as on every platform: lines are wrapped at the box's width less its
    // margins, and it shows as many as its height less its margins holds.
    ::SendMessageW(twin_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN,
                   MAKELPARAM(ui::kBoxTextMargin, ui::kBoxTextMargin));
    frameWidth_ = r.width() - 2 * ui::kBoxTextMargin;
    measure_ = ::CreateCompatibleDC(nullptr);
    ::SelectObject(measure_, ui::gdiFont(layout.font));
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(measure_, &metrics);
    visibleLines_ =
        std::max(1, (r.height() - 2 * ui::kBoxTextMargin) / std::max(1, int(metrics.tmHeight)));
    place(FrameMapping{});
}

Win32TextControl::~Win32TextControl() {
    ::RemoveWindowSubclass(box_, boxProc, kSubclassId);
    ::SetWindowLongPtrW(box_, GWLP_USERDATA, 0);
    ::DestroyWindow(box_);
    ::DestroyWindow(twin_);
    ::DeleteDC(measure_);
}

void Win32TextControl::place(const FrameMapping& mapping) {
    const ui::Rect r = toWindow(mapping, layout_.rect);
    ::MoveWindow(box_, r.left, r.top, r.width(), r.height(), TRUE);
    screenFont_ = screenFont(layout_.font, mapping.scale);
    ::SendMessageW(box_, WM_SETFONT, reinterpret_cast<WPARAM>(screenFont_), TRUE);
    const int margin = static_cast<int>(std::lround(ui::kBoxTextMargin * mapping.scale));
    ::SendMessageW(box_, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELPARAM(margin, margin));
}

void Win32TextControl::setVisible(bool visible) {
    // A hidden box must not keep the keyboard: typing would go on into it unseen.
    if (!visible && ::GetFocus() == box_) ::SetFocus(::GetParent(box_));
    ::ShowWindow(box_, visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32TextControl::isVisible() const {
    return (::GetWindowLongW(box_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32TextControl::setFocus() {
    ::SetFocus(box_);
}

void Win32TextControl::setPlaceholder(std::string_view utf8) {
    placeholder_ = fromUtf8(utf8);
    ::InvalidateRect(box_, nullptr, TRUE);
}

std::wstring Win32TextControl::current() const {
    return windowText(box_);
}

void Win32TextControl::setText(std::string_view cp1250) {
    // Text set by the program is shown whole, also when it holds more than the box shows.
    std::wstring text;
    const std::wstring given = fromCp1250(cp1250);
    for (size_t i = 0; i < given.size(); ++i) {
        if (given[i] == L'\n' && (i == 0 || given[i - 1] != L'\r')) text += L'\r';
        text += given[i];
    }
    restoring_ = true;
    ::SetWindowTextW(box_, text.c_str());
    ::SendMessageW(box_, EM_SETSEL, 0, 0);
    restoring_ = false;
    lastAccepted_ = current();
}

std::string Win32TextControl::text() const {
    return toCp1250(current());
}

std::vector<std::string> Win32TextControl::displayedLines() const {
    if (!layout_.multiLine) return {text()};
    return frameLines(current());
}

std::vector<std::string> Win32TextControl::frameLines(const std::wstring& text) const {
    // The program's own rule, the same on every platform, at the width the twin lays its text
    // out in, with the frame font's widths.
    return ui::wrapLines(toCp1250(text), frameWidth_, [this](std::string_view line) {
        const std::wstring wide = fromCp1250(line);
        SIZE size{};
        ::GetTextExtentPoint32W(measure_, wide.c_str(), static_cast<int>(wide.size()), &size);
        return static_cast<int>(size.cx);
    });
}

bool Win32TextControl::twinTakes(const std::wstring& before, size_t from, size_t to,
                                 const std::wstring& inserted) const {
    if (twinHolds_ != before) ::SetWindowTextW(twin_, before.c_str());
    ::SendMessageW(twin_, EM_SETSEL, from, to);
    ::SendMessageW(twin_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(inserted.c_str()));
    const std::wstring expected = before.substr(0, from) + inserted + before.substr(to);
    twinHolds_ = windowText(twin_);
    if (twinHolds_ != expected) return false;
    if (layout_.id != ui::ControlId::NoteEditor) return true;
    // The note is kept as its lines in the frame, each followed by "\r\n": as many as the
    // editor shows, and no more than a note holds.
    const std::vector<std::string> kept = frameLines(expected);
    size_t stored = 0;
    for (const std::string& line : kept) stored += line.size() + 2;
    return stored <= static_cast<size_t>(layout_.maxChars) &&
           static_cast<int>(kept.size()) <= visibleLines_;
}

Win32TextControl::Edit Win32TextControl::judge(const std::wstring& before,
                                               const std::wstring& after) const {
    // The change is what lies between the text the two share at their start and at their end.
    const size_t shorter = std::min(before.size(), after.size());
    size_t head = 0;
    while (head < shorter && before[head] == after[head]) ++head;
    size_t tail = 0;
    while (tail < shorter - head &&
           before[before.size() - 1 - tail] == after[after.size() - 1 - tail]) {
        ++tail;
    }
    const std::wstring start = after.substr(0, head);
    const std::wstring end = after.substr(after.size() - tail);
    std::u16string refused;
    const std::u16string inserted = ui::storableInput(
        utf16(after.substr(head, after.size() - head - tail)), layout_.multiLine, &refused);
    // A deletion, or a change that does not make the text longer, always stands: a box that
    // holds more than it shows can always be shortened. Anything longer must fit.
    const auto stands = [&](size_t n) {
        const std::wstring part = withCrLf(std::u16string_view(inserted).substr(0, n));
        return start.size() + part.size() + end.size() <= before.size() ||
               twinTakes(before, head, before.size() - tail, part);
    };
    size_t kept = inserted.size();
    if (!stands(kept)) {
        // As much of the insertion as fits, as if it were typed character by character.
        size_t low = 0;
        size_t high = kept;
        while (high - low > 1) {
            const size_t middle = (low + high) / 2;
            (stands(middle) ? low : high) = middle;
        }
        kept = low;
    }
    const std::wstring part = withCrLf(std::u16string_view(inserted).substr(0, kept));
    return {start + part + end, static_cast<int>(head + part.size()), wide(refused)};
}

std::pair<size_t, size_t> Win32TextControl::selection(const std::wstring& text) const {
    DWORD from = 0;
    DWORD to = 0;
    ::SendMessageW(box_, EM_GETSEL, reinterpret_cast<WPARAM>(&from),
                   reinterpret_cast<LPARAM>(&to));
    const size_t start = std::min<size_t>(std::min(from, to), text.size());
    return {start, std::clamp<size_t>(std::max(from, to), start, text.size())};
}

void Win32TextControl::change(size_t from, size_t to, std::wstring_view typed) {
    const std::wstring before = current();
    std::u16string refused;
    const std::u16string kept = ui::storableInput(utf16(typed), layout_.multiLine, &refused);
    const std::wstring head = before.substr(0, from);
    const std::wstring tail = before.substr(to);
    // Judged where it is made, so the caret stays where the user typed. A change that does
    // not lengthen the text always stands: a box that holds more than it shows (text from a
    // file written elsewhere) can always be shortened. Anything longer must fit, and of a
    // longer insertion as much stands as fits, as if it were typed character by character.
    const auto stands = [&](size_t n) {
        const std::wstring part = withCrLf(std::u16string_view(kept).substr(0, n));
        return head.size() + part.size() + tail.size() <= before.size() ||
               twinTakes(before, from, to, part);
    };
    size_t low = kept.size();
    if (!stands(low)) {
        low = 0;
        size_t high = kept.size();
        while (high - low > 1) {
            const size_t middle = (low + high) / 2;
            (stands(middle) ? low : high) = middle;
        }
    }
    const std::wstring part = withCrLf(std::u16string_view(kept).substr(0, low));
    if (!part.empty() || from != to) {
        apply({head + part + tail, static_cast<int>(from + part.size()), {}});
    }
    showNote(wide(refused));
}

void Win32TextControl::insert(std::wstring_view typed) {
    const auto [from, to] = selection(current());
    change(from, to, typed);
}

void Win32TextControl::erase(Erase what) {
    const std::wstring text = current();
    auto [from, to] = selection(text);
    // A line break is "\r\n" in the box and goes as one.
    const auto lineBreakAt = [&](size_t i) { return text.compare(i, 2, L"\r\n") == 0; };
    if (from == to && what == Erase::Backward && from > 0) {
        from -= from > 1 && lineBreakAt(from - 2) ? 2 : 1;
    }
    if (from == to && what == Erase::Forward && to < text.size()) to += lineBreakAt(to) ? 2 : 1;
    if (from != to) change(from, to, L"");
}

void Win32TextControl::undo() {
    if (undo_) apply(*undo_);
}

void Win32TextControl::apply(const Edit& edit) {
    // What the box held before, for one step of undoing.
    const std::wstring before = current();
    undo_ = Edit{before, static_cast<int>(selection(before).second), {}};
    restoring_ = true;
    ::SetWindowTextW(box_, edit.text.c_str());
    ::SendMessageW(box_, EM_SETSEL, edit.caret, edit.caret);
    ::SendMessageW(box_, EM_SCROLLCARET, 0, 0);
    restoring_ = false;
    lastAccepted_ = edit.text;
}

void Win32TextControl::onEdited() {
    // Changes the control made on its own (its context menu, an input method).
    if (restoring_) return;
    const std::wstring now = current();
    if (now == lastAccepted_) return;
    const Edit edit = judge(lastAccepted_, now);
    showNote(edit.refused);
    if (edit.text != now) {
        apply(edit);
    } else {
        lastAccepted_ = edit.text;
    }
}

void Win32TextControl::showNote(const std::wstring& refused) {
    if (refused.empty()) return;
    lastNote_ = wide(ui::refusedNote(utf16(refused)));
    // Just below the box, so the eye finds it where it was typing; it goes by itself.
    NoteWindow::instance().show(box_, lastNote_);
}

void Win32TextControl::paintPlaceholder() {
    if (placeholder_.empty() || ::GetWindowTextLengthW(box_) > 0) return;
    HDC dc = ::GetDC(box_);
    const HGDIOBJ old = ::SelectObject(dc, screenFont_);
    ::SetTextColor(dc, kInkSoft);
    ::SetBkMode(dc, TRANSPARENT);
    RECT r;
    ::SendMessageW(box_, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&r));
    UINT format = DT_NOPREFIX | DT_WORDBREAK;
    if (layout_.alignment == ui::Alignment::Center) format |= DT_CENTER;
    if (layout_.alignment == ui::Alignment::Right) format |= DT_RIGHT;
    ::DrawTextW(dc, placeholder_.c_str(), -1, &r, format);
    ::SelectObject(dc, old);
    ::ReleaseDC(box_, dc);
}

LRESULT CALLBACK Win32TextControl::boxProc(HWND window, UINT message, WPARAM wParam,
                                           LPARAM lParam, UINT_PTR, DWORD_PTR data) {
    auto* self = reinterpret_cast<Win32TextControl*>(data);
    switch (message) {
        case WM_CHAR: {
            const auto c = static_cast<wchar_t>(wParam);
            switch (c) {
                case 0x03:  // Ctrl+C: the control copies
                    break;
                case 0x16:  // Ctrl+V
                    ::SendMessageW(window, WM_PASTE, 0, 0);
                    return 0;
                case 0x18:  // Ctrl+X
                    ::SendMessageW(window, WM_CUT, 0, 0);
                    return 0;
                case 0x1A:  // Ctrl+Z
                    self->undo();
                    return 0;
                case 0x01:  // Ctrl+A selects everything
                    ::SendMessageW(window, EM_SETSEL, 0, -1);
                    return 0;
                case L'\b':
                    self->erase(Erase::Backward);
                    return 0;
                case L'\r':
                    // Enter in a one-line box went to the screen.
                    if (self->layout_.multiLine) self->insert(L"\n");
                    return 0;
                default:
                    // Other control characters (Tab among them) are left out quietly.
                    if (c >= 0x20 && c != 0x7F) self->insert(std::wstring_view(&c, 1));
                    return 0;
            }
            break;
        }
        case WM_KEYDOWN:
            // Escape, Ctrl+Enter and Enter in a one-line box answer the screen, not the text.
            if (wParam == VK_ESCAPE ||
                (wParam == VK_RETURN &&
                 ((::GetKeyState(VK_CONTROL) & 0x8000) || !self->layout_.multiLine))) {
                ::SendMessageW(::GetParent(window), WM_KEYDOWN, wParam, lParam);
                return 0;  // the box may be gone now
            }
            // The keys that change the text go the same way as typing: judged, never refused
            // by the control itself (which would not even let an over-full box be shortened).
            if (wParam == VK_DELETE) {
                if (::GetKeyState(VK_SHIFT) & 0x8000) {
                    ::SendMessageW(window, WM_CUT, 0, 0);
                } else {
                    self->erase(Erase::Forward);
                }
                return 0;
            }
            if (wParam == VK_INSERT && (::GetKeyState(VK_SHIFT) & 0x8000)) {
                ::SendMessageW(window, WM_PASTE, 0, 0);
                return 0;
            }
            break;
        case WM_CUT:
            ::SendMessageW(window, WM_COPY, 0, 0);
            self->erase(Erase::Selection);
            return 0;
        case WM_CLEAR:
            self->erase(Erase::Selection);
            return 0;
        case WM_UNDO:
        case EM_UNDO:
            self->undo();
            return TRUE;
        case WM_PASTE: {
            // Plain text only, filtered and fitted like typing.
            std::wstring pasted;
            if (::IsClipboardFormatAvailable(CF_UNICODETEXT) && ::OpenClipboard(window)) {
                if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
                    if (const auto* text = static_cast<const wchar_t*>(::GlobalLock(data))) {
                        pasted = text;
                        ::GlobalUnlock(data);
                    }
                }
                ::CloseClipboard();
            }
            if (!pasted.empty()) self->insert(pasted);
            return 0;
        }
        case WM_PAINT: {
            const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
            self->paintPlaceholder();
            return result;
        }
    }
    return ::DefSubclassProc(window, message, wParam, lParam);
}

bool Win32TextControl::handleCommand(WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) != EN_CHANGE || lParam == 0) return false;
    auto* self = reinterpret_cast<Win32TextControl*>(
        ::GetWindowLongPtrW(reinterpret_cast<HWND>(lParam), GWLP_USERDATA));
    if (!self || self->box_ != reinterpret_cast<HWND>(lParam)) return false;
    self->onEdited();
    return true;
}

Win32CheckBox::Win32CheckBox(HWND parent, const ui::CheckBoxLayout& layout, int commandId)
    : layout_(layout), id_(commandId) {
    // An automatic check box, flat (0x8000), without a caption: its meaning is printed on the
    // form's picture.
    box_ = ::CreateWindowExW(WS_EX_CONTROLPARENT, L"BUTTON", L"",
                             WS_CHILD | BS_AUTOCHECKBOX | BS_FLAT, 0, 0, 13, 13, parent,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(commandId)),
                             ::GetModuleHandleW(nullptr), nullptr);
    ::SetWindowSubclass(box_, boxProc, kSubclassId, 0);
    place(FrameMapping{});
}

Win32CheckBox::~Win32CheckBox() {
    ::RemoveWindowSubclass(box_, boxProc, kSubclassId);
    ::DestroyWindow(box_);
}

void Win32CheckBox::place(const FrameMapping& mapping) {
    const ui::Rect r = toWindow(mapping, layout_.rect);
    ::MoveWindow(box_, r.left, r.top, r.width(), r.height(), TRUE);
}

void Win32CheckBox::setVisible(bool visible) {
    ::ShowWindow(box_, visible ? SW_SHOWNA : SW_HIDE);
}

bool Win32CheckBox::isVisible() const {
    return (::GetWindowLongW(box_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Win32CheckBox::setChecked(bool checked) {
    ::SendMessageW(box_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

bool Win32CheckBox::isChecked() const {
    return ::SendMessageW(box_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

bool Win32CheckBox::command(WPARAM wParam) {
    if (LOWORD(wParam) != id_ || HIWORD(wParam) != BN_CLICKED) return false;
    if (onClicked_) onClicked_();
    return true;
}

LRESULT CALLBACK Win32CheckBox::boxProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                        UINT_PTR, DWORD_PTR) {
    // A click on a box leaves the keyboard where it was (in the box being typed in): the
    // button takes the focus for its click and gives it back when the click is done.
    static HWND focusBefore = nullptr;
    if (message == WM_LBUTTONDOWN) focusBefore = ::GetFocus();
    const LRESULT result = ::DefSubclassProc(window, message, wParam, lParam);
    if (message == WM_LBUTTONUP && focusBefore && focusBefore != window &&
        ::IsWindowVisible(focusBefore)) {
        ::SetFocus(focusBefore);
        focusBefore = nullptr;
    }
    return result;
}

}  // namespace lun4::platform
