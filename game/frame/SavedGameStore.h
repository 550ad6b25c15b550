#pragma once

#include "ProfileSections.h"
#include "SavedGame.h"

class Profile;

// The game in play kept in section "Game" of the profile, every value as plain text or a number.
namespace SavedGameStore {

constexpr const char* Section = ProfileSections::Game;

void Store(Profile& profile, const SavedGame& saved);
// What the section holds; missing or unreadable values come back as values RestoredPosition
// refuses.
SavedGame Load(const Profile& profile);
void Forget(Profile& profile);

} // namespace SavedGameStore
