#pragma once

#include <QString>
#include <QStringList>

// Writes `stubPath` followed by a package of `files`, stored in the order given under their file
// names, to `outPath` as a program. Refuses what the reader would refuse (a name it would not
// extract, a file too large for the layout), saying why in `error`. The same inputs give the same
// bytes, and `outPath` is replaced only once the whole file is written.
bool BuildPackageFile(const QString& stubPath, const QStringList& files, const QString& outPath, QString* error);
