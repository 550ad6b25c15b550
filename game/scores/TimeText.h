#pragma once

#include <QString>

// How a number of seconds reads in the dialogs. Whole days are dropped from both texts (the
// full seconds are what is ranked and stored); a negative time reads as 0 seconds.

// "%d hrs, %d mins, %d secs" / "%d mins, %d secs" / "%d secs", plain numbers.
QString CongratulationsTimeText(long seconds);
// "%H hrs %M mins %S secs" / "%M mins %S secs" / "%S secs", each number with two digits.
QString ScoreboardTimeText(long seconds);
// "Beginner" for 3 up to "Grandmaster" for 10; "" for any other size.
QString SkillTitle(int n);
