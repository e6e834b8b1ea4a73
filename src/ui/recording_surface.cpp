#include "ui/recording_surface.h"

#include <algorithm>

#include "model/cp1250.h"

namespace lun4::ui {

std::vector<DrawCall> RecordingSurface::callsOf(DrawCall::Kind kind) const {
    std::vector<DrawCall> out;
    std::copy_if(calls_.begin(), calls_.end(), std::back_inserter(out),
                 [kind](const DrawCall& c) { return c.kind == kind; });
    return out;
}

std::vector<std::string> RecordingSurface::imagesDrawn() const {
    std::vector<std::string> out;
    for (const auto& c : calls_) {
        if (c.kind == DrawCall::Image || c.kind == DrawCall::StretchImage) out.push_back(c.name);
    }
    return out;
}

std::vector<std::string> RecordingSurface::textsDrawn() const {
    std::vector<std::string> out;
    for (const auto& c : calls_) {
        if (c.kind == DrawCall::Text || c.kind == DrawCall::TextOut)
            out.push_back(cp1250::toUtf8(c.name));
    }
    return out;
}

bool RecordingSurface::drewImage(std::string_view name) const {
    const auto images = imagesDrawn();
    return std::find(images.begin(), images.end(), name) != images.end();
}

bool RecordingSurface::drewText(std::string_view utf8) const {
    const auto texts = textsDrawn();
    return std::find(texts.begin(), texts.end(), utf8) != texts.end();
}

namespace {

bool coversFrame(Rect r) {
    return r.left <= 0 && r.top <= 0 && r.right >= kFrameWidth && r.bottom >= kFrameHeight;
}

std::shared_ptr<const std::vector<DrawCall>> contentOf(const Surface& source) {
    const auto* recording = dynamic_cast<const RecordingSurface*>(&source);
    if (!recording) return nullptr;
    return std::make_shared<const std::vector<DrawCall>>(recording->calls());
}

}  // namespace

void RecordingSurface::add(DrawCall call, bool opaqueOverFrame) {
    if (dropsHidden_ && opaqueOverFrame) calls_.clear();
    calls_.push_back(std::move(call));
}

void RecordingSurface::drawImage(const ImageHandle& image, int x, int y, int width, int height) {
    if (!image) return;
    DrawCall c{DrawCall::Image, image->name()};
    c.rect = {x, y, x + width, y + height};
    c.image = image;
    const Rect drawn{x, y, x + std::min(width, image->width()),
                     y + std::min(height, image->height())};
    add(std::move(c), coversFrame(drawn));
}

void RecordingSurface::stretchImage(const ImageHandle& image, Rect source, Rect target) {
    if (!image) return;
    DrawCall c{DrawCall::StretchImage, image->name()};
    c.rect = target;
    c.source = source;
    c.image = image;
    add(std::move(c), false);
}

void RecordingSurface::copyFrom(const Surface& source, Rect sourceRect, int x, int y) {
    const auto* recording = dynamic_cast<const RecordingSurface*>(&source);
    DrawCall c{DrawCall::Copy, recording ? recording->name() : "?"};
    c.source = sourceRect;
    c.rect = {x, y, x + sourceRect.width(), y + sourceRect.height()};
    c.content = contentOf(source);
    const bool covers = coversFrame(c.rect);
    add(std::move(c), covers);
}

void RecordingSurface::stretchFrom(const Surface& source, Rect sourceRect, Rect target) {
    const auto* recording = dynamic_cast<const RecordingSurface*>(&source);
    DrawCall c{DrawCall::Stretch, recording ? recording->name() : "?"};
    c.source = sourceRect;
    c.rect = target;
    c.content = contentOf(source);
    add(std::move(c), coversFrame(target));
}

void RecordingSurface::box(Rect rect) {
    DrawCall c{DrawCall::Box, {}};
    c.rect = rect;
    c.colour = fillColour();
    c.outline = lineColour();
    add(std::move(c), coversFrame(rect));
}

void RecordingSurface::fill(Rect rect, Rgb colour) {
    DrawCall c{DrawCall::Fill, {}};
    c.rect = rect;
    c.colour = colour;
    add(std::move(c), coversFrame(rect));
}

void RecordingSurface::line(int x1, int y1, int x2, int y2, int width, Rgb colour) {
    DrawCall c{DrawCall::Line, {}};
    c.rect = {x1, y1, x2, y2};
    c.colour = colour;
    c.width = width;
    add(std::move(c), false);
}

void RecordingSurface::drawText(std::string_view text, Rect rect, unsigned flags) {
    DrawCall c{DrawCall::Text, std::string(text)};
    c.rect = rect;
    c.colour = textColour();
    c.font = font();
    c.flags = flags;
    c.mode = backgroundMode();
    c.background = textBackground();
    add(std::move(c), false);
}

void RecordingSurface::textOut(int x, int y, std::string_view text) {
    DrawCall c{DrawCall::TextOut, std::string(text)};
    c.rect = {x, y, x, y};
    c.colour = textColour();
    c.font = font();
    c.mode = backgroundMode();
    c.background = textBackground();
    add(std::move(c), false);
}

int RecordingSurface::textWidth(std::string_view text, FontId font) const {
    if (measure_) return measure_(text, font);
    return static_cast<int>(text.size()) * 8;
}

ImageHandle FakeImageSource::loadBitmap(std::string_view name) {
    const std::string key(name);
    loaded_.push_back(key);
    int w = defaultWidth_;
    int h = defaultHeight_;
    if (auto it = sizes_.find(key); it != sizes_.end()) {
        if (it->second.first == 0) return nullptr;
        w = it->second.first;
        h = it->second.second;
    }
    return std::make_shared<FakeImage>(key, w, h);
}

ImageHandle FakeImageSource::loadPage(std::string_view name) {
    return loadBitmap(name);
}

PageProblem FakeImageSource::pageProblem(std::string_view name) {
    const std::string key(name);
    if (damaged_.count(key)) return PageProblem::Damaged;
    const auto it = sizes_.find(key);
    return it != sizes_.end() && it->second.first == 0 ? PageProblem::Missing : PageProblem::None;
}

}  // namespace lun4::ui
