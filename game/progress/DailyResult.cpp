#include "DailyResult.h"

#include <QCoreApplication>

namespace DailyResult {

QString ClockText(std::int64_t seconds)
{
    seconds = std::max<std::int64_t>(seconds, 0);
    const QLatin1Char zero('0');
    if (seconds < 3600)
        return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, zero);
    return QStringLiteral("%1:%2:%3").arg(seconds / 3600).arg(seconds / 60 % 60, 2, 10, zero).arg(seconds % 60, 2, 10, zero);
}

QString ShareLine(const GameRecord& record)
{
    const QString date = QString::fromStdString(record.DailyDate);
    if (!record.Fewest)
        return QCoreApplication::translate("DailyResult", "Tilora daily %1: %2 × %2, %n tiles moved, %3", nullptr,
                                           record.TilesMoved)
            .arg(date).arg(record.N).arg(ClockText(record.Seconds));
    return QCoreApplication::translate("DailyResult", "Tilora daily %1: %2 × %2, %n tiles moved (fewest %3), %4",
                                       nullptr, record.TilesMoved)
        .arg(date).arg(record.N).arg(*record.Fewest).arg(ClockText(record.Seconds));
}

QString StreakText(int days)
{
    return QCoreApplication::translate("DailyResult", "%n day(s) in a row", nullptr, days);
}

} // namespace DailyResult
