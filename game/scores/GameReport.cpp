#include "GameReport.h"

#include "Profile.h"
#include "ScoreTable.h"
#include "TimeText.h"

#include <climits>

namespace GameReport {

QString DifficultyLine(int n, bool withHints)
{
    const QString line = QStringLiteral("Puzzle difficulty : %1 x %1 (%2)").arg(n).arg(SkillTitle(n));
    return withHints ? line + QStringLiteral(" (with hints)") : line;
}

QString TimeTakenLine(long seconds)
{
    return QStringLiteral("Time taken : %1").arg(CongratulationsTimeText(seconds));
}

QString MovesMadeLine(int moves)
{
    return QStringLiteral("Moves made : %1").arg(moves);
}

int RankedTime(long elapsed)
{
    if (elapsed < 0)
        return 0;
    return elapsed > INT_MAX ? INT_MAX : static_cast<int>(elapsed);
}

bool Qualifies(const ScorePair& scores, const GameResult& result)
{
    return !result.WithHints
           && scores.Qualifies(result.Mode, result.N, RankedTime(result.Elapsed), result.Moves);
}

QString RememberedPlayerName(const Profile& profile)
{
    return profile.GetProfileString(ScorePair::TileSwapSection, PlayerNameEntry, DefaultPlayerName);
}

QString NameToRecord(const QString& typed)
{
    if (typed.trimmed().isEmpty())
        return DefaultPlayerName;
    return typed.left(MaxNameLength);
}

void RecordResult(ScorePair& scores, Profile& profile, const GameResult& result, const QString& typedName)
{
    const QString name = NameToRecord(typedName);
    scores.InsertScore(result.Mode, name, result.N, RankedTime(result.Elapsed), result.Moves);
    scores.SaveScores();
    profile.WriteProfileString(ScorePair::TileSwapSection, PlayerNameEntry, name);
    profile.Flush();
}

}  // namespace GameReport
