#include "PlayerProgress.h"

#include "DailyPuzzle.h"
#include "DailyResultDialog.h"
#include "GameClock.h"
#include "FewestMovesNote.h"
#include "GameSettings.h"
#include "Profile.h"
#include "ProgressText.h"
#include "PuzzleRoutes.h"
#include "StatisticsWindow.h"

#include <QFileInfo>
#include <QStatusBar>

namespace {

// Beside the kept game, in its section: the date of the daily puzzle it is, empty for any other.
constexpr const char* KeptSection = "Game";
constexpr const char* DailyEntry = "Daily";

} // namespace

PlayerProgress::PlayerProgress(QWidget& window, Profile& profile, GameSession& session, GameSettings& settings,
                               PuzzleRoutes& routes, const PuzzlePicture& puzzle, const FewestMovesNote& fewest,
                               QStatusBar& status, HistoryRecorder recorder)
    : QObject(&window), window_(window), profile_(profile), session_(session), settings_(settings), routes_(routes),
      puzzle_(puzzle), fewest_(fewest), status_(status), recorder_(std::move(recorder))
{
    announcer_.Owner = this;
    connect(&fewest_, &FewestMovesNote::FewestFound, this, &PlayerProgress::SayDailyFewest);
    keptDaily_ = DailyPuzzle::ParseIsoDate(profile_.GetProfileString(KeptSection, DailyEntry).toStdString());
}

void PlayerProgress::StartDaily()
{
    const std::chrono::year_month_day today = LocalToday();
    settings_.Dimension = DailyPuzzle::N;
    settings_.PuzzleMode = GameMode::Slider;
    startingDaily_ = true;
    routes_.StartBuiltInAt(DailyPuzzle::PositionFor(today));
    startingDaily_ = false;
    recorder_.BeginDaily(today);
    KeepDailyMark();
    status_.showMessage(tr("Daily puzzle of %1").arg(QString::fromStdString(DailyPuzzle::IsoDate(today))), 8000);
}

void PlayerProgress::OpenStatistics()
{
    StatisticsWindow window(recorder_.Store(), &window_);
    window.exec();
}

void PlayerProgress::GameStarted()
{
    last_.reset();
    status_.clearMessage();
    const auto kept = std::exchange(keptDaily_, std::nullopt);
    if (startingDaily_)
        return;
    if (kept && CarriesOnKeptDaily(*kept)) {
        recorder_.BeginDaily(*kept);
        return KeepDailyMark();
    }
    recorder_.BeginOther();
    profile_.WriteProfileString(KeptSection, DailyEntry, QString());
}

// A kept game goes on with its moves, or, when none were made, from the daily position itself;
// a fresh game at the first start has neither.
bool PlayerProgress::CarriesOnKeptDaily(std::chrono::year_month_day date) const
{
    const Position& now = session_.Current();
    return now.N() == DailyPuzzle::N && now.Mode() == GameMode::Slider
        && (session_.Moves() > 0 || now == DailyPuzzle::PositionFor(date));
}

void PlayerProgress::KeepDailyMark()
{
    if (const auto date = recorder_.Daily())
        profile_.WriteProfileString(KeptSection, DailyEntry, QString::fromStdString(DailyPuzzle::IsoDate(*date)));
}

void PlayerProgress::Completed(const GameResult& result)
{
    FinishedGame game;
    game.Result = result;
    game.FinishedAt = session_.StartTime() + result.Elapsed;
    game.TilesMoved = session_.TilesMoved();
    game.HintsShown = session_.HintsUsed() ? 1 : 0;
    if (fewest_.Fewest() >= 0)
        game.Fewest = fewest_.Fewest();
    game.Picture = PictureName();
    bool written = false;
    last_ = recorder_.Record(game, &written);
    if (!written)
        status_.showMessage(tr("This game could not be added to your history (%1).").arg(recorder_.Store().Path()));
}

void PlayerProgress::SayDailyFewest(int fewest)
{
    if (const auto daily = recorder_.Daily(); daily && session_.Moves() == 0)
        status_.showMessage(tr("Daily puzzle of %1: the fewest possible is %n tile move(s).", nullptr, fewest)
                                .arg(QString::fromStdString(DailyPuzzle::IsoDate(*daily))), 8000);
}

void PlayerProgress::AnnounceDaily()
{
    if (!last_ || last_->DailyDate.empty())
        return;
    const QString line = ProgressText::ShareLine(*last_);
    // Counted up to the puzzle's own date, which a game finished after midnight is still of.
    const auto date = DailyPuzzle::ParseIsoDate(last_->DailyDate).value_or(LocalToday());
    const int streak = DailyPuzzle::Streak(recorder_.Store().Load().Records, date);
    status_.showMessage(line);
    DailyResultDialog dialog(line, streak, &window_);
    dialog.exec();
}

QString PlayerProgress::PictureName() const
{
    const PictureSource& source = puzzle_.Source();
    // Kept as data, the same in every language.
    if (source.IsBuiltIn())
        return QStringLiteral("Built-in picture");
    const QString file = QFileInfo(source.Path).fileName();
    if (source.Type == PictureSource::Kind::ArchiveMember)
        return QStringLiteral("%1 #%2").arg(file).arg(source.ZipIndex);
    return file;
}
