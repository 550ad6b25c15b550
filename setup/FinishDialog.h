#pragma once

#include "FinishInstall.h"

#include <QDialog>

class QCheckBox;

// Dialog 113, "Setup complete!": three choices, all checked at first. Finish accepts them;
// Escape closes the page with none carried out.
class FinishDialog : public QDialog {
    Q_OBJECT
public:
    explicit FinishDialog(QWidget* owner);
    FinishChoices Choices() const;

private:
    QCheckBox* programGroup_;
    QCheckBox* desktopShortcut_;
    QCheckBox* runProgram_;
};
