#include "GameRecord.h"

#include <charconv>
#include <chrono>
#include <vector>

namespace {

constexpr int FieldCount = 11;

std::string Escaped(std::string_view text)
{
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
        case '\\': escaped += "\\\\"; break;
        case '\t': escaped += "\\t"; break;
        case '\n': escaped += "\\n"; break;
        case '\r': escaped += "\\r"; break;
        default: escaped += c;
        }
    }
    return escaped;
}

std::optional<std::string> Unescaped(std::string_view text)
{
    std::string plain;
    plain.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            plain += text[i];
            continue;
        }
        if (++i == text.size())
            return std::nullopt;
        switch (text[i]) {
        case '\\': plain += '\\'; break;
        case 't': plain += '\t'; break;
        case 'n': plain += '\n'; break;
        case 'r': plain += '\r'; break;
        default: return std::nullopt;
        }
    }
    return plain;
}

// The fields between tabs; no more than FieldCount are split off, later ones stay unread.
std::vector<std::string_view> Fields(std::string_view line)
{
    std::vector<std::string_view> fields;
    while (fields.size() + 1 < FieldCount) {
        const size_t tab = line.find('\t');
        if (tab == std::string_view::npos)
            break;
        fields.push_back(line.substr(0, tab));
        line.remove_prefix(tab + 1);
    }
    fields.push_back(line.substr(0, line.find('\t')));
    return fields;
}

template <typename Number>
std::optional<Number> NonNegative(std::string_view text)
{
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < 0)
        return std::nullopt;
    return value;
}

bool DigitsAt(std::string_view text, std::initializer_list<size_t> places)
{
    for (size_t place : places) {
        if (place >= text.size() || text[place] < '0' || text[place] > '9')
            return false;
    }
    return true;
}

// "YYYY-MM-DDThh:mm:ss" and, after it, a zone: "Z" or "+hh:mm" / "-hh:mm".
bool IsDateTime(std::string_view text)
{
    if (text.size() < 20 || !RecordFormat::IsIsoDate(text.substr(0, 10)) || text[10] != 'T'
        || text[13] != ':' || text[16] != ':' || !DigitsAt(text, {11, 12, 14, 15, 17, 18}))
        return false;
    const std::string_view zone = text.substr(19);
    return zone == "Z"
        || (zone.size() == 6 && (zone[0] == '+' || zone[0] == '-') && zone[3] == ':' && DigitsAt(zone, {1, 2, 4, 5}));
}

} // namespace

namespace RecordFormat {

bool IsIsoDate(std::string_view text)
{
    if (text.size() != 10 || text[4] != '-' || text[7] != '-' || !DigitsAt(text, {0, 1, 2, 3, 5, 6, 8, 9}))
        return false;
    const auto year = NonNegative<int>(text.substr(0, 4));
    const auto month = NonNegative<unsigned>(text.substr(5, 2));
    const auto day = NonNegative<unsigned>(text.substr(8, 2));
    return std::chrono::year_month_day(std::chrono::year(*year), std::chrono::month(*month),
                                       std::chrono::day(*day)).ok();
}

std::string Line(const GameRecord& record)
{
    std::string line(Tag);
    for (const std::string& field :
         {record.When, std::to_string(record.N), std::string(record.Mode == GameMode::Slider ? "slider" : "swap"),
          std::to_string(record.Moves), std::to_string(record.TilesMoved), std::to_string(record.Seconds),
          std::to_string(record.Hints), record.Fewest ? std::to_string(*record.Fewest) : std::string("-"),
          record.DailyDate.empty() ? std::string("-") : record.DailyDate, Escaped(record.Picture)}) {
        line += '\t';
        line += field;
    }
    line += '\n';
    return line;
}

std::optional<GameRecord> Parse(std::string_view line)
{
    const std::vector<std::string_view> fields = Fields(line);
    if (fields.size() < FieldCount || fields[0] != Tag || !IsDateTime(fields[1]))
        return std::nullopt;
    GameRecord record;
    record.When = fields[1];
    const auto n = NonNegative<int>(fields[2]);
    const auto moves = NonNegative<int>(fields[4]);
    const auto tiles = NonNegative<int>(fields[5]);
    const auto seconds = NonNegative<std::int64_t>(fields[6]);
    const auto hints = NonNegative<int>(fields[7]);
    const auto fewest = fields[8] == "-" ? std::optional<int>(0) : NonNegative<int>(fields[8]);
    const auto picture = Unescaped(fields[10]);
    const bool knownMode = fields[3] == "swap" || fields[3] == "slider";
    const bool daily = fields[9] != "-";
    if (!n || *n < Position::MinN || *n > Position::MaxN || !knownMode || !moves || !tiles || !seconds
        || *seconds > RecordFormat::MaxSeconds || !hints || !fewest || (daily && !IsIsoDate(fields[9])) || !picture)
        return std::nullopt;
    record.N = *n;
    record.Mode = fields[3] == "slider" ? GameMode::Slider : GameMode::TileSwap;
    record.Moves = *moves;
    record.TilesMoved = *tiles;
    record.Seconds = *seconds;
    record.Hints = *hints;
    if (fields[8] != "-")
        record.Fewest = *fewest;
    if (daily)
        record.DailyDate = fields[9];
    record.Picture = *picture;
    return record;
}

} // namespace RecordFormat
