// The settings and score reader over any file: load, save, and a reload gives the same values.
#include "FuzzSupport.h"
#include "GameSettings.h"
#include "Profile.h"
#include "ScoreTable.h"

#include <QDateTime>
#include <QFile>

namespace {

struct Stored {
    GameSettings settings;
    ScoreTable tileSwap;
    ScoreTable slider;
};

// The number a setting is stored as, whatever type holds it in memory.
template <typename Value>
bool InRange(Value value, int lowest, int highest)
{
    return static_cast<int>(value) >= lowest && static_cast<int>(value) <= highest;
}

bool SameTable(const ScoreTable& a, const ScoreTable& b)
{
    for (int i = 0; i < ScoreTable::Places; ++i)
        if (!(a[i] == b[i]))
            return false;
    return true;
}

bool SameSettings(const GameSettings& a, const GameSettings& b)
{
    return a.Dimension == b.Dimension && a.Grid == b.Grid && a.GridColour == b.GridColour
           && a.SelColour == b.SelColour && a.Sound == b.Sound && a.PuzzleMode == b.PuzzleMode
           && a.Folder == b.Folder;
}

// Loads as the game does at start-up (settings) and in its score dialogs, then saves both.
Stored LoadAndSave(const QString& path)
{
    Profile profile(path);
    Stored stored;
    stored.settings.Folder = "/program/";
    stored.settings.LoadSettings(profile);
    // Only the sizes, switches, colours and modes the game offers.
    const GameSettings& s = stored.settings;
    FUZZ_CHECK(s.Dimension >= 3 && s.Dimension <= 10);
    FUZZ_CHECK(InRange(s.Grid, 0, 1) && InRange(s.Sound, 0, 1) && InRange(s.PuzzleMode, 0, 1));
    FUZZ_CHECK(InRange(s.GridColour, 0, 2) && InRange(s.SelColour, 0, 2));
    ScorePair scores(profile);
    scores.LoadScores();
    stored.tileSwap = scores.TileSwap();
    stored.slider = scores.Slider();
    s.SaveSettings(profile);
    scores.SaveScores();
    FUZZ_CHECK(profile.Flush());
    return stored;
}

// Nothing the game saved is a value that the toolkit's own reader, in an earlier build, would
// turn into an object: a text that begins with "@" is written "@@". Lines it does not read stay.
bool NoObjectValues(const QString& path, const QByteArray& input)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    for (const QByteArray& line : file.readAll().split('\n')) {
        const qsizetype equals = line.indexOf('=');
        const QByteArray value = equals >= 0 ? line.mid(equals + 1) : QByteArray();
        if (value.startsWith('@') && !value.startsWith("@@") && !input.contains(line))
            return false;
    }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString path = Fuzz::ScratchFolder() + "/Tilora.conf";
    static qint64 run = 0;
    FUZZ_CHECK(Fuzz::WriteFile(path, data, size));
    // The toolkit keeps a settings file it has read and reads it again only when its size or
    // time changed: a time of its own for every input.
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::ReadWrite)
               && file.setFileTime(QDateTime::fromSecsSinceEpoch(++run), QFileDevice::FileModificationTime));
    file.close();
    const Stored first = LoadAndSave(path);
    FUZZ_CHECK(NoObjectValues(path, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size))));
    const Stored again = LoadAndSave(path);
    FUZZ_CHECK(SameSettings(first.settings, again.settings));
    FUZZ_CHECK(SameTable(first.tileSwap, again.tileSwap) && SameTable(first.slider, again.slider));
    return 0;
}
