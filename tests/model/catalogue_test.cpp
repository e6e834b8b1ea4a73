#include "model/catalogue.h"

#include <gtest/gtest.h>

#include "model/cp1250.h"

namespace lun4 {
namespace {

using A = ObservationArea;
using S = FunctionScale;

TEST(Catalogue, MappingAtAreaAndScaleBoundaries) {
    struct Case {
        int item;
        A area;
        S scale;
        int position;
    };
    const Case cases[] = {
        {1, A::DirectObservation, S::VocationalSkills, 0},
        {12, A::DirectObservation, S::VocationalSkills, 11},
        {13, A::DirectObservation, S::IndependentFunctioning, 0},
        {72, A::DirectObservation, S::InterpersonalBehaviour, 11},
        {73, A::Home, S::VocationalSkills, 0},
        {120, A::Home, S::InterpersonalBehaviour, 7},
        {121, A::SchoolWork, S::VocationalSkills, 0},
        {168, A::SchoolWork, S::InterpersonalBehaviour, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.item);
        EXPECT_EQ(areaOf(c.item), c.area);
        EXPECT_EQ(scaleOf(c.item), c.scale);
        EXPECT_EQ(positionOf(c.item), c.position);
        EXPECT_EQ(itemNumber(c.area, c.scale, c.position), c.item);
    }
}

TEST(Catalogue, EveryItemMapsToOnePlaceAndBack) {
    int expected = 1;  // numbered area by area, scale by scale, in list order
    for (int a = 0; a < kAreaCount; ++a) {
        for (int s = 0; s < kScaleCount; ++s) {
            EXPECT_EQ(firstItem(areaAt(a), scaleAt(s)), expected);
            for (int p = 0; p < itemsPerScale(areaAt(a)); ++p, ++expected) {
                const int k = itemNumber(areaAt(a), scaleAt(s), p);
                ASSERT_EQ(k, expected);
                EXPECT_EQ(indexOf(areaOf(k)), a);
                EXPECT_EQ(indexOf(scaleOf(k)), s);
                EXPECT_EQ(positionOf(k), p);
            }
        }
    }
    EXPECT_EQ(expected - 1, itemCount());
}

TEST(Catalogue, NamesAreToldApartByNumberOnly) {
    const auto name = [](int k) { return cp1250::toUtf8(itemName(k)); };
    EXPECT_EQ(name(1), "Sortowanie");
    EXPECT_EQ(name(75), "Sortowanie");
    EXPECT_EQ(name(34), name(72));
    EXPECT_EQ(name(68), name(115));
    EXPECT_EQ(name(115), name(164));
    EXPECT_EQ(name(46), " Pytanie o pomoc w razie potrzeby");
    EXPECT_EQ(name(168), "Szukanie towarzystwa innych osób");
    size_t longest = 0;
    for (int k = 1; k <= kItemCount; ++k) longest = std::max(longest, itemName(k).size());
    EXPECT_EQ(longest, 78u);
    EXPECT_EQ(itemName(36).size(), 78u);
}

TEST(Catalogue, ScreensAndTitles) {
    EXPECT_EQ(areaMenuScreen(A::SchoolWork), 6);
    EXPECT_EQ(itemListScreen(A::DirectObservation, S::VocationalSkills), 41);
    EXPECT_EQ(itemListScreen(A::Home, S::InterpersonalBehaviour), 56);
    EXPECT_EQ(itemListScreen(A::SchoolWork, S::LeisureSkills), 63);
    EXPECT_EQ(cp1250::toUtf8(scaleName(S::FunctionalCommunication)), "Komunikatywność");
    EXPECT_EQ(areaTitleUpper(A::Home), "OBSZAR OBSERWACJI W DOMU");
    EXPECT_EQ(scaleHeadingImage(S::InterpersonalBehaviour), "Data\\BMP\\n_6.bmp");
}

}  // namespace
}  // namespace lun4
