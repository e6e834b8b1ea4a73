#pragma once
// Looking through what a recording surface holds: the calls of one kind, the boxes and texts
// drawn at exactly a rectangle, texts and images anywhere in a page (copies included), and
// whether a button's picture was drawn in any of its three states.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "ui/recording_surface.h"

namespace lun4::testing {

using Calls = std::vector<ui::DrawCall>;

Calls ofKind(const Calls& calls, ui::DrawCall::Kind kind);
Calls boxesAt(const Calls& calls, ui::Rect rect);
// The texts drawn at exactly this rectangle, in order.
Calls textsAt(const Calls& calls, ui::Rect rect);
// The one box (text) drawn at exactly this rectangle: a test failure, and an empty call, when
// there is none or more than one.
ui::DrawCall boxAt(const Calls& calls, ui::Rect rect);
ui::DrawCall textAt(const Calls& calls, ui::Rect rect);

inline ui::Point topLeft(const ui::DrawCall& call) {
    return {call.rect.left, call.rect.top};
}

// Whether a text call of the page draws exactly these cp1250 bytes.
bool drewText(const Calls& calls, std::string_view cp1250Text);
// Whether the page, or a page copied into it, holds this text (also as a list row) or image.
bool holdsText(const Calls& calls, std::string_view cp1250Text);
bool holdsImage(const Calls& calls, std::string_view name);

// The images of this name drawn on the surface, in order.
Calls imagesNamed(const ui::RecordingSurface& surface, std::string_view name);
// The first text call drawing `utf8`.
std::optional<ui::DrawCall> textCall(const ui::RecordingSurface& surface, std::string_view utf8);
// Whether any of the button's three images ("<base>_n.bmp", "_o", "_p") was drawn.
bool drewButton(const ui::RecordingSurface& surface, const std::string& base);

// The one page buffer copy a page holds: from back buffer 0, the whole page onto the whole
// page. Its calls, or none (and a test failure) when it is not so.
Calls copiedPage(const ui::RecordingSurface& buffer);

}  // namespace lun4::testing
