#include "CongratulationsDialog.h"

#include "DialogUnits.h"
#include "GameReport.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

CongratulationsDialog::CongratulationsDialog(QWidget* parent, Profile& profile, const GameResult& result)
    : QDialog(parent), profile_(profile), result_(result), scores_(profile)
{
    // A caption bar without a close box: the dialog ends through OK (or Escape).
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(QStringLiteral("Congratulations!"));
    BuildControls();

    scores_.LoadScores();
    difficultyLine_->setText(GameReport::DifficultyLine(result_.N, result_.WithHints));
    timeLine_->setText(GameReport::TimeTakenLine(result_.Elapsed));
    movesLine_->setText(GameReport::MovesMadeLine(result_.Moves));

    placeEarned_ = GameReport::Qualifies(scores_, result_);
    if (placeEarned_)
        nameBox_->setText(GameReport::RememberedPlayerName(profile_));
    namePrompt_->setVisible(placeEarned_);
    nameBox_->setVisible(placeEarned_);

    // Enter at once accepts the name offered.
    okButton_->setFocus();
}

void CongratulationsDialog::BuildControls()
{
    const DialogUnits du(*this);

    auto* stats = new QGroupBox(QStringLiteral("Stats"), this);
    stats->setObjectName(QStringLiteral("stats"));
    auto* statsLayout = new QVBoxLayout(stats);
    statsLayout->setContentsMargins(du.X(13), du.Y(8), du.X(8), du.Y(8));
    statsLayout->setSpacing(du.Y(11));
    difficultyLine_ = new QLabel(stats);
    difficultyLine_->setObjectName(QStringLiteral("difficultyLine"));
    timeLine_ = new QLabel(stats);
    timeLine_->setObjectName(QStringLiteral("timeLine"));
    movesLine_ = new QLabel(stats);
    movesLine_->setObjectName(QStringLiteral("movesLine"));
    statsLayout->addWidget(difficultyLine_);
    statsLayout->addWidget(timeLine_);
    statsLayout->addWidget(movesLine_);

    namePrompt_ = new QLabel(QStringLiteral("Congratulations you have achieved a place on the scoreboard. "
                                            "Please enter your name :"),
                             this);
    namePrompt_->setObjectName(QStringLiteral("namePrompt"));
    namePrompt_->setWordWrap(true);

    okButton_ = new QPushButton(QStringLiteral("OK"), this);
    okButton_->setObjectName(QStringLiteral("okButton"));
    okButton_->setDefault(true);
    connect(okButton_, &QPushButton::clicked, this, &QDialog::accept);

    nameBox_ = new QLineEdit(this);
    nameBox_->setObjectName(QStringLiteral("nameBox"));
    nameBox_->setMaxLength(GameReport::MaxNameLength);
    nameBox_->setFixedWidth(du.X(86));
    setTabOrder(okButton_, nameBox_);
    // The prompt is the name box's label, read with it when it takes the focus.
    namePrompt_->setBuddy(nameBox_);

    auto* nameRow = new QHBoxLayout;
    nameRow->addStretch();
    nameRow->addWidget(nameBox_);
    nameRow->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(du.X(6), du.Y(6), du.X(6), du.Y(4));
    layout->addWidget(stats);
    layout->addWidget(namePrompt_);
    layout->addLayout(nameRow);
    layout->addSpacing(du.Y(4));
    layout->addWidget(okButton_);
    // The dialog keeps its template width and is as tall as what it shows: without a place to
    // record it is a plain report.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    stats->setMinimumWidth(du.X(177));
    namePrompt_->setFixedWidth(du.X(177));
}

void CongratulationsDialog::accept()
{
    if (placeEarned_ && !recorded_) {
        GameReport::RecordResult(scores_, profile_, result_, nameBox_->text());
        recorded_ = true;  // one place for one game, however often OK is pressed
    }
    QDialog::accept();
}
