#include "UninstallDialog.h"

#include "DialogUnits.h"

#include <QLabel>
#include <QPushButton>
#include <algorithm>

UninstallDialog::UninstallDialog(QWidget* parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setWindowTitle(tr("Uninstall ?"));
    const DialogUnits du(*this);
    setFixedSize(du.Size(226, 66));

    // Created in the template's order, which is also the tab order: the default button first.
    uninstall_ = new QPushButton(tr("Uninstall"), this);
    uninstall_->setGeometry(du.Rect(147, 39, 50, 14));
    uninstall_->setDefault(true);
    connect(uninstall_, &QPushButton::clicked, this, &QDialog::accept);

    cancel_ = new QPushButton(tr("Cancel"), this);
    cancel_->setGeometry(du.Rect(29, 39, 50, 14));
    connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* question = new QLabel(tr("This program will uninstall Tilora, are you sure?"), this);
    // A question that runs longer in the player's language wraps onto a second line above the buttons.
    question->setWordWrap(true);
    QRect place = du.Rect(29, 12, 167, 14);
    place.setHeight(std::max(place.height(), question->heightForWidth(place.width())));
    question->setGeometry(place);
    uninstall_->setFocus();
}
