#include "model/examinee_record.h"

#include <gtest/gtest.h>

namespace lun4 {
namespace {

TEST(ExamineeRecord, ClearGivesANewExaminee) {
    ExamineeRecord r;
    setText(r.firstName, "Jo");
    setText(r.lastName, "Nowak");
    EXPECT_EQ(r.fullName(), "Jo Nowak");
    r.scores[5] = kFail;
    setText(r.notes[168], "note");
    r.gender = kGenderFemale;
    r.clear();
    EXPECT_EQ(r.fullName(), " ");
    EXPECT_EQ(r.gender, kGenderUnset);
    for (int k = 0; k < kItemSlots; ++k) {
        EXPECT_EQ(r.scores[k], kNotScored);
        EXPECT_EQ(text(r.notes[k]), "");
    }
}

TEST(ExamineeRecord, TextsWithTheSeparatorOrTheEndByteAreNotStorable) {
    EXPECT_FALSE(isStorable("a\xA7"));
    EXPECT_FALSE(isStorable("a\x1A"));
    EXPECT_TRUE(isStorable("a\r\nb"));
}

TEST(ExamineeRecord, SameContentIgnoresEntryZeroOnly) {
    ExamineeRecord a, b;
    setText(a.notes[0], "no item");
    EXPECT_TRUE(sameContent(a, b));
    b.scores[168] = kPass;
    EXPECT_FALSE(sameContent(a, b));
}

}  // namespace
}  // namespace lun4
