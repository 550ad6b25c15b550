#pragma once

#include <QString>

class QWidget;

// The texts setup shows, and its two kinds of message box.
namespace SetupMessages {

inline const char* const Damaged = "The setup file is damaged.";
inline const char* const ErrorUnpacking = "Error unpacking files";
inline const char* const ChooseAFolder = "Please choose a folder to install into.";
inline const char* const InvalidFolder = "Invalid folder.";

QString CannotFind(const QString& name);
QString CannotCreate(const QString& folder);
QString CannotCarry(const QString& folder);
QString IncompleteInstall(const QString& folder);
QString NotYourOwn(const QString& folder);

// An application-modal box with the warning icon and OK, captioned with the program's name.
void ShowPlain(QWidget* owner, const QString& text);

// "Cannot find ... in this file.": the error icon and the caption the reader has always used.
void ShowCannotFind(const QString& name);

// A Yes/No question with the question icon; true for Yes.
bool Ask(QWidget* owner, const QString& caption, const QString& text);

// "Setup is not yet done, are you sure you want to exit?"; true when the user wants to leave.
bool ConfirmCancel(QWidget* owner);

} // namespace SetupMessages
