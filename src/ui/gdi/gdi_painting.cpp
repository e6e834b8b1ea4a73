#include "ui/gdi/gdi_painting.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "ui/gdi/gdi_fonts.h"

namespace lun4::ui {
namespace {

// The drawing interface's flags and DrawText's, pair by pair.
constexpr struct {
    unsigned ours;
    UINT gdi;
} kTextFlags[] = {
    {text::kCenter, DT_CENTER},         {text::kRight, DT_RIGHT},
    {text::kVCenter, DT_VCENTER},       {text::kSingleLine, DT_SINGLELINE},
    {text::kWordBreak, DT_WORDBREAK},   {text::kNoClip, DT_NOCLIP},
};

// The DC's text state for `style`, given back when it goes.
class TextState {
  public:
    TextState(HDC dc, const TextStyle& style) : dc_(dc) {
        font_ = ::SelectObject(dc, gdiFont(style.font));
        colour_ = ::SetTextColor(dc, toColorRef(style.colour));
        mode_ = ::SetBkMode(dc, style.mode == BackgroundMode::Opaque ? OPAQUE : TRANSPARENT);
        background_ = ::SetBkColor(dc, toColorRef(style.background));
        align_ = ::SetTextAlign(dc, TA_LEFT | TA_TOP | TA_NOUPDATECP);
    }
    ~TextState() {
        ::SetTextAlign(dc_, align_);
        ::SetBkColor(dc_, background_);
        ::SetBkMode(dc_, mode_);
        ::SetTextColor(dc_, colour_);
        ::SelectObject(dc_, font_);
    }
    TextState(const TextState&) = delete;
    TextState& operator=(const TextState&) = delete;

  private:
    HDC dc_;
    HGDIOBJ font_;
    COLORREF colour_;
    int mode_;
    COLORREF background_;
    UINT align_;
};

}  // namespace

UINT drawTextFlags(unsigned flags) {
    UINT gdi = DT_LEFT | DT_TOP | DT_NOPREFIX;
    for (const auto& pair : kTextFlags) {
        if (flags & pair.ours) gdi |= pair.gdi;
    }
    return gdi;
}

void paintText(HDC dc, const TextStyle& style, std::string_view cp1250, Rect rect,
               unsigned flags) {
    if (cp1250.empty()) return;
    std::wstring text = toWide(cp1250);
    // One line: its breaks left out. Several: "\r\n" and "\n" break lines, a lone "\r" is
    // dropped, as the Qt side does.
    std::wstring lines;
    lines.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r') continue;
        if (text[i] == L'\n' && (flags & text::kSingleLine)) continue;
        lines += text[i];
    }
    if (lines.empty()) return;
    const TextState state(dc, style);
    RECT r = toRect(rect);
    ::DrawTextW(dc, lines.data(), static_cast<int>(lines.size()), &r, drawTextFlags(flags));
}

void paintTextOut(HDC dc, const TextStyle& style, std::string_view cp1250, int x, int y) {
    if (cp1250.empty()) return;
    const std::wstring text = toWide(cp1250);
    const TextState state(dc, style);
    ::TextOutW(dc, x, y, text.data(), static_cast<int>(text.size()));
}

void paintFill(HDC dc, Rect r, Rgb colour) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    const RECT area = toRect(r);
    const COLORREF old = ::SetDCBrushColor(dc, toColorRef(colour));
    ::FillRect(dc, &area, static_cast<HBRUSH>(::GetStockObject(DC_BRUSH)));
    ::SetDCBrushColor(dc, old);
}

void paintBox(HDC dc, Rect r, Rgb fill, Rgb outline) {
    if (r.right <= r.left || r.bottom <= r.top) return;
    paintFill(dc, r, fill);
    paintFill(dc, {r.left, r.top, r.right, r.top + 1}, outline);
    paintFill(dc, {r.left, r.bottom - 1, r.right, r.bottom}, outline);
    paintFill(dc, {r.left, r.top, r.left + 1, r.bottom}, outline);
    paintFill(dc, {r.right - 1, r.top, r.right, r.bottom}, outline);
}

void paintLine(HDC dc, int x1, int y1, int x2, int y2, int width, Rgb colour) {
    if (width <= 1 && (x1 == x2 || y1 == y2)) {
        // A one-pixel line along an axis is the row or column of pixels it sets.
        if (y1 == y2 && x1 != x2) {
            const int left = x2 > x1 ? x1 : x2 + 1;
            paintFill(dc, {left, y1, left + std::abs(x2 - x1), y1 + 1}, colour);
        } else if (x1 == x2 && y1 != y2) {
            const int top = y2 > y1 ? y1 : y2 + 1;
            paintFill(dc, {x1, top, x1 + 1, top + std::abs(y2 - y1)}, colour);
        }
        return;
    }
    const LOGBRUSH brush{BS_SOLID, toColorRef(colour), 0};
    const HPEN pen = ::ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND,
                                    static_cast<DWORD>(std::max(width, 1)), &brush, 0, nullptr);
    const HGDIOBJ old = ::SelectObject(dc, pen);
    POINT previous{};
    ::MoveToEx(dc, x1, y1, &previous);
    ::LineTo(dc, x2, y2);
    ::MoveToEx(dc, previous.x, previous.y, nullptr);
    ::SelectObject(dc, old);
    ::DeleteObject(pen);
}

}  // namespace lun4::ui
