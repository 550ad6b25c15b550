#pragma once

#include "SlideHint.h"
#include "SlidePlan.h"

#include <cstdint>
#include <functional>
#include <thread>

// Runs slider hint searches off the interface thread. Tile-swap hints need no runner:
// FindSwapHint answers at once.
//
// How a window drives it, all from its own thread:
//  - on the hint command: request := Start(position, deliver), where `deliver` posts the hint back
//    to the window's thread (a queued call) and the window shows it only if its request number is
//    still the latest (a result may be on its way when the player moves);
//  - on every move, new game or close: Cancel(). Cancel returns once the worker has stopped, which
//    the searches check for every few thousand steps (well under a millisecond), so it may be
//    called freely.
// A cancelled search delivers nothing.
class HintRunner {
public:
    using Deliver = std::function<void(std::uint64_t request, const SlideHint& hint)>;

    HintRunner() = default;
    ~HintRunner();
    HintRunner(const HintRunner&) = delete;
    HintRunner& operator=(const HintRunner&) = delete;

    // Cancels any search still running and starts one for `position`. `deliver` is called once,
    // on the worker thread, unless the search is cancelled first; it must not call the runner.
    std::uint64_t Start(HintPosition position, Deliver deliver);
    void Cancel();

private:
    void Search(std::stop_token stop, std::uint64_t request, const HintPosition& position,
                const Deliver& deliver);

    std::uint64_t lastRequest_ = 0;
    SlidePlan plan_;  // touched by the one worker only; Start joins the previous one first
    std::jthread worker_;
};
