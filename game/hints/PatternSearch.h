#pragma once

#include "PatternTables.h"
#include "SlideHint.h"

// The first move of a shortest solution of a 4 x 4 slider position, by IDA* over `tables`.
// Other sizes are Invalid.
// The bound is the largest of each partition's sums, for the position and its mirror image.
SlideHint SearchShortest4x4(const HintPosition& position, const std::vector<const PatternTables*>& tables,
                            const ShortestSearch& search = {});
