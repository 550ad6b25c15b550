#pragma once

#include "ProfileSections.h"

#include <QString>
#include <array>

class Profile;

struct ScoreEntry {
    QString Name;
    int Difficulty = 0;
    int Moves = 0;
    int Time = 0;  // seconds

    bool operator==(const ScoreEntry& other) const = default;
};

// Ten places, index 0 the best. A result ranks above another by greater Difficulty, then
// smaller Time, then fewer Moves; a newcomer that ties goes below.
class ScoreTable {
public:
    static constexpr int Places = 10;

    const ScoreEntry& operator[](int place) const { return places_[place]; }
    ScoreEntry& operator[](int place) { return places_[place]; }

    // Whether the result beats the last place.
    bool Qualifies(int difficulty, int time, int moves) const;
    // Puts the result at the first place it ranks above; the last place drops out.
    void InsertScore(const QString& name, int difficulty, int time, int moves);

    static ScoreTable DefaultTileSwap();
    static ScoreTable DefaultSlider();

private:
    std::array<ScoreEntry, Places> places_;
};

// Both scoreboards, stored in the profile sections "Scores" (tile swap) and "SliderScores"
// (slider), with every integer complemented. Each user loads its own pair.
class ScorePair {
public:
    static constexpr const char* TileSwapSection = ProfileSections::Scores;
    static constexpr const char* SliderSection = ProfileSections::SliderScores;
    static constexpr int SliderMode = 1;  // any other mode uses the tile-swap table

    explicit ScorePair(Profile& profile) : profile_(profile) {}

    // Fills both tables; any missing Difficulty restores (and writes) both default tables.
    void LoadScores();
    // Writes both tables and flushes them to the disk.
    void SaveScores();
    void ResetScores();

    // gameMode is the PuzzleMode setting: 0 tile swap, 1 slider.
    bool Qualifies(int gameMode, int difficulty, int time, int moves) const;
    void InsertScore(int gameMode, const QString& name, int difficulty, int time, int moves);

    const ScoreTable& TileSwap() const { return tileSwap_; }
    const ScoreTable& Slider() const { return slider_; }
    const ScoreTable& ForMode(int gameMode) const;

private:
    ScoreTable& ForMode(int gameMode);
    Profile& profile_;
    ScoreTable tileSwap_ = ScoreTable::DefaultTileSwap();
    ScoreTable slider_ = ScoreTable::DefaultSlider();
};
