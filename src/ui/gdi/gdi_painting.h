#pragma once
// Drawing on any device context in frame coordinates: the screen's back buffers and, under a
// world transform, a printer's page. Both draw texts, boxes and lines through these
// functions, so a printed page is laid out exactly like its preview, as on Qt.

#include <windows.h>

#include <string_view>

#include "ui/surface.h"

namespace lun4::ui {

struct TextStyle {
    FontId font = FontId::SystemDefault;
    Rgb colour = kBlack;
    BackgroundMode mode = BackgroundMode::Transparent;
    Rgb background = kWhite;
};

inline COLORREF toColorRef(Rgb c) {
    return RGB(c.r, c.g, c.b);
}
inline RECT toRect(Rect r) {
    return RECT{r.left, r.top, r.right, r.bottom};
}

// The drawing interface's text flags as DrawText's, one to one; DT_NOPREFIX besides, so that
// "&" shows as itself.
UINT drawTextFlags(unsigned flags);

// DrawText: "\r\n" and "\n" break lines (unless kSingleLine), kWordBreak wraps at blanks,
// kLeft/kCenter/kRight align each line, the text is clipped to the rectangle unless kNoClip.
void paintText(HDC dc, const TextStyle& style, std::string_view cp1250, Rect rect, unsigned flags);
// TextOut: one line whose first character cell starts at (x, y).
void paintTextOut(HDC dc, const TextStyle& style, std::string_view cp1250, int x, int y);
// A box covering left..right-1 x top..bottom-1 with a one-pixel outline. Drawn with brushes,
// so that under a printer's transform the outline is as wide as on the screen, scaled.
void paintBox(HDC dc, Rect rect, Rgb fill, Rgb outline);
// Solid fill of left..right-1 x top..bottom-1.
void paintFill(HDC dc, Rect rect, Rgb colour);
// A line from (x1, y1) towards (x2, y2), the end point left out, `width` pixels wide.
void paintLine(HDC dc, int x1, int y1, int x2, int y2, int width, Rgb colour);

}  // namespace lun4::ui
