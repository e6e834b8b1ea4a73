#include "model/catalogue.h"

#include <gtest/gtest.h>

#include "model/cp1250.h"

namespace lun4 {
namespace {

using A = ObservationArea;
using S = FunctionScale;

TEST(Catalogue, ItemsAreNumberedAreaByAreaScaleByScale) {
    int expected = 1;
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
    // The boundaries spelled out.
    EXPECT_EQ(itemNumber(A::DirectObservation, S::InterpersonalBehaviour, 11), 72);
    EXPECT_EQ(itemNumber(A::Home, S::VocationalSkills, 0), 73);
    EXPECT_EQ(itemNumber(A::Home, S::InterpersonalBehaviour, 7), 120);
    EXPECT_EQ(itemNumber(A::SchoolWork, S::VocationalSkills, 0), 121);
    EXPECT_EQ(itemNumber(A::SchoolWork, S::InterpersonalBehaviour, 7), 168);
}

TEST(Catalogue, NamesAreToldApartByNumberOnly) {
    const auto name = [](int k) { return cp1250::toUtf8(itemName(k)); };
    EXPECT_EQ(name(1), "Sortowanie");
    EXPECT_EQ(name(75), "Sortowanie");
    EXPECT_EQ(name(34), name(72));
    EXPECT_EQ(name(68), name(164));
    EXPECT_EQ(name(46), " Pytanie o pomoc w razie potrzeby");
    EXPECT_EQ(name(168), "Szukanie towarzystwa innych osób");
    size_t longest = 0;
    for (int k = 1; k <= kItemCount; ++k) longest = std::max(longest, itemName(k).size());
    EXPECT_EQ(longest, itemName(36).size());
    EXPECT_EQ(longest, 78u);
}

TEST(Catalogue, Screens) {
    EXPECT_EQ(areaMenuScreen(A::SchoolWork), 6);
    EXPECT_EQ(itemListScreen(A::DirectObservation, S::VocationalSkills), 41);
    EXPECT_EQ(itemListScreen(A::Home, S::InterpersonalBehaviour), 56);
    EXPECT_EQ(itemListScreen(A::SchoolWork, S::LeisureSkills), 63);
}

}  // namespace
}  // namespace lun4
