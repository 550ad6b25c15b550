#pragma once

#include <QString>
#include <QStringList>
#include <array>

// The picture files the game reads, by extension, in the order a folder's files are listed.
// Inside an archive only .bmp, .gif and .jpg names are taken.
struct PictureExtension {
    const char* Suffix;
    bool InArchives;
};
inline constexpr std::array<PictureExtension, 4> PictureExtensions{
    {{".bmp", true}, {".gif", true}, {".jpg", true}, {".jpeg", false}}};
inline constexpr const char* ArchiveExtension = ".zip";

// "*.bmp", "*.gif", "*.jpg", "*.jpeg", then "*.zip".
QStringList PictureAndArchivePatterns();
