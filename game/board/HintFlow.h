#pragma once

#include "GameSession.h"
#include "HintRunner.h"

#include <QObject>
#include <QString>
#include <optional>
#include <vector>

class BoardView;
class HintFlash;

// The Hint command from the request to the flash over the board. A tile-swap hint is found at
// once; a slider hint comes from a search off the interface thread and is shown when it arrives.
// Both say how many moves are left when that is the fewest: tile swaps, or on 3 x 3 and 4 x 4
// single-tile slides.
// A hint holds only for the position it was asked for: any other position cancels the search,
// drops an answer still on its way and ends the flash and its word.
class HintFlow : public QObject, public SessionListener {
    Q_OBJECT
public:
    HintFlow(GameSession& session, BoardView& board);
    ~HintFlow() override;

    // A hint for the position in play; nothing once the game is finished.
    void Request();
    // Stops the search, the flash and the word.
    void Cancel();
    HintFlash* Flash() const { return flash_; }

    void Changed() override;

signals:
    // The hint's word for the status line; empty when the hint no longer holds.
    void Worded(const QString& word);

private:
    void Deliver(std::uint64_t request, const SlideHint& hint);
    void Show(const std::vector<Cell>& cells, const QString& word);

    GameSession& session_;
    BoardView& board_;
    HintFlash* flash_;
    HintRunner runner_;
    std::uint64_t request_ = 0;
    std::optional<Position> askedFor_;
};
