#pragma once

#include <QDialog>
#include <QString>
#include <functional>

class QLineEdit;

// Dialog 108, "Choose Destination Folder": the folder to install into, typed or browsed for.
// Next accepts only a folder that exists (or has just been made at the user's word, with every
// missing level), that menu entries can name, and that nobody but the player can change.
class DestinationDialog : public QDialog {
    Q_OBJECT
public:
    // Asks the user for a folder; empty when they cancel.
    using FolderPicker = std::function<QString(QWidget* owner)>;

    explicit DestinationDialog(QWidget* owner, FolderPicker picker = {});

    // The folder accepted by Next: absolute and clean. Empty until then.
    QString Folder() const { return folder_; }

private:
    void Browse();
    void Next();
    bool RefusedAsForeign(const QString& folder);
    static QString PickWithFileDialog(QWidget* owner);

    QLineEdit* edit_;
    FolderPicker picker_;
    QString folder_;
};
