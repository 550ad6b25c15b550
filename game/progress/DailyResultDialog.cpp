#include "DailyResultDialog.h"

#include "ProgressText.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

DailyResultDialog::DailyResultDialog(const QString& shareLine, int streak, QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Daily puzzle"));

    auto* heading = new QLabel(tr("<b>Daily puzzle solved!</b>"), this);
    auto* lineLabel = new QLabel(tr("&Result to share:"), this);
    line_ = new QLineEdit(shareLine, this);
    line_->setReadOnly(true);
    line_->setAccessibleName(tr("Result to share"));
    line_->setMinimumWidth(line_->fontMetrics().horizontalAdvance(shareLine) + 24);
    lineLabel->setBuddy(line_);
    auto* streakLabel = new QLabel(tr("Streak: %1").arg(ProgressText::StreakText(streak)), this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    copyButton_ = buttons->addButton(tr("&Copy"), QDialogButtonBox::ActionRole);
    copyButton_->setAccessibleName(tr("Copy the result"));
    connect(copyButton_, &QPushButton::clicked, this, [this] {
        QApplication::clipboard()->setText(line_->text());
        copyButton_->setText(tr("Copied"));
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addSpacing(6);
    layout->addWidget(lineLabel);
    layout->addWidget(line_);
    layout->addWidget(streakLabel);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    line_->selectAll();
    line_->setFocus();
}

QString DailyResultDialog::ShareLine() const
{
    return line_->text();
}
