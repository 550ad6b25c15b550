#pragma once
#include <QByteArray>
#include <QString>

// Writes the bytes to the path, making its folder first; false when any step fails.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);
