#pragma once

#include "GameSession.h"

#include <QObject>
#include <QString>
#include <cstdint>
#include <thread>

// How close the player came to the fewest moves. When a game starts, the fewest its starting
// position needs is worked out: for tile swap at once (tiles less cycles), for the slider on 3 x 3
// and 4 x 4 on a worker (shortest, in single-tile moves, so it is set beside the tiles moved
// rather than the game's count, where a slide of a line is one move). When the player solves the
// game, the note says both. A game carried over from an earlier run with moves already made has
// lost its start, and takes the fewest that run worked out (GameSession::KeptFewest). Larger
// sliders have no such count, and get no note.
class FewestMovesNote : public QObject, public SessionListener {
    Q_OBJECT
public:
    explicit FewestMovesNote(const GameSession& session, QObject* parent = nullptr);
    ~FewestMovesNote() override;

    void GameStarted() override;
    void Completed(const GameResult& result) override;
    // The fewest moves from the start of the game in play; -1 until known, or without one.
    int Fewest() const { return fewest_; }

signals:
    // The fewest of the game in play has just been worked out.
    void FewestFound(int fewest);
    // The note for the status line, once the game is solved and the fewest known.
    void Noted(const QString& text);

private:
    void Found(std::uint64_t game, int fewest);
    void NoteWhenBothKnown();

    const GameSession& session_;
    std::uint64_t game_ = 0;  // counts games, so that an answer for an earlier one is dropped
    int fewest_ = -1;
    bool solved_ = false;
    std::jthread worker_;
};
