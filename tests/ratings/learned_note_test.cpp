#include "ratings/learned_note.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Ana won last week and won again tonight; Bo lost both; Cy came tonight;
// Dee is named nowhere. Ana's change is tonight's match only.
TEST(LearnedRatings, SayEachKnownPlayersRatingAndItsChangeTonight) {
    const std::string lastWeek = "2026-03-07 21:00\t1\t1\tAna\t1\t1500\tBo\t2\t1500\r\n";
    const std::string tonight = "2026-03-14 21:00\t2\t1\tAna\t1\t1500\tBo\t2\t1500\tCy\t2\t1400?\r\n";
    const std::vector<LearnedRating> before = learnedRatings(lastWeek, {"Ana"});
    const std::vector<LearnedRating> now = learnedRatings(lastWeek + tonight, {"Ana", "Bo", "Cy", "Dee"});
    ASSERT_TRUE(before[0].known);
    EXPECT_GT(before[0].rating, 1500);
    EXPECT_TRUE(now[0].known);
    EXPECT_FALSE(now[0].new_tonight);
    EXPECT_EQ(now[0].rated_matches, 2);
    EXPECT_GT(now[0].tonight_change, 0);
    EXPECT_EQ(now[0].tonight_change, now[0].rating - before[0].rating);
    EXPECT_LT(now[1].tonight_change, 0);
    EXPECT_TRUE(now[2].known && now[2].new_tonight);
    EXPECT_EQ(now[2].rated_matches, 1);
    EXPECT_FALSE(now[3].known);
}

TEST(LearnedRatings, NameTheNewPlayersOfTonight) {
    EXPECT_EQ(newPlayersNote({L"Mo", L"\u0412\u043b\u0430\u0434"}), L"new tonight: Mo, \u0412\u043b\u0430\u0434");
    EXPECT_EQ(newPlayersNote({}), L"");
}

}  // namespace
