#include "SlideHint.h"

HintStatus SlideStatus(const HintPosition& position)
{
    if (!IsSliderPosition(position))
        return HintStatus::Invalid;
    if (IsSolvedSlider(position))
        return HintStatus::Solved;
    if (!IsSolvableSlider(position))
        return HintStatus::Unsolvable;
    return HintStatus::Found;
}

SlideHint HintFromPath(const HintPosition& position, std::vector<int> path, bool shortest)
{
    SlideHint hint;
    if (path.empty()) {
        hint.status = HintStatus::Solved;
        return hint;
    }
    hint.status = HintStatus::Found;
    hint.tileCell = path.front();
    hint.holeCell = position.HoleCell();
    hint.movesToGo = static_cast<int>(path.size());
    hint.shortest = shortest;
    hint.path = std::move(path);
    return hint;
}

SlideHint FindSlideHint(const HintPosition& position, const ShortestSearch& search)
{
    if (position.n > 4)
        return FindGoodSlide(position, search.stop);
    return FindShortestSlide(position, search);
}
