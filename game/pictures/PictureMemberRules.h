#pragma once

#include <QByteArray>

// Which archive members are offered as pictures: the name and the first bytes decide.
namespace PictureMemberRules {

// How many leading bytes of a member the signature test reads; shorter members are no pictures.
constexpr int SignatureLength = 58;

// A file name (not a folder entry) whose extension is one of the picture kinds, in any case. The
// folder part of the name does not matter.
bool HasPictureName(const QByteArray& memberName);

// "BM", "JFIF", "GIF" or "Exif" in the first SignatureLength bytes read as text that ends at
// the first zero byte; bytes below 32 in the first ten count as letters, so that a JPEG's
// markers and segment length do not end the text before its "JFIF" or "Exif". For the kinds that
// came later (PNG, WebP, TIFF, ...): bytes their decoder recognises as its own.
bool HasPictureSignature(const unsigned char* head);

} // namespace PictureMemberRules
