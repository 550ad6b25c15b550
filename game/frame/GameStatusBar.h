#pragma once

#include "GameSession.h"

#include <QStatusBar>
#include <QTimer>
#include <functional>

class QLabel;

// What the status bar reports of the game in play.
struct StatusFacts {
    int Moves = 0;
    long Seconds = 0;
    int N = 0;
    GameMode Mode = GameMode::TileSwap;
};

// The facts of the session's game as it stands.
StatusFacts StatusFactsOf(const GameSession& session);

// The line below the board: the moves, the running time as the scoreboard writes times, the size
// and the mode, or the word of the last hint in place of the time, size and mode while it holds.
// It reads the facts again every second while shown, on Refresh, and whenever the session changes.
class GameStatusBar : public QStatusBar, public SessionListener {
    Q_OBJECT
public:
    using FactsSource = std::function<StatusFacts()>;

    GameStatusBar(FactsSource facts, QWidget* parent);

    void Refresh();
    // Any change of the game ends a note.
    void Changed() override;
    // Empty: no hint word.
    void SetHint(const QString& text);
    // A note across the whole line, in place of the facts, until the game changes.
    void ShowNote(const QString& text);
    // Everything shown, in order.
    QString Text() const;

private:
    FactsSource facts_;
    QLabel* moves_ = nullptr;
    QLabel* time_ = nullptr;
    QLabel* puzzle_ = nullptr;
    QString hint_;
    QTimer ticks_;
};
