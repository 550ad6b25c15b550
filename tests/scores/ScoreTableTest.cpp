#include "Profile.h"
#include "ScoreTable.h"

#include <gtest/gtest.h>
#include <utility>

TEST(ScoreTable, TieWithAPlaceGoesBelowIt)
{
    ScoreTable table = ScoreTable::DefaultTileSwap();
    const ScoreTable before = table;
    ASSERT_TRUE(table.Qualifies(4, 15, 19));  // same as place 6, better than place 9
    table.InsertScore("Ann", 4, 15, 19);

    for (int i = 0; i <= 6; ++i)
        EXPECT_EQ(table[i], before[i]) << "place " << i;
    EXPECT_EQ(table[7], (ScoreEntry{"Ann", 4, 19, 15}));
    EXPECT_EQ(table[8], before[7]);
    EXPECT_EQ(table[9], before[8]);  // the old last place is gone
}

TEST(ScoreTable, QualifyingComparesDifficultyThenTimeThenMoves)
{
    const ScoreTable table = ScoreTable::DefaultTileSwap();  // last place: 3 x 3, 7 s, 9 moves
    EXPECT_FALSE(table.Qualifies(3, 7, 9));   // equal in everything
    EXPECT_TRUE(table.Qualifies(3, 7, 8));    // fewer moves
    EXPECT_FALSE(table.Qualifies(3, 7, 10));
    EXPECT_TRUE(table.Qualifies(3, 6, 500));  // time counts before moves
    EXPECT_FALSE(table.Qualifies(3, 8, 1));
    EXPECT_TRUE(table.Qualifies(4, 100000, 99999));  // a greater size always qualifies
    EXPECT_FALSE(table.Qualifies(2, 0, 0));
}

TEST(ScoreTable, SlowResultAtAGreaterSizeLandsBelowTheFasterOnes)
{
    ScoreTable table = ScoreTable::DefaultTileSwap();
    table.InsertScore("Slow", 4, 100000, 99999);
    EXPECT_EQ(table[8].Name, "Slow");  // below both 4 x 4 places, above the 3 x 3 one
    EXPECT_EQ(table[9].Difficulty, 3);
    EXPECT_EQ(table[9].Time, 5);

    table.InsertScore("Best", 10, 1, 1);
    EXPECT_EQ(table[0].Name, "Best");
    EXPECT_EQ(table[1].Time, 1111);
}

TEST(ScoreTable, AResultThatBeatsNoPlaceChangesNothing)
{
    ScoreTable table = ScoreTable::DefaultSlider();
    const ScoreTable before = table;
    table.InsertScore("Late", 3, 19, 62);
    for (int i = 0; i < ScoreTable::Places; ++i)
        EXPECT_EQ(table[i], before[i]);
}

TEST(ScoreTable, InsertionIntoAnUnsortedTableTakesTheFirstPlaceItBeats)
{
    ScoreTable table = ScoreTable::DefaultTileSwap();
    table[2] = ScoreEntry{"Odd", 3, 50, 500};  // out of order, as edited data may be
    table.InsertScore("New", 5, 100, 100);
    EXPECT_EQ(table[2].Name, "New");
    EXPECT_EQ(table[3].Name, "Odd");
}

TEST(ScorePair, EachModeRanksOnItsOwnTable)
{
    Profile profile;
    ScorePair pair(profile);  // the default tables, without loading
    // 3 x 3 in 15 s: too slow for tile swap (last 7 s), fast enough for slider (last 19 s).
    EXPECT_FALSE(pair.Qualifies(0, 3, 15, 100));
    EXPECT_TRUE(pair.Qualifies(1, 3, 15, 100));

    pair.InsertScore(1, "Sam", 3, 15, 100);
    EXPECT_EQ(pair.Slider()[9].Name, "Sam");
    EXPECT_EQ(std::as_const(pair).ForMode(1)[9].Time, 15);
    EXPECT_EQ(pair.TileSwap()[9], ScoreTable::DefaultTileSwap()[9]);
}
