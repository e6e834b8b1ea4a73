#include "reports/page_label.h"

#include <gtest/gtest.h>

#include "ui/recording_surface.h"

namespace lun4::reports {
namespace {

TEST(PageLabelTest, BlackShadowThenWhiteTextThreePixelsHigherThenBlackAgain) {
    ui::RecordingSurface page;
    drawPageLabel(page, 3, 17);
    const auto texts = page.callsOf(ui::DrawCall::Text);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].name, "STRONA 3/17");
    EXPECT_EQ(texts[0].rect, (ui::Rect{821, 29, 948, 45}));
    EXPECT_EQ(texts[0].colour, ui::kBlack);
    EXPECT_EQ(texts[1].name, "STRONA 3/17");
    EXPECT_EQ(texts[1].rect, (ui::Rect{821, 26, 948, 44}));
    EXPECT_EQ(texts[1].colour, ui::kWhite);
    for (const auto& t : texts) {
        EXPECT_EQ(t.font, ui::FontId::SmallHeading);
        EXPECT_EQ(t.flags, ui::text::kCenter);
    }
    EXPECT_EQ(page.textColour(), ui::kBlack);
}

}  // namespace
}  // namespace lun4::reports
