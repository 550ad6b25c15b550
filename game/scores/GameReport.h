#pragma once

#include "GameResult.h"

#include <QCoreApplication>
#include <QString>

class Profile;
class ScorePair;

// What the congratulations dialog says about a finished game, and how it records a place on the
// scoreboard. Plain logic, so it is tested without a window.
namespace GameReport {

constexpr const char* DefaultPlayerName = QT_TRANSLATE_NOOP("GameReport", "Player 1");  // shown translated
constexpr const char* PlayerNameEntry = "PlayerName";
// Longest name the name box takes; the scoreboard's Name column has room for about this much.
constexpr int MaxNameLength = 32;

// A game played with hints says so after its size.
QString DifficultyLine(int n, bool withHints = false);
QString TimeTakenLine(long seconds);
QString MovesMadeLine(int moves);

// The time that is ranked and stored: the whole seconds, held within what a score can store.
// A clock set back during play would give a negative time that beats every real result.
int RankedTime(long elapsed);

// A game played with hints never earns a place.
bool Qualifies(const ScorePair& scores, const GameResult& result);

// The name offered in the name box: the one last recorded, else "Player 1".
QString RememberedPlayerName(const Profile& profile);

// The name a typed entry is recorded under: blank (empty or only spaces) gives "Player 1",
// a longer one is cut to MaxNameLength; anything else stays exactly as typed.
QString NameToRecord(const QString& typed);

// Puts the result on the board of its mode, saves both boards and remembers the name.
// The caller has checked Qualifies.
void RecordResult(ScorePair& scores, Profile& profile, const GameResult& result, const QString& typedName);

}  // namespace GameReport
