#pragma once

#include "SlideHint.h"

#include <optional>

// The last solution found, kept so that a player who follows the hints (or moves along the same
// solution) gets the next one at once instead of a new search.
class SlidePlan {
public:
    void Keep(const HintPosition& start, const SlideHint& hint);
    // The rest of the kept solution when `position` lies on it, before its end.
    std::optional<SlideHint> Continue(const HintPosition& position) const;

private:
    HintPosition start_;
    SlideHint hint_;
};
