#pragma once

#include "HintPosition.h"
#include "HintStatus.h"

struct SwapHint {
    HintStatus status = HintStatus::Invalid;
    int firstCell = -1;
    int secondCell = -1;
    int swapsToGo = 0;
};

// The fewest swaps that finish a tile-swap position: tiles minus cycles of the arrangement, since
// a swap can split one cycle in two at best. -1 for a position that is not a tile-swap position.
int SwapsToGo(const HintPosition& position);

// A swap on a shortest way home: one that puts both tiles home when there is one, else one that
// puts the first misplaced tile's occupant home.
SwapHint FindSwapHint(const HintPosition& position);
