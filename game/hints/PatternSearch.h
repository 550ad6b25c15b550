#pragma once

#include "PatternLookup.h"
#include "SlideHint.h"

// The first move of a shortest solution of a 4 x 4 slider position, by IDA* over `tables`: the
// bound is the larger of the groups' sums for the position and for its mirror image. Other sizes
// are Invalid.
SlideHint SearchShortest4x4(const HintPosition& position, const PatternLookup& tables, const ShortestSearch& search = {});
