#include "AccessibleControls.h"
#include "DailyResultDialog.h"
#include "HistoryCsv.h"
#include "StatisticsWindow.h"
#include "TimeChart.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace {

GameRecord Game(int n, GameMode mode, std::int64_t seconds)
{
    return GameRecord{"2026-12-08T07:15:02Z", n, mode, 30, 40, seconds, 0, std::nullopt, "", "Built-in picture"};
}

} // namespace

TEST(StatisticsWindow, ShowsEachSizeAndModeChartsTheChosenOneAndExports)
{
    QTemporaryDir dir;
    const HistoryStore store(dir.filePath("History.txt"));
    for (const GameRecord& game : {Game(3, GameMode::Slider, 50), Game(5, GameMode::TileSwap, 200),
                                   Game(3, GameMode::Slider, 70), Game(5, GameMode::TileSwap, 100)})
        ASSERT_TRUE(store.Append(game));
    QFile damaged(store.Path());
    ASSERT_TRUE(damaged.open(QIODevice::Append));
    damaged.write(QByteArray(1 << 20, '\x01') + '\n');
    damaged.close();

    StatisticsWindow window(store);
    window.show();
    EXPECT_EQ(UnnamedControls(window), QStringList());
    ASSERT_EQ(window.Table()->topLevelItemCount(), 2);
    EXPECT_EQ(window.Table()->topLevelItem(0)->text(0), "5 × 5 tile swap");
    EXPECT_EQ(window.Table()->topLevelItem(0)->text(2), "1:40");
    // It opens on the size and mode played last.
    EXPECT_EQ(window.Chart()->Times(), (std::vector<std::int64_t>{200, 100}));
    window.Table()->setCurrentItem(window.Table()->topLevelItem(1));
    EXPECT_EQ(window.Chart()->Times(), (std::vector<std::int64_t>{50, 70}));
    EXPECT_TRUE(window.Chart()->accessibleDescription().contains("3 × 3 slider"));
    EXPECT_TRUE(window.Note().contains("could not be read")) << window.Note().toStdString();

    const QString csv = dir.filePath("out.csv");
    ASSERT_TRUE(window.ExportTo(csv));
    QFile written(csv);
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_EQ(written.readAll().toStdString(), HistoryCsv(store.Load().Records));
}

TEST(DailyResultDialog, EveryControlHasANameForAScreenReader)
{
    DailyResultDialog dialog("Tilora daily 2026-12-08: 4 × 4, 63 tiles moved (fewest 48), 1:12", 3);
    dialog.show();
    EXPECT_EQ(UnnamedControls(dialog), QStringList());
}
