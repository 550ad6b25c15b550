#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class QWidget;

// The help book "Tilora.html" in a given folder.
QString HelpFilePath(const QString& folder);

// Every place the help book may be, in the order they are tried: beside the program (a build or
// a copied folder), the desktop's data folders + "/tilora" (a per-user or system install), and
// "../share/tilora" from the program (the prefix it was installed under, wherever that is).
QStringList HelpFileCandidates(const QString& programFolder);

// The first of the candidates that exists; empty when there is none.
QString FindHelpFile(const QString& programFolder);

// The Help command: hands the help book to the desktop, and tells the player in a message box
// when it is nowhere to be found (naming every place looked at) or could not be opened. The game
// carries on either way.
void OpenHelp(QWidget* parent, const QString& programFolder);
void OpenHelp(QWidget* parent, const QString& programFolder,
              const std::function<bool(const QString& path)>& openDocument);
