#include "ScoreTable.h"

#include "Profile.h"

namespace {

constexpr int Missing = 999;

// Result a ranks above result b: greater Difficulty, then smaller Time, then fewer Moves.
bool RanksAbove(int difficulty, int time, int moves, const ScoreEntry& other)
{
    if (difficulty != other.Difficulty)
        return difficulty > other.Difficulty;
    if (time != other.Time)
        return time < other.Time;
    return moves < other.Moves;
}

ScoreTable MakeTable(const std::array<ScoreEntry, ScoreTable::Places>& places)
{
    ScoreTable table;
    for (int i = 0; i < ScoreTable::Places; ++i)
        table[i] = places[i];
    return table;
}

QString Entry(const char* field, int place)
{
    return QString::fromLatin1(field) + QString::number(place);
}

// Stored integers are complemented, so that the file does not show the numbers plainly.
int ReadComplemented(const Profile& profile, const QString& section, const QString& entry)
{
    return ~profile.GetProfileInt(section, entry, Missing);
}

// False when a place has no Difficulty: the table is incomplete.
bool ReadTable(const Profile& profile, const QString& section, ScoreTable& table)
{
    for (int i = 0; i < ScoreTable::Places; ++i) {
        if (profile.GetProfileInt(section, Entry("Difficulty", i), Missing) == Missing)
            return false;
        ScoreEntry& place = table[i];
        place.Difficulty = ReadComplemented(profile, section, Entry("Difficulty", i));
        place.Name = profile.GetProfileString(section, Entry("Name", i), QString(""));
        place.Moves = ReadComplemented(profile, section, Entry("Moves", i));
        place.Time = ReadComplemented(profile, section, Entry("Time", i));
    }
    return true;
}

void WritePlace(Profile& profile, const QString& section, int i, const ScoreEntry& place)
{
    profile.WriteProfileString(section, Entry("Name", i), place.Name);
    profile.WriteProfileInt(section, Entry("Difficulty", i), ~place.Difficulty);
    profile.WriteProfileInt(section, Entry("Time", i), ~place.Time);
    profile.WriteProfileInt(section, Entry("Moves", i), ~place.Moves);
}

} // namespace

bool ScoreTable::Qualifies(int difficulty, int time, int moves) const
{
    return RanksAbove(difficulty, time, moves, places_[Places - 1]);
}

void ScoreTable::InsertScore(const QString& name, int difficulty, int time, int moves)
{
    // The table is not re-sorted: the newcomer takes the first place it beats.
    int place = 0;
    while (place < Places && !RanksAbove(difficulty, time, moves, places_[place]))
        ++place;
    if (place == Places)
        return;  // beats no place at all
    for (int j = Places - 2; j >= place; --j)
        places_[j + 1] = places_[j];
    places_[place] = ScoreEntry{name, difficulty, moves, time};
}

ScoreTable ScoreTable::DefaultTileSwap()
{
    return MakeTable({{
        {"TaLoNdRiX", 10, 318, 1111},
        {"Quibb", 9, 210, 854},
        {"TaLoNdRiX", 8, 192, 465},
        {"TaLoNdRiX", 7, 164, 251},
        {"Quibb", 6, 124, 110},
        {"Quibb", 5, 49, 36},
        {"TaLoNdRiX", 4, 19, 15},
        {"Quibb", 4, 22, 18},
        {"TaLoNdRiX", 3, 7, 5},
        {"Quibb", 3, 9, 7},
    }});
}

ScoreTable ScoreTable::DefaultSlider()
{
    return MakeTable({{
        {"Quibb", 10, 1124, 1754},
        {"Quibb", 9, 889, 1200},
        {"TaLoNdRiX", 8, 714, 721},
        {"TaLoNdRiX", 7, 578, 589},
        {"Quibb", 6, 356, 303},
        {"Quibb", 5, 209, 285},
        {"TaLoNdRiX", 4, 117, 154},
        {"Quibb", 4, 128, 159},
        {"TaLoNdRiX", 3, 58, 11},
        {"Quibb", 3, 62, 19},
    }});
}

void ScorePair::LoadScores()
{
    // Either table with a place missing puts both back to the defaults, so a partly present
    // scoreboard is never shown.
    if (!ReadTable(profile_, TileSwapSection, tileSwap_) || !ReadTable(profile_, SliderSection, slider_))
        ResetScores();
}

void ScorePair::SaveScores()
{
    for (int i = 0; i < ScoreTable::Places; ++i) {
        WritePlace(profile_, TileSwapSection, i, tileSwap_[i]);
        WritePlace(profile_, SliderSection, i, slider_[i]);
    }
    // A result just earned must survive a crash of the game.
    profile_.Flush();
}

void ScorePair::ResetScores()
{
    tileSwap_ = ScoreTable::DefaultTileSwap();
    slider_ = ScoreTable::DefaultSlider();
    SaveScores();
}

bool ScorePair::Qualifies(int gameMode, int difficulty, int time, int moves) const
{
    return ForMode(gameMode).Qualifies(difficulty, time, moves);
}

void ScorePair::InsertScore(int gameMode, const QString& name, int difficulty, int time, int moves)
{
    ForMode(gameMode).InsertScore(name, difficulty, time, moves);
}

const ScoreTable& ScorePair::ForMode(int gameMode) const
{
    return gameMode == SliderMode ? slider_ : tileSwap_;
}

ScoreTable& ScorePair::ForMode(int gameMode)
{
    return gameMode == SliderMode ? slider_ : tileSwap_;
}
