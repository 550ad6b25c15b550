#include "HistoryCsv.h"

namespace {

std::string CsvField(std::string text)
{
    if (!text.empty() && std::string_view("=+-@\t\r").find(text.front()) != std::string_view::npos)
        text.insert(0, 1, '\'');
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

std::string HistoryCsv(const std::vector<GameRecord>& records)
{
    std::string csv = "date_time,size,mode,moves,tiles_moved,seconds,hints,fewest_tile_moves,daily,picture\r\n";
    for (const GameRecord& record : records) {
        csv += record.When + ',' + std::to_string(record.N) + ','
            + (record.Mode == GameMode::Slider ? "slider" : "swap") + ',' + std::to_string(record.Moves) + ','
            + std::to_string(record.TilesMoved) + ',' + std::to_string(record.Seconds) + ','
            + std::to_string(record.Hints) + ',' + (record.Fewest ? std::to_string(*record.Fewest) : "") + ','
            + record.DailyDate + ',' + CsvField(record.Picture) + "\r\n";
    }
    return csv;
}
