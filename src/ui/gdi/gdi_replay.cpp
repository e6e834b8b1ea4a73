#include "ui/gdi/gdi_replay.h"

#include <algorithm>
#include <optional>

#include "ui/gdi/gdi_painting.h"
#include "ui/gdi/gdi_surface.h"

namespace lun4::ui {
namespace {

TextStyle styleOf(const DrawCall& call) {
    return {call.font, call.colour, call.mode, call.background};
}

// Where a call can set pixels, in frame coordinates; nullopt for calls that may draw anywhere.
// A little generous: it only decides what need not be drawn.
std::optional<RECT> reachOf(const DrawCall& call) {
    const Rect& r = call.rect;
    switch (call.kind) {
        case DrawCall::Line: {
            const int pad = std::max(call.width, 1);
            return RECT{std::min(r.left, r.right) - pad, std::min(r.top, r.bottom) - pad,
                        std::max(r.left, r.right) + pad, std::max(r.top, r.bottom) + pad};
        }
        case DrawCall::Text:
            if (call.flags & text::kNoClip) return std::nullopt;
            return toRect(r);
        case DrawCall::TextOut:
            return std::nullopt;
        default:
            return toRect(r);
    }
}

// A picture's part `from` stretched onto `to`, in the DC's world coordinates.
void stretchPicture(HDC dc, const ImageHandle& handle, Rect from, Rect to) {
    const auto* image = dynamic_cast<const GdiImage*>(handle.get());
    if (!image || !image->bitmap() || from.width() <= 0 || from.height() <= 0) return;
    const HDC source = ::CreateCompatibleDC(dc);
    const HGDIOBJ old = ::SelectObject(source, image->bitmap());
    ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
    ::StretchBlt(dc, to.left, to.top, to.width(), to.height(), source, from.left, from.top,
                 from.width(), from.height(), SRCCOPY);
    ::SelectObject(source, old);
    ::DeleteDC(source);
}

void replayCalls(HDC dc, const std::vector<DrawCall>& calls) {
    // Calls wholly outside the clip are left out: a PDF would otherwise carry every page's
    // hidden texts under each printed rectangle, and a text reader would find them.
    RECT visible{};
    const bool clipped = ::GetClipBox(dc, &visible) != ERROR;
    for (const DrawCall& call : calls) {
        if (clipped) {
            RECT overlap;
            const auto reach = reachOf(call);
            if (reach && !::IntersectRect(&overlap, &*reach, &visible)) continue;
        }
        switch (call.kind) {
            case DrawCall::Image:
                if (call.image) {
                    // The part outside the picture draws nothing.
                    const int w = std::min(call.rect.width(), call.image->width());
                    const int h = std::min(call.rect.height(), call.image->height());
                    stretchPicture(dc, call.image, {0, 0, w, h},
                                   {call.rect.left, call.rect.top, call.rect.left + w,
                                    call.rect.top + h});
                }
                break;
            case DrawCall::StretchImage:
                stretchPicture(dc, call.image, call.source, call.rect);
                break;
            case DrawCall::Copy:
            case DrawCall::Stretch:
                if (call.content) replayOnto(dc, *call.content, call.source, call.rect);
                break;
            case DrawCall::Box:
                paintBox(dc, call.rect, call.colour, call.outline);
                break;
            case DrawCall::Fill:
                paintFill(dc, call.rect, call.colour);
                break;
            case DrawCall::Line:
                paintLine(dc, call.rect.left, call.rect.top, call.rect.right, call.rect.bottom,
                          call.width, call.colour);
                break;
            case DrawCall::Text:
                paintText(dc, styleOf(call), call.name, call.rect, call.flags);
                break;
            case DrawCall::TextOut:
                paintTextOut(dc, styleOf(call), call.name, call.rect.left, call.rect.top);
                break;
        }
    }
}

}  // namespace

void replayOnto(HDC dc, const std::vector<DrawCall>& calls, Rect source, Rect target) {
    if (source.width() <= 0 || source.height() <= 0 || target.width() <= 0 ||
        target.height() <= 0) {
        return;
    }
    const int saved = ::SaveDC(dc);
    ::SetGraphicsMode(dc, GM_ADVANCED);
    ::IntersectClipRect(dc, target.left, target.top, target.right, target.bottom);
    const double sx = double(target.width()) / source.width();
    const double sy = double(target.height()) / source.height();
    const XFORM map{static_cast<FLOAT>(sx), 0, 0, static_cast<FLOAT>(sy),
                    static_cast<FLOAT>(target.left - source.left * sx),
                    static_cast<FLOAT>(target.top - source.top * sy)};
    // Applied before whatever the DC already maps (the caller's own placing).
    ::ModifyWorldTransform(dc, &map, MWT_LEFTMULTIPLY);
    ::IntersectClipRect(dc, source.left, source.top, source.right, source.bottom);
    replayCalls(dc, calls);
    ::RestoreDC(dc, saved);
}

}  // namespace lun4::ui
