#pragma once

#include <QKeySequence>
#include <QString>
#include <functional>
#include <map>
#include <vector>

class QAction;
class QObject;

// The command numbers shared by the menus, the shortcuts and the toolbar.
namespace CommandId {
enum : int {
    New = 40001,
    About = 40002,
    Exit = 40003,
    Jumble = 40004,
    ShowSolution = 40005,
    SolveForMe = 40008,
    Grid = 40009,
    PuzzleDifficulty = 40010,
    Size3 = 40011,  // sizes 3 x 3 .. 10 x 10 are 40011 .. 40018: N = command - 40008
    Size10 = 40018,
    ModeTileSwap = 40024,
    ModeSlider = 40025,
    GridBlack = 40026,
    GridWhite = 40027,
    GridRed = 40028,
    Sound = 40029,
    Help = 40030,
    Scoreboard = 40031,
    FromThisZip = 40032,
    FromFolder = 40033,
    SelBlack = 40037,
    SelYellow = 40038,
    SelRed = 40039,
    Hint = 40040,
    DailyPuzzle = 40050,
    Statistics = 40051,
    Open = 57601,
    Undo = 57643,
    Redo = 57644,
    Toolbar = 59392,
    StatusBar = 59393,
};
constexpr int SizeFor(int n) { return 40008 + n; }
} // namespace CommandId

// A command's item text as words alone, without its mnemonic marks and shortcut:
// "&New\tCtrl+N" is "New", "Fish && &Chips" is "Fish & Chips".
QString PlainCommandText(const QString& itemText);

// The one place commands are dispatched from: command number -> action (the item's text and
// shortcut) -> handler -> check rule. Menus, shortcuts and toolbar buttons are all built from
// these actions, so a command behaves the same wherever it is issued.
class CommandTable {
public:
    using Handler = std::function<void()>;
    using CheckRule = std::function<bool()>;
    using EnableRule = std::function<bool()>;

    // Actions are owned by owner.
    explicit CommandTable(QObject* owner);

    // A command with its item text ("&New\tCtrl+N") and shortcut; a check rule makes it checkable,
    // an enable rule greys it (and its shortcut) out while the rule says no.
    QAction* Add(int id, const QString& text, const QKeySequence& shortcut, Handler handler,
                 CheckRule checked = {}, EnableRule enabled = {});
    // Further shortcuts for a command already added.
    void AddShortcut(int id, const QKeySequence& shortcut);
    // The command's action, or null for an unknown number.
    QAction* Action(int id) const;
    // A further action for the same command under another text (a pop-up's own wording).
    QAction* AddAlias(int id, const QString& text, QObject* parent);
    std::vector<QAction*> Actions() const;

    // Runs the command's handler, then refreshes every check mark once, however often the
    // handler asked for it. Unknown numbers do nothing.
    void Dispatch(int id);
    // Sets every checkable action, and every action that has an enable rule, from its rules; while
    // a command runs, at its end.
    void RefreshChecks();

private:
    struct Entry {
        QAction* Action = nullptr;
        Handler Run;
        CheckRule Checked;
        EnableRule Enabled;
    };
    QObject* owner_;
    std::map<int, Entry> entries_;
    int running_ = 0;  // commands under way: a nested one (from a modal dialog) counts too
};
