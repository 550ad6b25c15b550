#include "ScoreboardsDialog.h"

#include "DialogUnits.h"
#include "ScoreboardRows.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QMessageBox>
#include <QPushButton>
#include <QStackedLayout>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

const char* const SliderScoresText = "Slider scores >>>";
const char* const TileSwapScoresText = "Tile Swap scores >>>";

}  // namespace

ScoreboardsDialog::ScoreboardsDialog(QWidget* parent, Profile& profile)
    : QDialog(parent), scores_(profile)
{
    setWindowTitle(QStringLiteral("Scoreboards"));
    BuildControls();
    scores_.LoadScores();
    FillLists();
    lists_->setCurrentWidget(tileSwapList_);
    closeButton_->setFocus();
}

QTreeWidget* ScoreboardsDialog::MakeBoardList(const QString& objectName)
{
    auto* list = new QTreeWidget;
    list->setObjectName(objectName);
    list->setRootIsDecorated(false);
    list->setItemsExpandable(false);
    list->setUniformRowHeights(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    // The keyboard's place is a whole score, shown across every column.
    list->setAllColumnsShowFocus(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setColumnCount(ScoreboardRows::ColumnCount);
    list->setHeaderLabels(ScoreboardRows::ColumnTitles());
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(false);
    // The name reads from the left; the numbers sit centred under their titles.
    for (int column = 1; column < ScoreboardRows::ColumnCount; ++column)
        list->headerItem()->setTextAlignment(column, Qt::AlignCenter);
    return list;
}

void ScoreboardsDialog::SetColumnWidths(QTreeWidget* list, int listWidth) const
{
    for (int column = 0; column < ScoreboardRows::ColumnCount; ++column)
        list->setColumnWidth(column, ScoreboardRows::ColumnWidth(column, listWidth));
}

void ScoreboardsDialog::BuildControls()
{
    const DialogUnits du(*this);

    board_ = new QGroupBox(QStringLiteral("Tile swap"), this);
    board_->setObjectName(QStringLiteral("board"));
    tileSwapList_ = MakeBoardList(QStringLiteral("tileSwapList"));
    tileSwapList_->setAccessibleName(tr("Tile swap scores"));
    sliderList_ = MakeBoardList(QStringLiteral("sliderList"));
    sliderList_->setAccessibleName(tr("Slider scores"));

    // Both lists lie in one place; the stack keeps exactly one of them visible.
    auto* listPlace = new QWidget(board_);
    lists_ = new QStackedLayout(listPlace);
    lists_->setContentsMargins(0, 0, 0, 0);
    lists_->addWidget(tileSwapList_);
    lists_->addWidget(sliderList_);

    auto* boardLayout = new QVBoxLayout(board_);
    boardLayout->setContentsMargins(du.X(14), du.Y(8), du.X(14), du.Y(8));
    boardLayout->addWidget(listPlace);

    // The lists get the template's size, or more height when ten rows would not fit the font in
    // use, so the whole board shows without scrolling.
    const int listWidth = du.X(267);
    for (QTreeWidget* list : {tileSwapList_, sliderList_}) {
        SetColumnWidths(list, listWidth);
        list->setFixedWidth(listWidth);
    }
    const int rowHeight = qMax(tileSwapList_->fontMetrics().height() + 4, 16);
    const int headerHeight = tileSwapList_->header()->sizeHint().height();
    const int frame = 2 * tileSwapList_->frameWidth();
    const int tenRows = headerHeight + ScoreTable::Places * rowHeight + frame + 4;
    for (QTreeWidget* list : {tileSwapList_, sliderList_})
        list->setFixedHeight(qMax(du.Y(102), tenRows));

    switchButton_ = new QPushButton(QString::fromLatin1(SliderScoresText), this);
    switchButton_->setObjectName(QStringLiteral("switchButton"));
    // Named by what it shows next: the arrows are drawn, not read.
    switchButton_->setAccessibleName(sliderList_->accessibleName());
    switchButton_->setAutoDefault(false);
    switchButton_->setMinimumWidth(du.X(87));
    connect(switchButton_, &QPushButton::clicked, this, &ScoreboardsDialog::SwitchBoard);

    resetButton_ = new QPushButton(QStringLiteral("Reset scores"), this);
    resetButton_->setObjectName(QStringLiteral("resetButton"));
    resetButton_->setAutoDefault(false);
    resetButton_->setMinimumWidth(du.X(50));
    connect(resetButton_, &QPushButton::clicked, this, &ScoreboardsDialog::AskAndResetScores);

    closeButton_ = new QPushButton(QStringLiteral("Close"), this);
    closeButton_->setObjectName(QStringLiteral("closeButton"));
    closeButton_->setDefault(true);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);

    // The switch button sits in the middle, Reset at the right end.
    auto* buttons = new QGridLayout;
    buttons->setColumnStretch(0, 1);
    buttons->setColumnStretch(2, 1);
    buttons->addWidget(switchButton_, 0, 1);
    buttons->addWidget(resetButton_, 0, 2, Qt::AlignRight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(du.X(5), du.Y(7), du.X(5), du.Y(4));
    layout->addWidget(board_);
    layout->addLayout(buttons);
    layout->addSpacing(du.Y(2));
    layout->addWidget(closeButton_);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ScoreboardsDialog::FillLists()
{
    const std::pair<QTreeWidget*, const ScoreTable*> boards[] = {
        {tileSwapList_, &scores_.TileSwap()},
        {sliderList_, &scores_.Slider()},
    };
    for (const auto& [list, table] : boards) {
        list->clear();
        for (int place = 0; place < ScoreTable::Places; ++place) {
            auto* row = new QTreeWidgetItem(list, ScoreboardRows::CellTexts((*table)[place]));
            for (int column = 1; column < ScoreboardRows::ColumnCount; ++column)
                row->setTextAlignment(column, Qt::AlignCenter);
        }
    }
}

void ScoreboardsDialog::SwitchBoard()
{
    showingTileSwap_ = !showingTileSwap_;
    if (showingTileSwap_) {
        board_->setTitle(QStringLiteral("Tile Swap"));
        lists_->setCurrentWidget(tileSwapList_);
        switchButton_->setText(QString::fromLatin1(SliderScoresText));
        switchButton_->setAccessibleName(sliderList_->accessibleName());
    } else {
        board_->setTitle(QStringLiteral("Slider Puzzle"));
        lists_->setCurrentWidget(sliderList_);
        switchButton_->setText(QString::fromLatin1(TileSwapScoresText));
        switchButton_->setAccessibleName(tileSwapList_->accessibleName());
    }
}

void ScoreboardsDialog::AskAndResetScores()
{
    QMessageBox question(QMessageBox::NoIcon, QStringLiteral("Reset scores"), QStringLiteral("Are you sure?"),
                         QMessageBox::Yes | QMessageBox::No, this);
    question.setDefaultButton(QMessageBox::Yes);
    if (question.exec() != QMessageBox::Yes)
        return;
    scores_.ResetScores();
    FillLists();
}
