#pragma once

#include "Profile.h"
#include "ScoreTable.h"

#include <gtest/gtest.h>

// Dialog tests over the test's private profile, starting every case without scoreboards.
class ScoreProfileFixture : public ::testing::Test {
protected:
    static constexpr int TileSwap = 0;
    static constexpr int Slider = 1;

    void SetUp() override
    {
        profile_.DeleteSection(ScorePair::TileSwapSection);
        profile_.DeleteSection(ScorePair::SliderSection);
    }

    // The boards as the profile holds them now.
    ScorePair StoredScores()
    {
        ScorePair scores(profile_);
        scores.LoadScores();
        return scores;
    }

    static bool SameTable(const ScoreTable& a, const ScoreTable& b)
    {
        for (int place = 0; place < ScoreTable::Places; ++place)
            if (!(a[place] == b[place]))
                return false;
        return true;
    }

    Profile profile_;
};
