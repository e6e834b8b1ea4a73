#include "fake_frame.h"

#include <gtest/gtest.h>

#include "model/cp1250.h"

namespace lun4::testing {

std::vector<std::string> FakeTextControl::displayedLines() const {
    if (!lines_.empty()) return lines_;
    std::vector<std::string> lines;
    std::string current;
    for (size_t i = 0; i < text_.size(); ++i) {
        if (text_[i] == '\r' && i + 1 < text_.size() && text_[i + 1] == '\n') continue;
        if (text_[i] == '\n') {
            lines.push_back(current);
            current.clear();
        } else {
            current += text_[i];
        }
    }
    lines.push_back(current);
    return lines;
}

bool FakePrintTarget::begin(std::string_view documentName, bool landscape) {
    ++dialogs;
    proposedFiles.push_back(proposed);
    if (!confirm) return false;
    documents.push_back({std::string(documentName), landscape, {{}}, false});
    return true;
}

FakeFrame::FakeFrame() {
    for (int i = 0; i < 3; ++i) {
        buffers_[i] = std::make_unique<ui::RecordingSurface>("back" + std::to_string(i));
    }
}

FakeFrame::Message FakeFrame::onlyMessage() const {
    EXPECT_EQ(messages.size(), 1u);
    if (messages.size() != 1) return {};
    return {cp1250::toUtf8(messages[0].first), cp1250::toUtf8(messages[0].second)};
}

void FakeFrame::present() {
    ++presentCount;
    window_.copyWhole(*buffers_[0]);
}

void FakeFrame::pause(int ms) {
    pauses.push_back(ms);
    const auto images = window_.imagesDrawn();
    windowImagesAtPause.push_back(images.empty() ? std::string() : images.back());
}

}  // namespace lun4::testing
