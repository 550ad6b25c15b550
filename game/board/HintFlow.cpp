#include "HintFlow.h"

#include "BoardView.h"
#include "GameHint.h"
#include "HintFlash.h"

HintFlow::HintFlow(GameSession& session, BoardView& board)
    : QObject(&board), session_(session), board_(board), flash_(new HintFlash(&board))
{
    connect(flash_, &HintFlash::CellsChanged, &board, &BoardView::TellScreenReaders);
}

HintFlow::~HintFlow()
{
    runner_.Cancel();
}

void HintFlow::Request()
{
    if (session_.Finished())
        return;
    const Position& now = session_.Current();
    askedFor_ = now;
    if (now.Mode() == GameMode::TileSwap) {
        const SwapHint hint = FindSwapHint(HintPositionOf(now));
        return Show(HintCells(hint, now.N()), tr("Best: %n swaps to go", nullptr, hint.swapsToGo));
    }
    // The answer comes on the worker's thread; it is shown on this one.
    request_ = runner_.Start(HintPositionOf(now), [this](std::uint64_t request, const SlideHint& hint) {
        QMetaObject::invokeMethod(this, [this, request, hint] { Deliver(request, hint); },
                                  Qt::QueuedConnection);
    });
}

// A move since the request has made the answer stale; the position says so as well.
void HintFlow::Deliver(std::uint64_t request, const SlideHint& hint)
{
    if (request != request_ || askedFor_ != session_.Current())
        return;
    // Larger boards get a good move, not a shortest one: no count.
    Show(HintCells(hint, session_.Current().N()),
         hint.shortest ? tr("Best: %n tile moves to go", nullptr, hint.movesToGo) : QString());
}

void HintFlow::Show(const std::vector<Cell>& cells, const QString& word)
{
    if (cells.empty())
        return;
    session_.NoteHintShown();
    const ShownBoard board = board_.Shown();
    std::vector<QRect> rects;
    for (const Cell& cell : cells)
        rects.push_back(board.CellRect(cell));
    flash_->Flash(std::move(rects), SelectionColourFor(board_.Look().SelColour));
    emit Worded(word);
}

void HintFlow::Changed()
{
    if (askedFor_ && *askedFor_ != session_.Current())
        Cancel();
}

void HintFlow::Cancel()
{
    askedFor_.reset();
    runner_.Cancel();
    flash_->Stop();
    emit Worded(QString());
}
