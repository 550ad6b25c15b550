#pragma once

#include "GameRecord.h"

#include <QString>
#include <string_view>
#include <vector>

// What the history file held, as far as it was read.
struct History {
    std::vector<GameRecord> Records;  // in the order they were written, the latest last
    int SkippedLines = 0;             // damaged or foreign lines, left in the file as they are
    bool Truncated = false;           // the file was longer than is read; its oldest lines were left out
};

// The records of text holding history lines. Blank lines and lines starting with '#' are notes;
// every other line that is not a record is counted as skipped. A last line without its newline may
// be one being written, so it is left for the next reading. Lines longer than any record can be
// are skipped without being looked at further.
History ParseHistory(std::string_view text);

// The player's history of finished games: $XDG_DATA_HOME/Tilora/History.txt, one line a game. The
// file only grows: records are added at the end and nothing already there is ever rewritten, so a
// crash never costs an earlier record and a line this version cannot read stays for one that can.
class HistoryStore {
public:
    // At most this much of the end of the file is read: hundreds of thousands of games, and a file
    // grown huge by damage still opens in a moment.
    static constexpr qint64 MaxReadBytes = 32 * 1024 * 1024;
    static constexpr size_t MaxLineBytes = 4096;

    static QString DefaultPath();
    explicit HistoryStore(QString path = DefaultPath());

    const QString& Path() const { return path_; }
    // Adds the record at the end of the file; false when it could not be written.
    bool Append(const GameRecord& record) const;
    History Load() const;

private:
    QString path_;
};
