#pragma once

#include <QDialog>

class QLineEdit;
class QPushButton;

// The end of a daily puzzle: the line to share, ready to copy, and the days in a row.
class DailyResultDialog : public QDialog {
    Q_OBJECT
public:
    DailyResultDialog(const QString& shareLine, int streak, QWidget* parent = nullptr);

    QString ShareLine() const;

private:
    QLineEdit* line_ = nullptr;
    QPushButton* copyButton_ = nullptr;
};
