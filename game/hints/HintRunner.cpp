#include "HintRunner.h"

HintRunner::~HintRunner()
{
    Cancel();
}

std::uint64_t HintRunner::Start(HintPosition position, Deliver deliver)
{
    Cancel();
    const std::uint64_t request = ++lastRequest_;
    worker_ = std::jthread([this, request, position = std::move(position),
                            deliver = std::move(deliver)](std::stop_token stop) {
        Search(stop, request, position, deliver);
    });
    return request;
}

void HintRunner::Cancel()
{
    if (!worker_.joinable())
        return;
    worker_.request_stop();
    worker_.join();
}

void HintRunner::Search(std::stop_token stop, std::uint64_t request, const HintPosition& position,
                        const Deliver& deliver)
{
    SlideHint hint;
    if (const std::optional<SlideHint> kept = plan_.Continue(position)) {
        hint = *kept;
    } else {
        ShortestSearch search;
        search.stop = stop;
        hint = FindSlideHint(position, search);
        plan_.Keep(position, hint);
    }
    if (hint.status != HintStatus::Cancelled && !stop.stop_requested())
        deliver(request, hint);
}
