#include "StatisticsWindow.h"

#include "HistoryCsv.h"
#include "ProgressText.h"
#include "SafeFile.h"
#include "TimeChart.h"

#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

StatisticsWindow::StatisticsWindow(const HistoryStore& store, QWidget* parent)
    : QDialog(parent), history_(store.Load()), figures_(Statistics(history_.Records))
{
    setWindowTitle(tr("Statistics"));
    BuildControls();
    Fill();
}

void StatisticsWindow::BuildControls()
{
    note_ = new QLabel(this);
    note_->setWordWrap(true);

    table_ = new QTreeWidget(this);
    table_->setObjectName(QStringLiteral("statisticsTable"));
    table_->setAccessibleName(tr("Figures for each size and mode"));
    table_->setRootIsDecorated(false);
    table_->setUniformRowHeights(true);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::SingleSelection);
    table_->setHeaderLabels(ProgressText::StatisticsTitles());
    table_->header()->setSectionsMovable(false);
    table_->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(table_, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* item) { ShowChartOfRow(table_->indexOfTopLevelItem(item)); });

    chartTitle_ = new QLabel(this);
    chart_ = new TimeChart(this);

    exportButton_ = new QPushButton(tr("&Export…"), this);
    exportButton_->setAccessibleName(tr("Export the history as CSV"));
    exportButton_->setAutoDefault(false);
    connect(exportButton_, &QPushButton::clicked, this, &StatisticsWindow::AskAndExport);
    closeButton_ = new QPushButton(tr("Close"), this);
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(exportButton_);
    buttons->addStretch(1);
    buttons->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addWidget(table_, 2);
    layout->addWidget(chartTitle_);
    layout->addWidget(chart_, 3);
    layout->addLayout(buttons);
    resize(660, 520);
}

QString StatisticsWindow::Note() const
{
    QString note = history_.Records.empty()
        ? tr("No finished games yet. Every game you finish yourself is added here.")
        : tr("%n game(s) in your history.", nullptr, int(history_.Records.size()));
    if (history_.Truncated)
        note += ' ' + tr("Only the latest part of a very long history was read.");
    if (history_.SkippedLines > 0)
        note += ' ' + tr("%n line(s) of the history could not be read; they are left in the file as they are.",
                         nullptr, history_.SkippedLines);
    return note;
}

void StatisticsWindow::Fill()
{
    note_->setText(Note());
    for (const GroupStatistics& figures : figures_) {
        auto* row = new QTreeWidgetItem(table_, ProgressText::StatisticsRow(figures));
        for (int column = 1; column < table_->columnCount(); ++column)
            row->setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
    }
    exportButton_->setEnabled(!history_.Records.empty());
    // The chart opens on the size and mode played last.
    int latest = -1;
    if (!history_.Records.empty()) {
        const GameRecord& last = history_.Records.back();
        for (size_t i = 0; i < figures_.size(); ++i)
            if (figures_[i].N == last.N && figures_[i].Mode == last.Mode)
                latest = int(i);
    }
    if (latest >= 0)
        table_->setCurrentItem(table_->topLevelItem(latest));
    else
        ShowChartOfRow(-1);
    table_->setFocus();
}

void StatisticsWindow::ShowChartOfRow(int row)
{
    if (row < 0 || row >= int(figures_.size())) {
        chartTitle_->setText(tr("Times of the latest games"));
        chart_->SetTimes({}, QString());
        return;
    }
    const GroupStatistics& group = figures_[size_t(row)];
    const QString name = ProgressText::PuzzleName(group.N, group.Mode);
    std::vector<std::int64_t> times = LatestTimes(history_.Records, group.N, group.Mode, ChartGames);
    chartTitle_->setText(tr("Times of the last %n game(s) of %1", nullptr, int(times.size())).arg(name));
    chart_->SetTimes(std::move(times), name);
}

void StatisticsWindow::AskAndExport()
{
    const QString path = QFileDialog::getSaveFileName(this, tr("Export history"),
                                                      QDir::home().filePath(tr("Tilora history.csv")),
                                                      tr("CSV files (*.csv)"));
    if (!path.isEmpty())
        ExportTo(path);
}

bool StatisticsWindow::ExportTo(const QString& path)
{
    const std::string csv = HistoryCsv(history_.Records);
    if (WriteFileSafely(path, QByteArray::fromStdString(csv), FileKind::Data))
        return true;
    QMessageBox::warning(this, tr("Export history"), tr("The history could not be written to %1.").arg(QDir::toNativeSeparators(path)));
    return false;
}
