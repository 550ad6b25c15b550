#include "GameStatusBar.h"

#include "TimeText.h"

#include <QLabel>

namespace {

// A label that never widens the window: the board, not the status bar, sets the width.
QLabel* AddPart(QStatusBar* bar, int share)
{
    auto* label = new QLabel(bar);
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    bar->addWidget(label, share);
    return label;
}

} // namespace

StatusFacts StatusFactsOf(const GameSession& session)
{
    const Position& shown = session.Current();
    return StatusFacts{session.Moves(), session.RunningTime(), shown.N(), shown.Mode()};
}

GameStatusBar::GameStatusBar(FactsSource facts, QWidget* parent)
    : QStatusBar(parent), facts_(std::move(facts))
{
    // The window has a fixed size: nothing to grip.
    setSizeGripEnabled(false);
    moves_ = AddPart(this, 2);
    time_ = AddPart(this, 3);
    puzzle_ = AddPart(this, 3);
    ticks_.setInterval(1000);
    connect(&ticks_, &QTimer::timeout, this, &GameStatusBar::Refresh);
    ticks_.start();
}

void GameStatusBar::Refresh()
{
    if (isHidden())
        return;
    const StatusFacts facts = facts_();
    moves_->setText(tr("Moves: %n", nullptr, facts.Moves));
    time_->setText(ScoreboardTimeText(facts.Seconds));
    const QString mode = facts.Mode == GameMode::Slider ? tr("Slider puzzle") : tr("Tile swap");
    puzzle_->setText(hint_.isEmpty() ? tr("%1 x %1 %2").arg(facts.N).arg(mode) : hint_);
    // A slider hint's word is longer than the size and mode; the time makes room for it while it holds.
    time_->setVisible(hint_.isEmpty());
}

void GameStatusBar::Changed()
{
    clearMessage();
    Refresh();
}

void GameStatusBar::ShowNote(const QString& text)
{
    showMessage(text);
}

void GameStatusBar::SetHint(const QString& text)
{
    hint_ = text;
    Refresh();
}

QString GameStatusBar::Text() const
{
    if (!currentMessage().isEmpty())
        return currentMessage();
    return QStringList{moves_->text(), time_->text(), puzzle_->text()}.join(QStringLiteral("  "));
}
