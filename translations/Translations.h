#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

// The player's language for a running program: Qt's own texts (standard dialogs, message-box
// buttons) from the system's Qt catalogues when they are installed, and Tilora's texts from the
// catalogues compiled into the program. The language is the system's (LANGUAGE, LC_ALL,
// LC_MESSAGES, LANG); one without a catalogue, or a catalogue that will not load, leaves the English
// source texts.
void InstallTranslations(QCoreApplication& app);

// The languages Tilora has catalogues for ("de", "es", ...), sorted.
QStringList ShippedLanguages();

// `text` of `context` in `language`, whatever language the program runs in; empty when the
// catalogue does not have it. For files that carry every language at once, such as desktop entries.
QString TranslatedInto(const QString& language, const char* context, const char* text);
