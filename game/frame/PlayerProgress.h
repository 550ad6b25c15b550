#pragma once

#include "GameSession.h"
#include "HistoryRecorder.h"

#include <QObject>
#include <QString>

class CommandTable;
class FewestMovesNote;
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
                   PuzzleRoutes& routes, const PuzzlePicture& puzzle, const FewestMovesNote& fewest,
                   QStatusBar& status, HistoryRecorder recorder = HistoryRecorder());

    // Today's daily puzzle: a 4 x 4 slider of the built-in picture, the size and mode set to it.
    void StartDaily();
    void OpenStatistics();
    std::optional<GameRecord> LastRecord() const { return last_; }

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
    // A daily puzzle not yet begun says how few tile moves it takes, once that is known.
    void SayDailyFewest(int fewest);
    QString PictureName() const;

    QWidget& window_;
    Profile& profile_;
    GameSession& session_;
    GameSettings& settings_;
    PuzzleRoutes& routes_;
    const PuzzlePicture& puzzle_;
    const FewestMovesNote& fewest_;
    QStatusBar& status_;
    HistoryRecorder recorder_;
    DailyAnnouncer announcer_;
    bool startingDaily_ = false;
    std::optional<std::chrono::year_month_day> keptDaily_;  // until the first game begins

    std::optional<GameRecord> last_;  // the game just finished, until the next begins
};
