#pragma once

#include "GameStatistics.h"
#include "HistoryStore.h"

#include <QDialog>

class QLabel;
class QPushButton;
class QTreeWidget;
class TimeChart;

// The player's figures: a table with a row for each size and mode played, and below it a chart of
// the latest 50 times of the row chosen. Export writes the whole history as CSV. The history is
// read once, when the window opens.
class StatisticsWindow : public QDialog {
    Q_OBJECT
public:
    static constexpr int ChartGames = 50;

    StatisticsWindow(const HistoryStore& store, QWidget* parent = nullptr);

    QTreeWidget* Table() const { return table_; }
    TimeChart* Chart() const { return chart_; }
    QString Note() const;
    // Writes the history as CSV to path; false, with a message already shown, when it could not.
    bool ExportTo(const QString& path);

private:
    void BuildControls();
    void Fill();
    void ShowChartOfRow(int row);
    void AskAndExport();

    History history_;
    std::vector<GroupStatistics> figures_;
    QLabel* note_ = nullptr;
    QTreeWidget* table_ = nullptr;
    QLabel* chartTitle_ = nullptr;
    TimeChart* chart_ = nullptr;
    QPushButton* exportButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};
