// The real main window, driven offscreen with simulated presses and commands.
#include "BoardView.h"
#include "CommandTable.h"
#include "CongratulationsDialog.h"
#include "DailyPuzzle.h"
#include "DailyResultDialog.h"
#include "HistoryRecorder.h"
#include "GameHint.h"
#include "GameMenus.h"
#include "GameStatusBar.h"
#include "HintFlash.h"
#include "HintFlow.h"
#include "MainFrame.h"
#include "OpenPictureDialog.h"
#include "MessageBoxAnswerer.h"
#include "Profile.h"
#include "ScoreTable.h"
#include "SoundPlayer.h"
#include "TestArchives.h"
#include "TestPictures.h"

#include <QAction>
#include <QDialog>
#include <QDir>
#include <QDropEvent>
#include <QMimeData>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QStatusBar>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

namespace Id = CommandId;

class RecordingSounds : public SoundPlayer {
public:
    explicit RecordingSounds(QStringList& played) : played_(played) {}
    void Play(const QString& resourceName) override { played_ << resourceName; }

private:
    QStringList& played_;
};

// Answers every congratulations dialog as a person would: reads it, types a name if asked, OK.
class CongratulationsAnswerer {
public:
    explicit CongratulationsAnswerer(QString name = {}) : name_(std::move(name))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start(5);
    }
    int Shown() const { return shown_; }
    const QString& MovesLine() const { return movesLine_; }
    const QString& TimeLine() const { return timeLine_; }

private:
    void Answer()
    {
        auto* dialog = qobject_cast<CongratulationsDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        ++shown_;
        movesLine_ = dialog->findChild<QLabel*>("movesLine")->text();
        timeLine_ = dialog->findChild<QLabel*>("timeLine")->text();
        auto* nameBox = dialog->findChild<QLineEdit*>("nameBox");
        if (!name_.isEmpty() && nameBox && nameBox->isVisible())
            nameBox->setText(name_);
        dialog->findChild<QPushButton*>("okButton")->click();
    }

    QString name_;
    QTimer timer_;
    int shown_ = 0;
    QString movesLine_;
    QString timeLine_;
};

// The game's clock, moved by the test.
class StoppedClock : public GameClock {
public:
    std::int64_t Now() const override { return now; }
    std::int64_t now = 5000;
};

class MainFrameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const char* section : {"Settings", "Scores", "SliderScores", "Game"})
            profile_.DeleteSection(section);
        QFile::remove(HistoryStore::DefaultPath());
    }

    std::unique_ptr<MainFrame> Start()
    {
        MainFrameOptions options;
        options.ProgramFolder = folder_.path() + "/";
        options.SharedProfile = &profile_;
        options.Sounds = std::make_unique<RecordingSounds>(played_);
        options.Clock = &clock_;
        return std::make_unique<MainFrame>(std::move(options));
    }

    void Press(MainFrame& frame, int column, int row)
    {
        const ShownBoard board = frame.View()->Shown();
        const QPoint centre(column * board.TileWidth() + board.TileWidth() / 2,
                            row * board.TileHeight() + board.TileHeight() / 2);
        QTest::mouseClick(frame.View(), Qt::LeftButton, {}, centre);
    }

    // A tile-swap board one swap from solved: tiles 0 and 1 change places.
    static void OneSwapFromSolved(GameSession& session)
    {
        const Position solved = Position::Solved(session.Current().N(), GameMode::TileSwap);
        session.Arrange(*Apply(solved, Move::Swap({0, 0}, {1, 0})));
    }

    // A slider board one slide from solved: the hole one cell left of the bottom-right corner.
    static void OneSlideFromSolved(GameSession& session)
    {
        const int last = session.Current().N() - 1;
        const Position solved = Position::Solved(last + 1, GameMode::Slider);
        session.Arrange(*Apply(solved, Move::Slide({last - 1, last})));
    }

    // Puts the board one move from solved and makes that move, in either mode.
    void FinishByPlaying(MainFrame& frame)
    {
        const int last = frame.Session().Current().N() - 1;
        if (frame.Session().Current().Mode() == GameMode::Slider) {
            OneSlideFromSolved(frame.Session());
            Press(frame, last, last);
        } else {
            OneSwapFromSolved(frame.Session());
            Press(frame, 0, 0);
            Press(frame, 1, 0);
        }
    }

    // A move made and, in tile swap, a tile left selected.
    void MoveAndSelect(MainFrame& frame)
    {
        const int last = frame.Session().Current().N() - 1;
        if (frame.Session().Current().Mode() == GameMode::Slider) {
            Press(frame, last, 0);
        } else {
            Press(frame, 0, 0);
            Press(frame, 1, 0);
            Press(frame, 0, 0);
            EXPECT_TRUE(frame.Session().Selection().has_value());
        }
        EXPECT_GT(frame.Session().Moves(), 0);
    }

    QString AddFile(const QString& name, const QByteArray& bytes)
    {
        const QString path = folder_.filePath(name);
        EXPECT_TRUE(TestPictures::WriteFile(path, bytes));
        return path;
    }

    QString AddArchive(const QString& name, int pictures)
    {
        std::vector<TestArchives::Member> members;
        for (int i = 1; i <= pictures; ++i) {
            const QImage image = TestPictures::FourColour(400 + i, 300);
            members.push_back(
                {QString("p%1.bmp").arg(i).toLatin1(), TestPictures::Encode(image, "BMP")});
        }
        const QString path = folder_.filePath(name);
        EXPECT_TRUE(TestArchives::WriteZip(path, members));
        return path;
    }

    QTemporaryDir folder_;
    Profile profile_;
    QStringList played_;
    StoppedClock clock_;
};

TEST_F(MainFrameTest, FirstStartWritesDefaultsShowsBuiltInPuzzleAndCloseSavesSettings)
{
    auto frame = Start();
    EXPECT_EQ(profile_.GetProfileInt("Settings", "Dimension", -1), 4);
    EXPECT_EQ(profile_.GetProfileInt("Settings", "Grid", -1), 1);
    EXPECT_EQ(profile_.GetProfileInt("Settings", "GridColour", -1), 0);
    EXPECT_EQ(profile_.GetProfileInt("Settings", "SelColour", -1), 1);
    EXPECT_EQ(profile_.GetProfileInt("Settings", "Sound", -1), 1);
    EXPECT_EQ(profile_.GetProfileInt("Settings", "PuzzleMode", -1), 0);
    EXPECT_EQ(profile_.GetProfileString("Settings", "Folder"), folder_.path() + "/");

    EXPECT_TRUE(frame->isVisible());
    EXPECT_TRUE(frame->FrameReady());
    EXPECT_EQ(frame->windowTitle(), "Tilora");
    EXPECT_FALSE(frame->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_TRUE(frame->Source().IsBuiltIn());
    EXPECT_EQ(frame->Session().Current().N(), 4);
    EXPECT_EQ(frame->Session().Current().Mode(), GameMode::TileSwap);
    EXPECT_EQ(frame->View()->BoardSize(), QSize(348, 348));
    EXPECT_EQ(frame->View()->size(), QSize(348, 348));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize()) << "the window cannot be resized";
    EXPECT_FALSE(frame->Menus().NewCommandIsZipForm());

    frame->Commands().Dispatch(Id::Grid);
    frame->Commands().Dispatch(Id::SizeFor(6));
    frame->close();
    EXPECT_EQ(profile_.GetProfileInt("Settings", "Grid", -1), 0);
    EXPECT_EQ(profile_.GetProfileInt("Settings", "Dimension", -1), 6);
}

TEST_F(MainFrameTest, SliderSolvedInOneSlideReportsOneMove)
{
    auto frame = Start();
    frame->Commands().Dispatch(Id::ModeSlider);
    frame->Commands().Dispatch(Id::SizeFor(3));
    OneSlideFromSolved(frame->Session());
    played_.clear();

    Press(*frame, 0, 0);  // not in line with the hole: nothing at all
    EXPECT_EQ(frame->Session().Moves(), 0);
    EXPECT_TRUE(played_.isEmpty());

    CongratulationsAnswerer answerer;
    clock_.now += 75;
    Press(*frame, 2, 2);
    EXPECT_EQ(answerer.Shown(), 1);
    EXPECT_EQ(answerer.MovesLine(), "Moves made : 1");
    EXPECT_EQ(answerer.TimeLine(), "Time taken : 1 mins, 15 secs") << "from the game's start";
    EXPECT_EQ(played_, QStringList({"IDR_SLIDER", "IDR_COMPLETE"}));
    EXPECT_TRUE(frame->Session().Finished());
}

TEST_F(MainFrameTest, TileSwapChargesForSwapsOnlyAndSoundFollowsTheSetting)
{
    auto frame = Start();
    const Position solved = Position::Solved(4, GameMode::TileSwap);
    frame->Session().Arrange(*Apply(solved, Move::Swap({0, 0}, {2, 0})));  // no completion below

    Press(*frame, 1, 1);
    Press(*frame, 1, 1);
    EXPECT_EQ(frame->Session().Moves(), 0);
    EXPECT_FALSE(frame->Session().Selection().has_value());

    QTest::mouseClick(frame->View(), Qt::LeftButton, {}, QPoint(frame->View()->BoardSize().width(), 5));
    QTest::mouseClick(frame->View(), Qt::LeftButton, {}, QPoint(5, frame->View()->BoardSize().height()));
    EXPECT_FALSE(frame->Session().Selection().has_value()) << "presses off the board are ignored";

    Press(*frame, 1, 1);
    Press(*frame, 3, 3);
    EXPECT_EQ(frame->Session().Moves(), 1);
    EXPECT_EQ(played_, QStringList({"IDR_SHUFFLE"}));

    frame->Commands().Dispatch(Id::Sound);
    Press(*frame, 1, 1);
    Press(*frame, 3, 3);
    EXPECT_EQ(frame->Session().Moves(), 2) << "the swap still counts with Sound off";
    EXPECT_EQ(played_.size(), 1) << "no sound is asked for with Sound off";
}

TEST_F(MainFrameTest, CompletionIsAnnouncedOnceUntilJumble)
{
    auto frame = Start();
    frame->Commands().Dispatch(Id::SizeFor(3));
    CongratulationsAnswerer answerer;
    OneSwapFromSolved(frame->Session());
    Press(*frame, 0, 0);
    Press(*frame, 1, 0);
    EXPECT_EQ(answerer.Shown(), 1);

    // Unsolve and solve again: the game is finished, nothing is announced.
    Press(*frame, 0, 0);
    Press(*frame, 1, 0);
    Press(*frame, 0, 0);
    Press(*frame, 1, 0);
    EXPECT_TRUE(IsSolved(frame->Session().Current()));
    EXPECT_EQ(answerer.Shown(), 1);

    frame->Commands().Dispatch(Id::Jumble);
    EXPECT_FALSE(frame->Session().Finished());
    EXPECT_EQ(frame->Session().Moves(), 0);
    OneSwapFromSolved(frame->Session());
    Press(*frame, 0, 0);
    Press(*frame, 1, 0);
    EXPECT_EQ(answerer.Shown(), 2);
}

// Keys as the window gets them from the desktop, so they go wherever focus and menus send them.
void Key(MainFrame& frame, Qt::Key key)
{
    QTest::keyClick(frame.windowHandle(), key);
}

// Each key comes while the last move's tiles still glide: the glide ends and the key acts.
TEST_F(MainFrameTest, SliderArrowsSlideTheTileOnTheHolesFarSide)
{
    auto frame = Start();
    frame->Commands().Dispatch(Id::ModeSlider);
    frame->Commands().Dispatch(Id::SizeFor(3));
    OneSlideFromSolved(frame->Session());  // hole at (1, 2)
    Key(*frame, Qt::Key_Up);  // nothing below the hole
    EXPECT_EQ(frame->Session().Moves(), 0);
    Key(*frame, Qt::Key_Right);
    EXPECT_EQ(frame->Session().Current().HoleCell(), (Cell{0, 2}));
    EXPECT_TRUE(frame->View()->Gliding());
    Key(*frame, Qt::Key_Left);
    CongratulationsAnswerer answerer;
    Key(*frame, Qt::Key_Left);
    EXPECT_EQ(answerer.MovesLine(), "Moves made : 3");
    EXPECT_EQ(played_.count("IDR_SLIDER"), 3);
    EXPECT_FALSE(frame->View()->Gliding()) << "the finished picture shows before the announcement";
}

TEST_F(MainFrameTest, TileSwapKeysMoveACursorThatSelectsAndSwapsAsAPressWould)
{
    auto frame = Start();
    frame->Session().Arrange(*Apply(Position::Solved(4, GameMode::TileSwap), Move::Swap({0, 0}, {2, 0})));
    BoardView& view = *frame->View();
    EXPECT_FALSE(view.Cursor().has_value());
    Key(*frame, Qt::Key_Left);
    Key(*frame, Qt::Key_Left);
    EXPECT_EQ(view.Cursor(), (Cell{0, 0})) << "shown by the first arrow, kept on the board by the next";
    Key(*frame, Qt::Key_Space);
    Key(*frame, Qt::Key_Return);
    EXPECT_FALSE(frame->Session().Selection().has_value());
    CongratulationsAnswerer answerer;
    for (Qt::Key key : {Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Return})
        Key(*frame, key);
    EXPECT_EQ(frame->Session().Moves(), 1);
    EXPECT_EQ(answerer.Shown(), 1);

    // Open menus and dialogs take the keys; the board gets none.
    frame->Commands().Dispatch(Id::Jumble);
    QMenu* viewMenu = frame->menuBar()->actions().value(1)->menu();
    viewMenu->popup(frame->geometry().center());
    Key(*frame, Qt::Key_Right);
    Key(*frame, Qt::Key_Space);
    viewMenu->close();
    QTimer::singleShot(0, [&] {
        Key(*frame, Qt::Key_Right);
        Key(*frame, Qt::Key_Space);
        QApplication::activeModalWidget()->close();
    });
    frame->Commands().Dispatch(Id::Scoreboard);
    EXPECT_EQ(view.Cursor(), (Cell{2, 0}));
    EXPECT_FALSE(frame->Session().Selection().has_value());
    QTest::mouseClick(&view, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_FALSE(view.Cursor().has_value()) << "the mouse hides the cursor";
}

TEST_F(MainFrameTest, QualifyingGameStoresTheEntryAndThePlayerName)
{
    auto frame = Start();
    frame->Commands().Dispatch(Id::SizeFor(3));
    CongratulationsAnswerer answerer("Ada");
    OneSwapFromSolved(frame->Session());
    Press(*frame, 0, 0);
    Press(*frame, 1, 0);
    ASSERT_EQ(answerer.Shown(), 1);

    ScorePair scores(profile_);
    scores.LoadScores();
    bool found = false;
    for (int place = 0; place < ScoreTable::Places; ++place) {
        const ScoreEntry& entry = scores.TileSwap()[place];
        found = found || (entry.Name == "Ada" && entry.Difficulty == 3 && entry.Moves == 1);
    }
    EXPECT_TRUE(found);
    EXPECT_EQ(profile_.GetProfileString("Scores", "PlayerName"), "Ada");
}

TEST_F(MainFrameTest, SolveForMeShowsTheWholePictureAndEndsTheGameWithoutScore)
{
    auto frame = Start();
    frame->Commands().Dispatch(Id::ModeSlider);
    CongratulationsAnswerer answerer;
    frame->Commands().Dispatch(Id::SolveForMe);
    const GameSession& session = frame->Session();
    const int n = session.Current().N();
    EXPECT_TRUE(IsSolved(session.Current()));
    EXPECT_TRUE(session.Finished());
    EXPECT_EQ(session.Current().At(n - 1, n - 1), n * n - 1);
    for (int column = 0; column < n; ++column)
        Press(*frame, column, n - 1);
    EXPECT_EQ(session.Current().At(n - 1, n - 1), n * n - 1) << "no tile is lost to a stale hole";
    EXPECT_EQ(answerer.Shown(), 0);
}

TEST_F(MainFrameTest, NewPuzzleFromAFolderOfOnlyThePictureOnShowGivesItAgain)
{
    const QImage narrow = TestPictures::FourColour(200, 100);
    const QString only = AddFile("only.bmp", TestPictures::Encode(narrow, "BMP"));
    auto frame = Start();
    EXPECT_EQ(QDir::cleanPath(frame->Source().Path), QDir::cleanPath(only));
    EXPECT_FALSE(frame->Source().IsBuiltIn());
    EXPECT_EQ(frame->View()->BoardSize().width(), 348) << "a narrow picture is widened to 350, cut to 4s";
    EXPECT_EQ(frame->View()->BoardSize().height(), 172);
    frame->Commands().Dispatch(Id::New);
    EXPECT_EQ(QDir::cleanPath(frame->Source().Path), QDir::cleanPath(only));
    EXPECT_FALSE(frame->Source().IsBuiltIn());
}

TEST_F(MainFrameTest, BrokenPictureFallsBackSilently)
{
    AddFile("broken.jpg", "this is no picture");
    MessageBoxAnswerer boxes(QMessageBox::Ok);
    auto frame = Start();
    frame->Commands().Dispatch(Id::New);
    EXPECT_TRUE(frame->Source().IsBuiltIn());
    EXPECT_TRUE(boxes.Texts().isEmpty());
}

TEST_F(MainFrameTest, ArchivePictureGivesTheZipFormAndFromThisZipSwitchesPictures)
{
    AddArchive("two.zip", 2);
    auto frame = Start();
    EXPECT_TRUE(frame->Source().Path.endsWith("two.zip"));
    EXPECT_FALSE(frame->Source().IsBuiltIn());
    EXPECT_EQ(frame->Source().ZipCount, 2);
    EXPECT_TRUE(frame->Menus().NewCommandIsZipForm());
    QAction* first = frame->Menus().FileMenu()->actions().value(0);
    ASSERT_NE(first->menu(), nullptr);
    EXPECT_EQ(first->text(), "&New");
    EXPECT_EQ(first->menu()->actions().value(1)->text(), "From Zip archive");

    for (int i = 0; i < 4; ++i) {
        const int before = frame->Source().ZipIndex;
        frame->Commands().Dispatch(Id::FromThisZip);
        EXPECT_NE(frame->Source().ZipIndex, before);
    }
    frame->ShowSolution();
    frame->ShowSolution();
    EXPECT_TRUE(frame->SolutionShown());
    EXPECT_EQ(frame->findChildren<QDialog*>().size(), 1) << "one solution window at most";
    const QDialog* solution = frame->findChildren<QDialog*>().value(0);
    ASSERT_NE(solution, nullptr);
    EXPECT_FALSE(solution->frameGeometry().intersects(frame->frameGeometry()))
        << "the solution stands beside the board, not over it";
    EXPECT_EQ(solution->size(), QSize(300, 249)) << "sized to the archive's picture on show";
    frame->Commands().Dispatch(Id::FromFolder);
    EXPECT_FALSE(frame->SolutionShown()) << "a new puzzle closes the solution window";
}

TEST_F(MainFrameTest, ArchiveOfOnePictureSaysSoAndKeepsThePuzzle)
{
    AddArchive("one.zip", 1);
    auto frame = Start();
    ASSERT_EQ(frame->Source().ZipCount, 1);
    const int moves = frame->Session().Moves();
    MessageBoxAnswerer boxes(QMessageBox::Ok);
    frame->Commands().Dispatch(Id::FromThisZip);
    EXPECT_EQ(boxes.Texts(), QStringList({"There is only 1 picture in this zip file!"}));
    EXPECT_EQ(boxes.Captions(), QStringList({"Tilora"}));
    EXPECT_EQ(frame->Source().ZipIndex, 1);
    EXPECT_EQ(frame->Session().Moves(), moves);
}

// Answers the open-picture dialog, once it is up, as a person would: opens the given file, or
// cancels when there is none.
class OpenDialogAnswerer {
public:
    explicit OpenDialogAnswerer(QString path) : path_(std::move(path))
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
        timer_.start(5);
    }

private:
    void Answer()
    {
        auto* dialog = qobject_cast<OpenPictureDialog*>(QApplication::activeModalWidget());
        if (!dialog || !dialog->isVisible())
            return;
        timer_.stop();
        if (path_.isEmpty()) {
            dialog->reject();
            return;
        }
        dialog->selectFile(path_);
        static_cast<QDialog*>(dialog)->accept();
    }

    QString path_;
    QTimer timer_;
};

TEST_F(MainFrameTest, OpenShowsTheChosenPictureAndMakesItsFolderThePictureFolder)
{
    QTemporaryDir elsewhere;
    const QString chosen = elsewhere.filePath("a.bmp");
    const QImage wide = TestPictures::FourColour(400, 300);
    ASSERT_TRUE(TestPictures::WriteFile(chosen, TestPictures::Encode(wide, "BMP")));
    auto frame = Start();
    frame->ShowSolution();

    {
        OpenDialogAnswerer cancel{QString()};
        frame->Commands().Dispatch(Id::Open);
    }
    EXPECT_TRUE(frame->Source().IsBuiltIn()) << "a cancelled Open changes nothing";
    EXPECT_EQ(frame->Settings().Folder, folder_.path() + "/");

    {
        OpenDialogAnswerer open(chosen);
        frame->Commands().Dispatch(Id::Open);
    }
    EXPECT_FALSE(frame->Source().IsBuiltIn());
    EXPECT_EQ(frame->Source().Path, chosen);
    EXPECT_EQ(frame->Settings().Folder, elsewhere.path()) << "no trailing separator";
    EXPECT_EQ(frame->View()->BoardSize().width(), 400);
    EXPECT_TRUE(frame->SolutionShown()) << "Open leaves the solution window open";
}

// Every route to a new game, each after a finished game with moves and a selection: the game
// begins afresh and its completion is announced again.
TEST_F(MainFrameTest, EveryRouteStartsAFreshGameAfterAFinishedOne)
{
    AddArchive("two.zip", 2);
    QTemporaryDir elsewhere;
    const QString chosen = elsewhere.filePath("a.bmp");
    ASSERT_TRUE(TestPictures::WriteFile(chosen, TestPictures::Encode(TestPictures::FourColour(400, 300), "BMP")));
    auto frame = Start();
    CongratulationsAnswerer answerer;
    const auto run = [&](int command) { return [&frame, command] { frame->Commands().Dispatch(command); }; };
    const std::pair<const char*, std::function<void()>> routes[] = {
        {"New", run(Id::New)}, {"From folder", run(Id::FromFolder)},
        {"From this Zip", run(Id::FromThisZip)}, {"Jumble", run(Id::Jumble)},
        {"the same size", run(Id::SizeFor(4))}, {"another size", run(Id::SizeFor(3))},
        {"the same mode", run(Id::ModeTileSwap)}, {"another mode", run(Id::ModeSlider)},
        {"back to tile swap", run(Id::ModeTileSwap)},
        {"Open", [&] { OpenDialogAnswerer open(chosen); frame->Commands().Dispatch(Id::Open); }},
    };
    FinishByPlaying(*frame);
    for (const auto& [route, start] : routes) {
        ASSERT_TRUE(frame->Session().Finished()) << route;
        MoveAndSelect(*frame);
        const int announced = answerer.Shown();
        start();
        EXPECT_EQ(frame->Session().Moves(), 0) << route;
        EXPECT_FALSE(frame->Session().Finished()) << route;
        EXPECT_FALSE(frame->Session().Selection().has_value()) << route;
        FinishByPlaying(*frame);
        EXPECT_EQ(answerer.Shown(), announced + 1) << route;
    }
    EXPECT_EQ(frame->Source().Path, chosen);

    frame->Commands().Dispatch(Id::SizeFor(7));
    frame->Commands().Dispatch(Id::ModeSlider);
    const QSize board = frame->View()->BoardSize();
    EXPECT_EQ(board.width() % 7, 0);
    EXPECT_EQ(board.height() % 7, 0);
    EXPECT_EQ(frame->View()->size(), board);
    EXPECT_EQ(frame->Session().Current().At(6, 6), Position::Hole);
}

TEST_F(MainFrameTest, TogglesStayZeroOrOneAndCheckMarksFollowTheSettings)
{
    auto frame = Start();
    CommandTable& commands = frame->Commands();
    for (bool expected : {false, true, false}) {
        commands.Dispatch(Id::Grid);
        commands.Dispatch(Id::Sound);
        EXPECT_EQ(frame->Settings().Grid, expected);
        EXPECT_EQ(frame->Settings().Sound, expected);
        EXPECT_EQ(commands.Action(Id::Grid)->isChecked(), expected);
        EXPECT_EQ(commands.Action(Id::Sound)->isChecked(), expected);
    }
    commands.Dispatch(Id::GridRed);
    commands.Dispatch(Id::SelBlack);
    EXPECT_TRUE(commands.Action(Id::GridRed)->isChecked());
    EXPECT_FALSE(commands.Action(Id::GridBlack)->isChecked());
    EXPECT_TRUE(commands.Action(Id::SelBlack)->isChecked());
    EXPECT_FALSE(commands.Action(Id::SelYellow)->isChecked());

    // A change made outside the commands shows when a menu is about to open.
    frame->Settings().Dimension = 9;
    QMenu* options = frame->menuBar()->actions().value(3)->menu();
    emit options->aboutToShow();
    EXPECT_TRUE(commands.Action(Id::SizeFor(9))->isChecked());
    EXPECT_FALSE(commands.Action(Id::SizeFor(4))->isChecked());
}

TEST_F(MainFrameTest, UndoAndRedoAreEnabledOnlyWithSomethingToDoAndFollowEveryMove)
{
    auto frame = Start();
    QAction* undo = frame->Commands().Action(Id::Undo);
    QAction* redo = frame->Commands().Action(Id::Redo);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->shortcuts().contains(QKeySequence("Ctrl+Shift+Z")));
    const Position start = frame->Session().Current();
    Press(*frame, 0, 0);
    Press(*frame, 1, 0);
    undo->trigger();
    EXPECT_EQ(frame->Session().Current(), start);
    EXPECT_FALSE(undo->isEnabled());
    EXPECT_TRUE(redo->isEnabled());
    frame->Commands().Dispatch(Id::Jumble);
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(MainFrameTest, StatusBarShowsThePlayAndTheWindowGrowsByItsHeightAlone)
{
    auto frame = Start();
    frame->Commands().Dispatch(Id::ModeSlider);
    const QSize board = frame->View()->size();
    const int withBar = frame->height();
    clock_.now += 65;
    Press(*frame, frame->Session().Current().N() - 1, 0);
    EXPECT_EQ(frame->StatusLine()->Text(), "Moves: 1  01 mins 05 secs  4 x 4 Slider puzzle");
    EXPECT_TRUE(frame->Commands().Action(Id::StatusBar)->isChecked());

    frame->Commands().Dispatch(Id::StatusBar);
    EXPECT_EQ(frame->height(), withBar - frame->StatusLine()->sizeHint().height());
    EXPECT_EQ(frame->View()->size(), board);
    frame->close();
    EXPECT_EQ(profile_.GetProfileInt("Settings", "StatusBar", -1), 0);
    EXPECT_FALSE(Start()->StatusLine()->isVisible());
}

TEST_F(MainFrameTest, SwapHintFlashesUntilAMoveAndKeepsTheGameOffTheScoreboard)
{
    auto frame = Start();
    frame->Commands().Dispatch(Id::SizeFor(3));
    const int fewest = SwapsToGo(HintPositionOf(frame->Session().Current()));
    const Position solved = Position::Solved(3, GameMode::TileSwap);
    // Two swaps to go: tiles 0 and 1 change places, and so do 7 and 8.
    frame->Session().Arrange(*Apply(*Apply(solved, Move::Swap({0, 0}, {1, 0})), Move::Swap({1, 2}, {2, 2})));
    frame->Commands().Dispatch(Id::Hint);
    const int tile = frame->View()->Shown().TileWidth();
    EXPECT_EQ(frame->Hints()->Flash()->Cells().back().topLeft(), QPoint(tile, 0));
    EXPECT_TRUE(frame->StatusLine()->Text().endsWith("Best: 2 swaps to go"));
    Press(*frame, 0, 0);
    EXPECT_TRUE(frame->Hints()->Flash()->Flashing()) << "a selection leaves the position as it was";
    Press(*frame, 1, 0);
    EXPECT_FALSE(frame->Hints()->Flash()->Flashing());

    CongratulationsAnswerer answerer("Cheat");
    Press(*frame, 1, 2);
    Press(*frame, 2, 2);
    ASSERT_EQ(answerer.Shown(), 1);
    EXPECT_EQ(profile_.GetProfileString("Scores", "PlayerName", "none"), "none");
    // The fewest are the starting position's, before it was arranged here.
    EXPECT_EQ(frame->StatusLine()->Text(), QString("Solved: 2 swaps; the fewest possible was %1.").arg(fewest));
}

TEST_F(MainFrameTest, SlideHintCountsTileMovesAndTheFinishComparesWithTheFewest)
{
    auto frame = Start();
    frame->Commands().Dispatch(Id::ModeSlider);
    frame->Commands().Dispatch(Id::SizeFor(3));
    const int fewest = ShortestLength(HintPositionOf(frame->Session().Current()));
    // Two single-tile slides from solved: the hole went left, then up.
    const Position solved = Position::Solved(3, GameMode::Slider);
    frame->Session().Arrange(*Apply(*Apply(solved, Move::Slide({1, 2})), Move::Slide({1, 1})));
    frame->Commands().Dispatch(Id::Hint);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->Hints()->Flash()->Flashing(); }));
    const ShownBoard board = frame->View()->Shown();
    EXPECT_EQ(frame->Hints()->Flash()->Cells().front().topLeft(), QPoint(board.TileWidth(), 2 * board.TileHeight()));
    EXPECT_TRUE(frame->StatusLine()->Text().endsWith("Best: 2 tile moves to go"));

    CongratulationsAnswerer answerer("Cheat");
    Press(*frame, 1, 2);
    Press(*frame, 2, 2);
    ASSERT_EQ(answerer.Shown(), 1);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return frame->StatusLine()->Text() == QString("Solved: 2 tiles moved; the fewest possible was %1.").arg(fewest);
    }));
    frame->Commands().Dispatch(Id::New);
    EXPECT_TRUE(frame->StatusLine()->Text().startsWith("Moves: 0")) << "a new game ends the note";
}

TEST_F(MainFrameTest, AGameInPlayGoesOnAtTheNextStartUnlessItsPictureIsGoneOrItIsOver)
{
    const QString picture = AddFile("kept.bmp", TestPictures::Encode(TestPictures::FourColour(400, 300), "BMP"));
    auto frame = Start();
    frame->Commands().Dispatch(Id::ModeSlider);
    OneSlideFromSolved(frame->Session());
    Press(*frame, 0, 3);
    frame->Commands().Dispatch(Id::Hint);
    ASSERT_TRUE(QTest::qWaitFor([&] { return frame->Session().HintsUsed(); }));
    clock_.now += 30;
    const Position played = frame->Session().Current();
    frame->close();
    // A new game would now show the built-in picture.
    QTemporaryDir empty;
    profile_.WriteProfileString("Settings", "Folder", empty.path());

    clock_.now += 1000;  // time away is not play
    frame = Start();
    EXPECT_EQ(frame->Session().Current(), played);
    EXPECT_EQ(frame->Session().Moves(), 1);
    EXPECT_EQ(frame->Session().RunningTime(), 30);
    EXPECT_TRUE(frame->Session().HintsUsed());
    EXPECT_EQ(frame->Source().Path, picture);
    frame->close();

    QFile::remove(picture);
    frame = Start();
    EXPECT_EQ(frame->Session().Moves(), 0) << "a picture that is gone starts a new game";
    EXPECT_TRUE(frame->Source().IsBuiltIn());

    CongratulationsAnswerer answerer;
    FinishByPlaying(*frame);
    frame->close();
    EXPECT_EQ(profile_.GetProfileString("Game", "Position", "none"), "none") << "a finished game is not kept";
}

// The tiles moved and the fewest from the start travel with a kept game, so that its finish can
// still be set beside the fewest; a game kept by an older run, without them, gets no note.
TEST_F(MainFrameTest, AResumedGameIsStillComparedWithTheFewestFromItsStart)
{
    auto frame = Start();
    frame->Commands().Dispatch(Id::SizeFor(3));
    const int fewest = SwapsToGo(HintPositionOf(frame->Session().Current()));
    const Position solved = Position::Solved(3, GameMode::TileSwap);
    frame->Session().Arrange(*Apply(*Apply(solved, Move::Swap({0, 0}, {1, 0})), Move::Swap({1, 2}, {2, 2})));
    Press(*frame, 0, 0);
    Press(*frame, 1, 0);
    const int tilesMoved = frame->Session().TilesMoved();
    frame->close();

    frame = Start();
    EXPECT_EQ(frame->Session().TilesMoved(), tilesMoved);
    CongratulationsAnswerer answerer;
    Press(*frame, 1, 2);
    Press(*frame, 2, 2);
    EXPECT_EQ(frame->StatusLine()->Text(), QString("Solved: 2 swaps; the fewest possible was %1.").arg(fewest));

    frame->Commands().Dispatch(Id::Jumble);
    frame->Session().Arrange(*Apply(*Apply(solved, Move::Swap({0, 0}, {1, 0})), Move::Swap({1, 2}, {2, 2})));
    Press(*frame, 0, 0);
    Press(*frame, 1, 0);
    frame->close();
    profile_.WriteProfileString("Game", "TilesMoved", QString());
    frame = Start();
    ASSERT_EQ(frame->Session().Moves(), 1);
    Press(*frame, 1, 2);
    Press(*frame, 2, 2);
    EXPECT_FALSE(frame->StatusLine()->Text().contains("fewest")) << frame->StatusLine()->Text().toStdString();
}

// Drags as a file manager makes them: each is offered to the window, then dropped on the board.
TEST_F(MainFrameTest, DroppedPicturesAndArchivesOpenAndAnythingElseIsRefused)
{
    QTemporaryDir elsewhere;
    const QString bmp = elsewhere.filePath("Wide.BMP");
    ASSERT_TRUE(TestPictures::WriteFile(bmp, TestPictures::Encode(TestPictures::FourColour(400, 300), "BMP")));
    const QString png = elsewhere.filePath("shot.png");
    ASSERT_TRUE(TestPictures::WriteFile(png, TestPictures::Encode(TestPictures::FourColour(40, 30), "PNG")));
    auto frame = Start();
    const QString zip = AddArchive("three.zip", 3);
    const QString text = AddFile("notes.txt", "no picture");
    const auto local = [](const QString& path) { return QUrl::fromLocalFile(path); };
    const struct { QList<QUrl> urls; QString opened; } drops[] = {
        {{local(text)}, {}}, {{local(bmp), local(zip)}, {}}, {{QUrl("https://example.org/a.jpg")}, {}},
        {{local(png)}, png}, {{local(bmp)}, bmp}, {{local(zip)}, zip},
    };
    for (const auto& drop : drops) {
        QMimeData data;
        data.setUrls(drop.urls);
        const QPoint at = frame->View()->geometry().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frame.get(), &enter);
        EXPECT_EQ(enter.isAccepted(), !drop.opened.isEmpty()) << drop.urls.size();
        QDropEvent dropped(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(frame.get(), &dropped);
        if (!drop.opened.isEmpty())
            EXPECT_EQ(frame->Source().Path, drop.opened);
        else
            EXPECT_TRUE(frame->Source().IsBuiltIn()) << "refused without a change";
    }
    EXPECT_EQ(frame->Source().ZipIndex, 1) << "an archive opens at its first picture";
    EXPECT_EQ(frame->Source().ZipCount, 3);
    EXPECT_EQ(frame->Settings().Folder, folder_.path());
}

TEST_F(MainFrameTest, MenusHoldEveryCommandInOrder)
{
    auto frame = Start();
    QStringList items;
    std::function<void(QMenu*, QString)> list = [&](QMenu* menu, const QString& indent) {
        for (QAction* action : menu->actions()) {
            items << indent + (action->isSeparator() ? "-" : action->text());
            if (action->menu())
                list(action->menu(), indent + ">");
        }
    };
    for (QAction* title : frame->menuBar()->actions()) {
        items << title->text();
        list(title->menu(), " ");
    }
    const QStringList expected = {
        "&File", " &New\tCtrl+N", " &Open\tCtrl+O", " &Daily puzzle", " -", " E&xit",
        "&Edit", " &Undo\tCtrl+Z", " &Redo\tCtrl+Y",
        "&View", " &Jumble\tCtrl+J", " -", " &Grid\tCtrl+G", " Grid colour", " >Black", " >White",
        " >Red", " Selection colour", " >Black", " >Yellow", " >Red", " -",
        " &Show solution\tCtrl+S", " Sol&ve for me", " &Hint\tCtrl+H", " -", " Scoreboard", " St&atistics…", " &Toolbar",
        " Status bar",
        "&Options", " Puzzle size", " >3 x 3", " >4 x 4", " >5 x 5", " >6 x 6", " >7 x 7",
        " >8 x 8", " >9 x 9", " >10 x 10", " Puzzle mode", " >Tile swap", " >Slider puzzle",
        " Sound", "&Help", " Help", " &About"};
    EXPECT_EQ(items, expected);
    for (int id : {Id::New, Id::Open, Id::Jumble, Id::ShowSolution, Id::Grid})
        EXPECT_FALSE(frame->Commands().Action(id)->shortcut().isEmpty()) << id;
    for (QAction* action : frame->Commands().Actions())
        EXPECT_TRUE(frame->actions().contains(action)) << "shortcuts work in every menu form";
}

TEST_F(MainFrameTest, GamesThePlayerFinishesGoIntoTheHistoryAndSolveForMeDoesNot)
{
    auto frame = Start();
    frame->Commands().Dispatch(Id::ModeSlider);
    frame->Commands().Dispatch(Id::SizeFor(3));
    CongratulationsAnswerer answerer;
    clock_.now += 75;
    FinishByPlaying(*frame);
    frame->Commands().Dispatch(Id::Jumble);
    frame->Commands().Dispatch(Id::SolveForMe);

    const std::vector<GameRecord> records = HistoryStore().Load().Records;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].N, 3);
    EXPECT_EQ(records[0].Mode, GameMode::Slider);
    EXPECT_EQ(records[0].Moves, 1);
    EXPECT_EQ(records[0].TilesMoved, 1);
    EXPECT_EQ(records[0].Seconds, 75);
    EXPECT_EQ(records[0].Picture, "Built-in picture");
    EXPECT_EQ(records[0].DailyDate, "");
}

TEST_F(MainFrameTest, TheDailyPuzzleIsTheDatesPositionAndEndsWithItsLineToShare)
{
    auto frame = Start();
    frame->Commands().Dispatch(Id::ModeTileSwap);
    frame->Commands().Dispatch(Id::SizeFor(6));
    frame->Commands().Dispatch(Id::DailyPuzzle);
    EXPECT_EQ(frame->Session().Current(), DailyPuzzle::PositionFor(LocalToday()));
    EXPECT_EQ(frame->Settings().Dimension, 4);
    EXPECT_EQ(frame->Settings().PuzzleMode, GameMode::Slider);
    EXPECT_TRUE(frame->Source().IsBuiltIn());
    // Left at close and carried on at the next start, it is still the daily puzzle.
    frame->close();
    frame = Start();
    EXPECT_EQ(frame->Session().Current(), DailyPuzzle::PositionFor(LocalToday()));

    QString shared;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&] {
        if (auto* dialog = qobject_cast<DailyResultDialog*>(QApplication::activeModalWidget())) {
            shared = dialog->ShareLine();
            dialog->reject();
        }
    });
    answerer.start(5);
    CongratulationsAnswerer congratulations;
    FinishByPlaying(*frame);
    const std::string today = DailyPuzzle::IsoDate(LocalToday());
    EXPECT_EQ(congratulations.Shown(), 1);
    EXPECT_TRUE(shared.startsWith(QString::fromStdString("Tilora daily " + today + ": 4 × 4, 1 tiles moved"))) << shared.toStdString();
    EXPECT_EQ(frame->statusBar()->currentMessage(), shared);
    const std::vector<GameRecord> records = HistoryStore().Load().Records;
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].DailyDate, today);

    // Any other game after it is not the daily one.
    frame->Commands().Dispatch(Id::Jumble);
    FinishByPlaying(*frame);
    EXPECT_EQ(HistoryStore().Load().Records.at(1).DailyDate, "");
}

} // namespace
