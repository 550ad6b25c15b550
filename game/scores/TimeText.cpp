#include "TimeText.h"

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
        return QString("%1 hrs, %2 mins, %3 secs").arg(t.Hours).arg(t.Minutes).arg(t.Seconds);
    if (t.Minutes != 0)
        return QString("%1 mins, %2 secs").arg(t.Minutes).arg(t.Seconds);
    return QString("%1 secs").arg(t.Seconds);
}

QString ScoreboardTimeText(long seconds)
{
    const ClockReading t = Read(seconds);
    if (t.Hours > 0)
        return QString("%1 hrs %2 mins %3 secs")
            .arg(TwoDigits(t.Hours), TwoDigits(t.Minutes), TwoDigits(t.Seconds));
    if (t.Minutes > 0)
        return QString("%1 mins %2 secs").arg(TwoDigits(t.Minutes), TwoDigits(t.Seconds));
    return QString("%1 secs").arg(TwoDigits(t.Seconds));
}

QString SkillTitle(int n)
{
    static const char* const titles[] = {"Beginner", "Novice", "Amateur", "Seasoned",
                                         "Expert",   "Pro",    "Ace",     "Grandmaster"};
    if (n < 3 || n > 10)
        return QString("");
    return QString::fromLatin1(titles[n - 3]);
}
