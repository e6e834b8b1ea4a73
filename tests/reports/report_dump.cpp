#include "report_dump.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include "model/cp1250.h"

namespace lun4::testing {
namespace {

std::string hex(ui::Rgb c) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02x%02x%02x", c.r, c.g, c.b);
    return buffer;
}

std::string rect(ui::Rect r) {
    return std::to_string(r.left) + " " + std::to_string(r.top) + " " + std::to_string(r.right) +
           " " + std::to_string(r.bottom);
}

std::string escaped(const std::string& cp1250Text) {
    std::string out;
    for (char c : cp1250::toUtf8(cp1250Text)) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else {
            out += c;
        }
    }
    return out;
}

std::string alignment(unsigned flags) {
    if (flags == ui::text::kLeft) return "left";
    if (flags == ui::text::kCenter) return "centre";
    if (flags == ui::text::kRight) return "right";
    if (flags == (ui::text::kLeft | ui::text::kWordBreak)) return "left wrap";
    if (flags == (ui::text::kCenter | ui::text::kWordBreak)) return "centre wrap";
    return "flags" + std::to_string(flags);
}

const std::string kSectionTitles[] = {
    "Umiejętności wykonawcze",
    "Samodzielne funkcjonowanie",
    "Umiejętności spędzania wolnego czasu",
    "Adaptacja do pracy",
    "Komunikatywność",
    "Zachowanie interpersonalne",
};

std::string goldenPath(const std::string& name) {
    return std::string(LUN4_GOLDEN_DIR) + "/" + name + ".txt";
}

std::string fontName(ui::FontId font) {
    switch (font) {
        case ui::FontId::ReportBody:
            return "body";
        case ui::FontId::ReportEmphasis:
            return "emphasis";
        case ui::FontId::ReportTitle:
            return "title";
        case ui::FontId::ReportText:
            return "text";
        case ui::FontId::ReportSmallBold:
            return "smallbold";
        default:
            return "font" + std::to_string(static_cast<int>(font));
    }
}

}  // namespace

std::vector<std::string> fullDump(const ui::RecordingSurface& page) {
    std::vector<std::string> out;
    for (const ui::DrawCall& c : page.calls()) {
        switch (c.kind) {
            case ui::DrawCall::Text:
                out.push_back("text " + rect(c.rect) + " " + fontName(c.font) + " " +
                              alignment(c.flags) + " \"" + escaped(c.name) + "\"");
                break;
            case ui::DrawCall::Box:
                out.push_back("box " + rect(c.rect) + " fill=" + hex(c.colour) +
                              " line=" + hex(c.outline));
                break;
            case ui::DrawCall::Fill:
                out.push_back("fill " + rect(c.rect) + " " + hex(c.colour));
                break;
            case ui::DrawCall::Image:
                out.push_back("image " + c.name + " " + rect(c.rect));
                break;
            default:
                out.push_back("other call " + std::to_string(c.kind));
        }
    }
    return out;
}

std::vector<std::string> flowDump(const ui::RecordingSurface& page) {
    std::vector<std::string> out;
    for (const ui::DrawCall& c : page.callsOf(ui::DrawCall::Text)) {
        out.push_back(std::to_string(c.rect.top) + " " + fontName(c.font) + " " + escaped(c.name));
    }
    return out;
}

void expectFlowPageShape(const ui::RecordingSurface& page, int pageNumber) {
    SCOPED_TRACE("page " + std::to_string(pageNumber));
    const auto& calls = page.calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0].kind, ui::DrawCall::Fill);
    EXPECT_EQ(calls[0].rect, (ui::Rect{0, 0, 1024, 768}));
    EXPECT_EQ(calls[0].colour, ui::kWhite);
    EXPECT_EQ(calls[1].kind, ui::DrawCall::Box);
    EXPECT_EQ(calls[1].rect, (ui::Rect{100, 10, 922, 760}));
    EXPECT_EQ(calls[1].colour, ui::kWhite);
    EXPECT_EQ(calls[1].outline, ui::kBlack);
    int previousTop = 0;
    for (size_t i = 2; i < calls.size(); ++i) {
        const ui::DrawCall& c = calls[i];
        ASSERT_EQ(c.kind, ui::DrawCall::Text) << "call " << i;
        const int y = c.rect.top;
        // Section titles sit in a band one line high; every other line reaches the foot.
        const bool sectionTitle = std::find(std::begin(kSectionTitles), std::end(kSectionTitles),
                                            cp1250::toUtf8(c.name)) != std::end(kSectionTitles);
        EXPECT_EQ(c.rect, (ui::Rect{115, y, 922, sectionTitle ? y + 20 : 760})) << escaped(c.name);
        if (sectionTitle) {
            EXPECT_EQ(c.font, ui::FontId::ReportTitle);
        }
        EXPECT_EQ(c.flags, ui::text::kLeft);
        EXPECT_EQ(c.mode, ui::BackgroundMode::Transparent);
        EXPECT_EQ(c.colour, ui::kBlack);
        // Lines sit on the 20-pixel grid from y 60, never below the page-full line.
        EXPECT_GT(y, previousTop) << escaped(c.name);
        EXPECT_GE(y, 60);
        EXPECT_LE(y, 520);
        EXPECT_EQ(y % 20, 0);
        EXPECT_EQ(c.name.find('\n'), std::string::npos);
        previousTop = y;
    }
}

void appendPage(std::vector<std::string>& dump, int pageNumber,
                const std::vector<std::string>& lines) {
    dump.push_back("== page " + std::to_string(pageNumber));
    dump.insert(dump.end(), lines.begin(), lines.end());
}

void expectGolden(const std::string& name, const std::vector<std::string>& actual) {
    const std::string path = goldenPath(name);
    std::vector<std::string> notes;
    std::vector<std::string> expected;
    {
        std::ifstream in(path);
        for (std::string line; std::getline(in, line);) {
            if (line.empty()) continue;
            if (line[0] == '#') {
                if (expected.empty()) notes.push_back(line);
                continue;
            }
            expected.push_back(line);
        }
    }
    if (std::getenv("LUN4_UPDATE_GOLDEN")) {
        std::ofstream out(path);
        for (const auto& line : notes) out << line << "\n";
        for (const auto& line : actual) out << line << "\n";
        return;
    }
    ASSERT_FALSE(expected.empty()) << "no golden file " << path;
    int shown = 0;
    for (size_t i = 0; i < std::max(expected.size(), actual.size()) && shown < 8; ++i) {
        const std::string want = i < expected.size() ? expected[i] : "<nothing>";
        const std::string got = i < actual.size() ? actual[i] : "<nothing>";
        if (want != got) {
            ADD_FAILURE() << name << " entry " << i + 1 << "\n  expected: " << want
                          << "\n  drawn:    " << got;
            ++shown;
        }
    }
    EXPECT_EQ(expected.size(), actual.size()) << name;
}

}  // namespace lun4::testing
