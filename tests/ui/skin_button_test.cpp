#include "ui/skin_button.h"

#include <gtest/gtest.h>

#include "ui/recording_surface.h"

namespace lun4::ui {
namespace {

class SkinButtonTest : public ::testing::Test {
  protected:
    SkinButtonTest() { images.setSize("Data\\BMP\\x_n.bmp", 50, 30); }
    FakeImageSource images;
};

TEST_F(SkinButtonTest, HitRuleIsStrictOnAllFourEdges) {
    SkinButton b(images, 100, 200, "Data\\BMP\\x");
    ASSERT_EQ(b.width(), 50);
    ASSERT_EQ(b.height(), 30);
    EXPECT_FALSE(b.contains(100, 210));
    EXPECT_FALSE(b.contains(150, 210));
    EXPECT_TRUE(b.contains(101, 210));
    EXPECT_TRUE(b.contains(149, 210));
    EXPECT_FALSE(b.contains(120, 200));
    EXPECT_FALSE(b.contains(120, 230));
    EXPECT_TRUE(b.contains(120, 201));
    EXPECT_TRUE(b.contains(120, 229));
}

TEST_F(SkinButtonTest, HoverAndClickFollowTheStateTable) {
    SkinButton b(images, 0, 0, "Data\\BMP\\x");
    // A click without a hover first does nothing.
    EXPECT_FALSE(b.clickTest(10, 10));
    EXPECT_EQ(b.state(), SkinButton::Normal);
    EXPECT_TRUE(b.hoverTest(10, 10));
    EXPECT_FALSE(b.hoverTest(11, 10));  // already lit: no change of look
    EXPECT_TRUE(b.clickTest(10, 10));
    EXPECT_EQ(b.state(), SkinButton::Pressed);
    EXPECT_FALSE(b.clickTest(10, 10));    // a second click while pressed is ignored
    EXPECT_FALSE(b.clickTest(500, 500));  // outside: pressed goes back to hover
    EXPECT_EQ(b.state(), SkinButton::Hover);
    EXPECT_TRUE(b.hoverTest(500, 500));
    EXPECT_EQ(b.state(), SkinButton::Normal);
    b.setState(SkinButton::Pressed);
    EXPECT_TRUE(b.hoverTest(10, 10));  // pressed -> hover on a move inside
    EXPECT_EQ(b.state(), SkinButton::Hover);
}

TEST_F(SkinButtonTest, DisabledPressedButtonKeepsItsLook) {
    SkinButton b(images, 0, 0, "Data\\BMP\\x");
    b.setState(SkinButton::Pressed);
    b.setEnabled(false);
    EXPECT_FALSE(b.hoverTest(10, 10));
    EXPECT_FALSE(b.hoverTest(500, 10));
    EXPECT_FALSE(b.clickTest(10, 10));
    EXPECT_EQ(b.state(), SkinButton::Pressed);
    RecordingSurface s;
    b.draw(s);
    EXPECT_EQ(s.imagesDrawn(), std::vector<std::string>{"Data\\BMP\\x_p.bmp"});
}

TEST_F(SkinButtonTest, MissingNormalImageMakesAnUnhittableButton) {
    images.setMissing("Data\\BMP\\gone_n.bmp");
    SkinButton b(images, 0, 0, "Data\\BMP\\gone");
    EXPECT_EQ(b.width(), 0);
    EXPECT_FALSE(b.hoverTest(0, 0));
    RecordingSurface s;
    b.draw(s);
    EXPECT_TRUE(s.imagesDrawn().empty());
}

TEST_F(SkinButtonTest, LabelWrapsAfterSixtyFiveCharactersAndCastsAShadow) {
    images.setSize("Data\\BMP\\przycisk_n.bmp", 600, 44);
    SkinButton b(images, 122, 67, "Data\\BMP\\przycisk");
    b.setLabel(std::string(65, 'a'));
    b.setNumber(36);
    RecordingSurface s;
    b.draw(s);
    const auto texts = s.callsOf(DrawCall::Text);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].colour, kBlack);
    EXPECT_EQ(texts[0].rect, (Rect{122 + 125, 67 + 5, 122 + 600 - 8, 67 + 44 - 1}));
    EXPECT_EQ(texts[1].colour, kWhite);
    EXPECT_EQ(texts[1].rect, (Rect{122 + 123, 67 + 3, 122 + 600 - 10, 67 + 44 - 3}));
    EXPECT_TRUE(texts[1].flags & text::kSingleLine);
    EXPECT_EQ(texts[2].name, "36");
    EXPECT_EQ(texts[2].rect, (Rect{152, 78, 207, 95}));
    EXPECT_EQ(texts[2].font, FontId::Number);

    b.setLabel(std::string(66, 'a'));
    s.clearCalls();
    b.draw(s);
    const auto wrapped = s.callsOf(DrawCall::Text);
    EXPECT_FALSE(wrapped[1].flags & text::kSingleLine);
    EXPECT_TRUE(wrapped[1].flags & text::kWordBreak);
    // The number font and black stay selected afterwards.
    EXPECT_EQ(s.font(), FontId::Number);
    EXPECT_EQ(s.textColour(), kBlack);
}

TEST_F(SkinButtonTest, BaseNameReadsItsThreeFiles) {
    SkinButton b(images, 664, 657, "Data\\BMP\\ok");
    const auto& loaded = images.loaded();
    EXPECT_NE(std::find(loaded.begin(), loaded.end(), "Data\\BMP\\ok_n.bmp"), loaded.end());
    EXPECT_NE(std::find(loaded.begin(), loaded.end(), "Data\\BMP\\ok_o.bmp"), loaded.end());
    EXPECT_NE(std::find(loaded.begin(), loaded.end(), "Data\\BMP\\ok_p.bmp"), loaded.end());
}

}  // namespace
}  // namespace lun4::ui
