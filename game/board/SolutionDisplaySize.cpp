#include "SolutionDisplaySize.h"

namespace {

constexpr int LongerSide = 200;

}  // namespace

QSize SolutionDisplaySize(int naturalWidth, int naturalHeight)
{
    if (naturalWidth < 1 || naturalHeight < 1)
        return QSize(LongerSide, LongerSide);
    if (naturalWidth > naturalHeight) {
        const float ratio = static_cast<float>(naturalWidth) / static_cast<float>(naturalHeight);
        return QSize(LongerSide, static_cast<int>(LongerSide / ratio));
    }
    const float ratio = static_cast<float>(naturalHeight) / static_cast<float>(naturalWidth);
    return QSize(static_cast<int>(LongerSide / ratio), LongerSide);
}
