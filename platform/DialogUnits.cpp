#include "DialogUnits.h"

#include <QFontMetrics>
#include <QWidget>

namespace {

// MulDiv-style rounding, half away from zero, for the non-negative measures used here.
int ScaleRounded(int value, int numerator, int denominator)
{
    return (value * numerator + denominator / 2) / denominator;
}

}  // namespace

DialogUnits::DialogUnits(const QWidget& dialog)
{
    const QFontMetrics metrics(dialog.font());
    const QString alphabet = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    baseX_ = qMax(1, ScaleRounded(metrics.horizontalAdvance(alphabet), 1, 52));
    baseY_ = qMax(1, metrics.height());
}

int DialogUnits::X(int units) const
{
    return ScaleRounded(units, baseX_, 4);
}

int DialogUnits::Y(int units) const
{
    return ScaleRounded(units, baseY_, 8);
}
