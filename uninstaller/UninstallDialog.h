#pragma once

#include <QDialog>

class QPushButton;

// Dialog 130, the one question the uninstaller asks. It has no close box; Esc is Cancel.
class UninstallDialog : public QDialog {
    Q_OBJECT
public:
    explicit UninstallDialog(QWidget* parent = nullptr);

    QPushButton* UninstallButton() const { return uninstall_; }
    QPushButton* CancelButton() const { return cancel_; }

private:
    QPushButton* uninstall_;
    QPushButton* cancel_;
};
