#pragma once

#include "GameSession.h"
#include "HistoryRecorder.h"

#include <QObject>
#include <QString>
#include <thread>

class CommandTable;
class GameSettings;
class Profile;
class PuzzleRoutes;
class PuzzlePicture;
class QStatusBar;
class QWidget;

// The player's progress in the window: every game the player finishes goes into the history, the
// statistics window and the daily puzzle are a command away, and a finished daily puzzle ends
// with its line to share. It follows the session for itself; its Announcer follows after the
// congratulations, so the history has the game before any dialog shows.
class PlayerProgress : public QObject, public SessionListener {
    Q_OBJECT
public:
    // Before the kept game is carried on: a daily puzzle left at the last close stays one.
    PlayerProgress(QWidget& window, Profile& profile, GameSession& session, GameSettings& settings,
                   PuzzleRoutes& routes, const PuzzlePicture& puzzle, QStatusBar& status,
                   HistoryRecorder recorder = HistoryRecorder());

    // Today's daily puzzle: a 4 x 4 slider of the built-in picture, the size and mode set to it.
    void StartDaily();
    void OpenStatistics();
    std::optional<GameRecord> LastRecord() const { return last_; }

    void Moved(const Move& move, const Position& before, const Position& after) override;
    void GameStarted() override;
    void Completed(const GameResult& result) override;
    // Told after the congratulations: shows a finished daily puzzle's result.
    SessionListener* Announcer() { return &announcer_; }

private:
    struct DailyAnnouncer : SessionListener {
        PlayerProgress* Owner = nullptr;
        void Completed(const GameResult&) override { Owner->AnnounceDaily(); }
    };
    void AnnounceDaily();
    // Whether the game just begun is the daily puzzle of the date kept at the last close.
    bool CarriesOnKeptDaily(std::chrono::year_month_day date) const;
    void KeepDailyMark();
    // The fewest tile moves (swaps in tile swap) that solve the game's starting position: at once
    // for tile swap, from a worker for 3 x 3 and 4 x 4 sliders, unknown for the rest.
    void FindFewest();
    void FewestFound(std::uint64_t game, int fewest);
    QString PictureName() const;

    QWidget& window_;
    Profile& profile_;
    GameSession& session_;
    GameSettings& settings_;
    PuzzleRoutes& routes_;
    const PuzzlePicture& puzzle_;
    QStatusBar& status_;
    HistoryRecorder recorder_;
    DailyAnnouncer announcer_;
    bool startingDaily_ = false;
    std::optional<std::chrono::year_month_day> keptDaily_;  // until the first game begins
    int tilesMoved_ = 0;  // a slide of several tiles counts each; a swap counts once
    std::optional<int> fewest_;
    std::uint64_t game_ = 0;  // counts games begun, so that a late answer for an earlier one is dropped
    std::jthread shortest_;
    std::optional<GameRecord> last_;  // the game just finished, until the next begins
};
