#include "recorded_calls.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "model/cp1250.h"

namespace lun4::testing {

using ui::DrawCall;

namespace {

Calls at(const Calls& calls, DrawCall::Kind kind, ui::Rect rect) {
    Calls out;
    for (const auto& c : calls)
        if (c.kind == kind && c.rect == rect) out.push_back(c);
    return out;
}

DrawCall theOne(const Calls& calls, DrawCall::Kind kind, ui::Rect r) {
    const Calls found = at(calls, kind, r);
    EXPECT_EQ(found.size(), 1u) << (kind == DrawCall::Box ? "box " : "text ") << r.left << ","
                                << r.top << "," << r.right << "," << r.bottom;
    return found.size() == 1 ? found.front() : DrawCall{kind, {}};
}

}  // namespace

Calls ofKind(const Calls& calls, DrawCall::Kind kind) {
    Calls out;
    for (const auto& c : calls)
        if (c.kind == kind) out.push_back(c);
    return out;
}

Calls boxesAt(const Calls& calls, ui::Rect rect) {
    return at(calls, DrawCall::Box, rect);
}

Calls textsAt(const Calls& calls, ui::Rect rect) {
    return at(calls, DrawCall::Text, rect);
}

DrawCall boxAt(const Calls& calls, ui::Rect rect) {
    return theOne(calls, DrawCall::Box, rect);
}

DrawCall textAt(const Calls& calls, ui::Rect rect) {
    return theOne(calls, DrawCall::Text, rect);
}

bool drewText(const Calls& calls, std::string_view cp1250Text) {
    return std::any_of(calls.begin(), calls.end(), [&](const DrawCall& c) {
        return c.kind == DrawCall::Text && c.name == cp1250Text;
    });
}

bool holdsText(const Calls& calls, std::string_view cp1250Text) {
    return std::any_of(calls.begin(), calls.end(), [&](const DrawCall& c) {
        return ((c.kind == DrawCall::Text || c.kind == DrawCall::TextOut) &&
                c.name == cp1250Text) ||
               (c.content && holdsText(*c.content, cp1250Text));
    });
}

bool holdsImage(const Calls& calls, std::string_view name) {
    return std::any_of(calls.begin(), calls.end(), [&](const DrawCall& c) {
        return (c.kind == DrawCall::Image && c.name == name) ||
               (c.content && holdsImage(*c.content, name));
    });
}

Calls imagesNamed(const ui::RecordingSurface& surface, std::string_view name) {
    Calls out;
    for (const DrawCall& c : surface.callsOf(DrawCall::Image))
        if (c.name == name) out.push_back(c);
    return out;
}

std::optional<DrawCall> textCall(const ui::RecordingSurface& surface, std::string_view utf8) {
    for (const DrawCall& c : surface.callsOf(DrawCall::Text)) {
        if (cp1250::toUtf8(c.name) == utf8) return c;
    }
    return std::nullopt;
}

bool drewButton(const ui::RecordingSurface& surface, const std::string& base) {
    return surface.drewImage(base + "_n.bmp") || surface.drewImage(base + "_o.bmp") ||
           surface.drewImage(base + "_p.bmp");
}

Calls copiedPage(const ui::RecordingSurface& buffer) {
    const Calls copies = buffer.callsOf(DrawCall::Copy);
    EXPECT_EQ(copies.size(), 1u) << buffer.name();
    if (copies.size() != 1 || !copies[0].content) return {};
    EXPECT_EQ(copies[0].name, "back0");
    EXPECT_EQ(copies[0].source, (ui::Rect{0, 0, 1024, 768}));
    EXPECT_EQ(copies[0].rect, (ui::Rect{0, 0, 1024, 768}));
    return *copies[0].content;
}

}  // namespace lun4::testing
