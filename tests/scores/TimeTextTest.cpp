#include "TimeText.h"

#include <gtest/gtest.h>

TEST(TimeText, CongratulationsWritesPlainNumbersAndDropsDays)
{
    EXPECT_EQ(CongratulationsTimeText(3605), "1 hrs, 0 mins, 5 secs");
    EXPECT_EQ(CongratulationsTimeText(65), "1 mins, 5 secs");
    EXPECT_EQ(CongratulationsTimeText(0), "0 secs");
    EXPECT_EQ(CongratulationsTimeText(25 * 3600), "1 hrs, 0 mins, 0 secs");
    EXPECT_EQ(CongratulationsTimeText(24 * 3600 + 59), "59 secs");  // a whole day shows nothing
    EXPECT_EQ(CongratulationsTimeText(-30), "0 secs");
}

TEST(TimeText, ScoreboardWritesTwoDigitsAndDropsDays)
{
    EXPECT_EQ(ScoreboardTimeText(1111), "18 mins 31 secs");
    EXPECT_EQ(ScoreboardTimeText(5), "05 secs");
    EXPECT_EQ(ScoreboardTimeText(3725), "01 hrs 02 mins 05 secs");
    EXPECT_EQ(ScoreboardTimeText(25 * 3600), "01 hrs 00 mins 00 secs");
    EXPECT_EQ(ScoreboardTimeText(3600 + 40), "01 hrs 00 mins 40 secs");
    EXPECT_EQ(ScoreboardTimeText(-1000), "00 secs");  // a time missing from the profile
}

TEST(TimeText, SkillTitlesCoverThreeToTen)
{
    EXPECT_EQ(SkillTitle(3), "Beginner");
    EXPECT_EQ(SkillTitle(4), "Novice");
    EXPECT_EQ(SkillTitle(7), "Expert");
    EXPECT_EQ(SkillTitle(10), "Grandmaster");
    EXPECT_EQ(SkillTitle(2), "");
    EXPECT_EQ(SkillTitle(11), "");
}
