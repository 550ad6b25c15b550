#include "TimeText.h"

#include <QCoreApplication>

namespace {

struct ClockReading {
    long Hours;    // of the day, 0..23
    long Minutes;  // 0..59
    long Seconds;  // 0..59
};

ClockReading Read(long seconds)
{
    if (seconds < 0)
        seconds = 0;
    return {(seconds / 3600) % 24, (seconds / 60) % 60, seconds % 60};
}

QString TwoDigits(long value)
{
    return QString::number(value).rightJustified(2, '0');
}

} // namespace

QString CongratulationsTimeText(long seconds)
{
    const ClockReading t = Read(seconds);
    if (t.Hours != 0)
        return QCoreApplication::translate("TimeText", "%1 hrs, %2 mins, %3 secs").arg(t.Hours).arg(t.Minutes).arg(t.Seconds);
    if (t.Minutes != 0)
        return QCoreApplication::translate("TimeText", "%1 mins, %2 secs").arg(t.Minutes).arg(t.Seconds);
    return QCoreApplication::translate("TimeText", "%1 secs").arg(t.Seconds);
}

QString ScoreboardTimeText(long seconds)
{
    const ClockReading t = Read(seconds);
    if (t.Hours > 0)
        return QCoreApplication::translate("TimeText", "%1 hrs %2 mins %3 secs")
            .arg(TwoDigits(t.Hours), TwoDigits(t.Minutes), TwoDigits(t.Seconds));
    if (t.Minutes > 0)
        return QCoreApplication::translate("TimeText", "%1 mins %2 secs").arg(TwoDigits(t.Minutes), TwoDigits(t.Seconds));
    return QCoreApplication::translate("TimeText", "%1 secs").arg(TwoDigits(t.Seconds));
}

QString SkillTitle(int n)
{
    static const char* const titles[] = {
        QT_TRANSLATE_NOOP("TimeText", "Beginner"), QT_TRANSLATE_NOOP("TimeText", "Novice"),
        QT_TRANSLATE_NOOP("TimeText", "Amateur"),  QT_TRANSLATE_NOOP("TimeText", "Seasoned"),
        QT_TRANSLATE_NOOP("TimeText", "Expert"),   QT_TRANSLATE_NOOP("TimeText", "Pro"),
        QT_TRANSLATE_NOOP("TimeText", "Ace"),      QT_TRANSLATE_NOOP("TimeText", "Grandmaster")};
    if (n < 3 || n > 10)
        return QString("");
    return QCoreApplication::translate("TimeText", titles[n - 3]);
}
