#include "ScoreboardRows.h"

#include "ScoreTable.h"
#include "TimeText.h"

#include <QCoreApplication>

namespace ScoreboardRows {

QStringList ColumnTitles()
{
    return {QCoreApplication::translate("ScoreboardRows", "Name"), QCoreApplication::translate("ScoreboardRows", "Difficulty"), QCoreApplication::translate("ScoreboardRows", "Time"),
            QCoreApplication::translate("ScoreboardRows", "Moves")};
}

int ColumnWidth(int column, int listWidth)
{
    static constexpr double Shares[ColumnCount] = {0.25, 0.2, 0.3, 0.2};
    if (column < 0 || column >= ColumnCount)
        return 0;
    return static_cast<int>(listWidth * Shares[column]);
}

QStringList CellTexts(const ScoreEntry& entry)
{
    return {entry.Name, QCoreApplication::translate("ScoreboardRows", "%1 x %1").arg(entry.Difficulty), ScoreboardTimeText(entry.Time),
            QString::number(entry.Moves)};
}

}  // namespace ScoreboardRows
