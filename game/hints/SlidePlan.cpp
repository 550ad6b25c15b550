#include "SlidePlan.h"

void SlidePlan::Keep(const HintPosition& start, const SlideHint& hint)
{
    if (hint.status != HintStatus::Found)
        return;
    start_ = start;
    hint_ = hint;
}

std::optional<SlideHint> SlidePlan::Continue(const HintPosition& position) const
{
    if (position.n != start_.n)
        return std::nullopt;
    HintPosition along = start_;
    for (std::size_t step = 0; step < hint_.path.size(); ++step) {
        if (along == position) {
            std::vector<int> rest(hint_.path.begin() + static_cast<std::ptrdiff_t>(step), hint_.path.end());
            return HintFromPath(position, std::move(rest), hint_.shortest);
        }
        SlideIntoHole(along, hint_.path[step]);
    }
    return std::nullopt;
}
