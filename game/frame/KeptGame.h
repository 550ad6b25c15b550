#pragma once

#include "GameSession.h"
#include "SavedGame.h"

#include <optional>
#include <string>

class Profile;

// A kept game as it can be carried on: its record and the position the record holds.
struct KeptRecord {
    SavedGame Saved;
    Position At;
};

// The game in play kept in the profile from one run to the next: stored at close, taken back
// once at the next start. It follows the session for itself: a completed game is no longer kept.
class KeptGame : public SessionListener {
public:
    KeptGame(Profile& profile, GameSession& session) : profile_(profile), session_(session) {}

    // The game kept at the last close, when it can be carried on at size n in mode. Read once: a
    // record that cannot be carried on must not stop every later start as well.
    std::optional<KeptRecord> Take(int n, GameMode mode);
    // Carries a taken game on in the session: its position, count, time and hints go on.
    void Resume(const KeptRecord& kept);
    // Keeps the game in play, on its picture (empty: the built-in one), with the fewest moves
    // from its start (negative: unknown) for the note at its finish; a finished game is not kept.
    void Store(const std::string& picture, int zipIndex, int fewest);

    void Completed(const GameResult& result) override;

private:
    Profile& profile_;
    GameSession& session_;
};
