#pragma once
// Drawing on any QPainter in frame coordinates: the screen's back buffers and, with a
// scaling transform, a printer or PDF page. Both draw texts, boxes and lines through these
// functions, so a printed page is laid out exactly like its preview.

#include <QPainter>
#include <vector>

#include "ui/recording_surface.h"
#include "ui/surface.h"

namespace lun4::ui {

struct TextStyle {
    FontId font = FontId::SystemDefault;
    Rgb colour = kBlack;
    BackgroundMode mode = BackgroundMode::Transparent;
    Rgb background = kWhite;
};

inline QColor toQColor(Rgb c) {
    return QColor(c.r, c.g, c.b);
}
inline QRect toQRect(Rect r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

// DrawText: "\r\n" and "\n" break lines (unless kSingleLine), kWordBreak wraps at blanks,
// kLeft/kCenter/kRight align each line, the text is clipped to the rectangle unless kNoClip.
void paintText(QPainter& painter, const TextStyle& style, std::string_view cp1250, Rect rect,
               unsigned flags);
// TextOut: one line whose first character cell starts at (x, y).
void paintTextOut(QPainter& painter, const TextStyle& style, std::string_view cp1250, int x, int y);
// A box covering left..right-1 x top..bottom-1 with a one-pixel outline.
void paintBox(QPainter& painter, Rect rect, Rgb fill, Rgb outline);
// A line from (x1, y1) towards (x2, y2), the end point left out, `width` pixels wide.
void paintLine(QPainter& painter, int x1, int y1, int x2, int y2, int width, Rgb colour);

// Draws recorded calls in frame coordinates onto the painter with its current transform and
// clip. Copies and stretches from another recording replay that recording's calls, moved or
// scaled onto their target and clipped to it; pictures are drawn from their images at the
// size the transform gives them.
void replayCalls(QPainter& painter, const std::vector<DrawCall>& calls);
// Replays the calls inside `source` (frame pixels) scaled onto `target` (the painter's
// coordinates) and clipped to it: what a stretched copy of the picture would show there.
void replayOnto(QPainter& painter, const std::vector<DrawCall>& calls, Rect source, QRect target);

}  // namespace lun4::ui
