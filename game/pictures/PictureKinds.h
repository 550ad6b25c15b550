#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The one list of the picture kinds the game reads: BMP, GIF and JPEG, then PNG, WebP and TIFF,
// then AVIF, HEIF and JPEG XL, each kept only when the running Qt has a decoder for it. Every
// place that asks "picture, archive or neither?" asks here: the open dialog's filter and its
// preview, a drop, New's folder scan, archive members and the loader.

enum class PictureFileKind { None, Picture, Archive };

// By the extension of the file name, in any case: "x.zip.jpg" is a picture, "holiday.gif.zip" an
// archive, and the folders on the way do not count.
PictureFileKind PictureKind(const QString& path);

// The picture extensions without their dot ("bmp", "gif", "jpg", "jpeg", "png", ...), in the
// order a folder's files are listed.
const QStringList& PictureSuffixes();

// "*.bmp", "*.gif", "*.jpg", ..., then "*.zip": the picture files and archives of a folder.
QStringList PictureAndArchivePatterns();

// A decoder's format name (as QImageReader::format gives it) of a kind on the list.
bool IsPictureFormat(const QByteArray& format);
