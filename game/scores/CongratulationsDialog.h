#pragma once

#include "GameResult.h"
#include "ScoreTable.h"

#include <QDialog>

class Profile;
class QLabel;
class QLineEdit;
class QPushButton;

// Shown modally when a puzzle is completed: reports the game and, when the result earns a place
// on its mode's scoreboard, asks for a name. OK records the place; Escape records nothing.
class CongratulationsDialog : public QDialog {
    Q_OBJECT
public:
    CongratulationsDialog(QWidget* parent, Profile& profile, const GameResult& result);

    bool PlaceEarned() const { return placeEarned_; }

public slots:
    void accept() override;

private:
    void BuildControls();

    Profile& profile_;
    GameResult result_;
    ScorePair scores_;
    bool placeEarned_ = false;
    bool recorded_ = false;

    QLabel* difficultyLine_ = nullptr;
    QLabel* timeLine_ = nullptr;
    QLabel* movesLine_ = nullptr;
    QLabel* namePrompt_ = nullptr;
    QLineEdit* nameBox_ = nullptr;
    QPushButton* okButton_ = nullptr;
};
