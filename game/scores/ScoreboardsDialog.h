#pragma once

#include "ScoreTable.h"

#include <QDialog>

class Profile;
class QGroupBox;
class QPushButton;
class QStackedLayout;
class QTreeWidget;

// Shows the two scoreboards, one at a time, always opening on the tile-swap board, and can put
// both back to their default contents. Nothing is saved on closing.
class ScoreboardsDialog : public QDialog {
    Q_OBJECT
public:
    ScoreboardsDialog(QWidget* parent, Profile& profile);

    bool ShowingTileSwap() const { return showingTileSwap_; }

private slots:
    void SwitchBoard();
    void AskAndResetScores();

private:
    void BuildControls();
    QTreeWidget* MakeBoardList(const QString& objectName);
    void SetColumnWidths(QTreeWidget* list, int listWidth) const;
    void FillLists();

    ScorePair scores_;
    bool showingTileSwap_ = true;

    QGroupBox* board_ = nullptr;
    QStackedLayout* lists_ = nullptr;
    QTreeWidget* tileSwapList_ = nullptr;
    QTreeWidget* sliderList_ = nullptr;
    QPushButton* switchButton_ = nullptr;
    QPushButton* resetButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};
