#include "HistoryStore.h"

#include "SharedLog.h"
#include "UserFiles.h"

namespace {

// Written once at the top of a new file, for whoever opens it.
constexpr char Header[] =
    "# Tilora game history: one finished game a line, fields separated by tabs:\n"
    "# G1, date and time, size, mode, moves, tiles moved, seconds, hints, fewest tile moves, daily date, picture\n";

} // namespace

History ParseHistory(std::string_view text)
{
    History history;
    while (true) {
        const size_t newline = text.find('\n');
        if (newline == std::string_view::npos)
            break;
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline + 1);
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        if (line.empty() || line.front() == '#')
            continue;
        std::optional<GameRecord> record;
        if (line.size() <= HistoryStore::MaxLineBytes)
            record = RecordFormat::Parse(line);
        if (record)
            history.Records.push_back(std::move(*record));
        else
            ++history.SkippedLines;
    }
    return history;
}

QString HistoryStore::DefaultPath()
{
    return UserFiles::DataFolder() + '/' + UserFiles::History;
}

HistoryStore::HistoryStore(QString path) : path_(std::move(path)) {}

bool HistoryStore::Append(const GameRecord& record) const
{
    const std::string line = RecordFormat::Line(record);
    return SharedLog::AppendLine(path_, QByteArray::fromStdString(line), QByteArray(Header));
}

History HistoryStore::Load() const
{
    bool truncated = false;
    const QByteArray bytes = SharedLog::ReadTail(path_, MaxReadBytes, &truncated);
    History history = ParseHistory(std::string_view(bytes.constData(), size_t(bytes.size())));
    history.Truncated = truncated;
    return history;
}
