// The history reader over any text: every record it takes writes back as a line it reads as the
// same record, the store and the plain parse agree, and one more game added is read after them.
#include "FuzzSupport.h"
#include "HistoryStore.h"

#include <algorithm>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    Fuzz::SetUp();
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const History parsed = ParseHistory(text);
    for (const GameRecord& record : parsed.Records) {
        std::string line = RecordFormat::Line(record);
        FUZZ_CHECK(line.back() == '\n' && std::count(line.begin(), line.end(), '\n') == 1);
        line.pop_back();
        FUZZ_CHECK(RecordFormat::Parse(line) == record);
    }

    const QString path = Fuzz::ScratchFolder() + "/History.txt";
    FUZZ_CHECK(Fuzz::WriteFile(path, data, size));
    const HistoryStore store(path);
    const History loaded = store.Load();
    FUZZ_CHECK(loaded.Records == parsed.Records && loaded.SkippedLines == parsed.SkippedLines);
    const GameRecord added{"2026-12-08T07:15:02Z", 4, GameMode::Slider, 1, 1, 1, 0, 1, "2026-12-08", "p"};
    FUZZ_CHECK(store.Append(added));
    const History after = store.Load();
    FUZZ_CHECK(!after.Records.empty() && after.Records.back() == added);
    FUZZ_CHECK(after.Records.size() >= parsed.Records.size() + 1);
    return 0;
}
