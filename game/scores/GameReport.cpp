#include "GameReport.h"

#include "Profile.h"
#include "ScoreTable.h"
#include "TimeText.h"

#include <QCoreApplication>
#include <climits>

namespace GameReport {

QString DifficultyLine(int n, bool withHints)
{
    const char* const line = withHints ? QT_TRANSLATE_NOOP("GameReport", "Puzzle difficulty : %1 x %1 (%2) (with hints)")
                                       : QT_TRANSLATE_NOOP("GameReport", "Puzzle difficulty : %1 x %1 (%2)");
    return QCoreApplication::translate("GameReport", line).arg(n).arg(SkillTitle(n));
}

QString TimeTakenLine(long seconds)
{
    return QCoreApplication::translate("GameReport", "Time taken : %1").arg(CongratulationsTimeText(seconds));
}

QString MovesMadeLine(int moves)
{
    return QCoreApplication::translate("GameReport", "Moves made : %n", nullptr, moves);
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
    return profile.GetProfileString(ScorePair::TileSwapSection, PlayerNameEntry,
                                    QCoreApplication::translate("GameReport", DefaultPlayerName));
}

QString NameToRecord(const QString& typed)
{
    if (typed.trimmed().isEmpty())
        return QCoreApplication::translate("GameReport", DefaultPlayerName);
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
