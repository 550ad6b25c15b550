#include "SetupMessages.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace SetupMessages {

QString CannotFind(const QString& name)
{
    return "Cannot find " + name + " in this file.";
}

QString CannotCreate(const QString& folder)
{
    return "The folder " + folder + " could not be created.";
}

QString CannotCarry(const QString& folder)
{
    return "Menu entries cannot start a program in " + folder
           + " because the folder name holds a line break, another control character or a % sign. "
             "Please choose another folder.";
}

QString IncompleteInstall(const QString& folder)
{
    return "Setup could not write all of its files into " + folder
           + ". Tilora is not installed completely; no menu entries were made.";
}

QString NotYourOwn(const QString& folder)
{
    return QCoreApplication::translate("SetupMessages",
                                       "Another user can change what is in %1, so Tilora would not be safe there. "
                                       "Please choose a folder of your own.")
        .arg(folder);
}

void ShowPlain(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), text, QMessageBox::Ok, owner);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

void ShowCannotFind(const QString& name)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Editor"), CannotFind(name), QMessageBox::Ok);
    box.exec();
}

bool Ask(QWidget* owner, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::Yes | QMessageBox::No, owner);
    return box.exec() == QMessageBox::Yes;
}

bool ConfirmCancel(QWidget* owner)
{
    return Ask(owner, QStringLiteral("Exit Setup"),
               QStringLiteral("Setup is not yet done, are you sure you want to exit?"));
}

} // namespace SetupMessages
