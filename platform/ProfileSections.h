#pragma once

#include <array>

// The sections the game keeps in the profile. The game's stores name their section from here, and
// the uninstaller removes exactly these, so a section added to the game cannot be left behind.
namespace ProfileSections {

inline constexpr const char* Settings = "Settings";          // the options
inline constexpr const char* Scores = "Scores";              // the tile-swap scoreboard
inline constexpr const char* SliderScores = "SliderScores";  // the slider scoreboard
inline constexpr const char* Game = "Game";                  // the game in play at close

inline constexpr std::array<const char*, 4> All = {Settings, Scores, SliderScores, Game};

} // namespace ProfileSections
