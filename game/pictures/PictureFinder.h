#pragma once

#include "ZipPictureArchive.h"

#include <QString>
#include <optional>
#include <vector>

struct PictureFileEntry {
    QString Path;  // folder, one separator, the file name as listed
};

// Lists the picture files and picture-holding archives of one folder (not its sub-folders)
// and picks one at random, avoiding the picture on show. Lives for one new puzzle.
class PictureFinder {
public:
    // Its archive reader reseeds random (by default the process's generator); the pick draws
    // from it.
    explicit PictureFinder(RandomSource& random = ProcessRandom());

    static QString NormalisePath(const QString& folder);

    bool SetRoot(const QString& folder);
    const QString& Root() const { return root_; }
    void ClearFiles();
    // Appends every file of the folder whose extension matches the pattern ("*.bmp"), ignoring
    // case; archives without a picture are left out. Directories are skipped. False when the
    // folder is missing or cannot be read.
    bool AddFiles(const QString& pattern);
    const std::vector<PictureFileEntry>& Files() const { return files_; }
    // A random file, never `current` unless it is the only one (then nothing).
    std::optional<QString> PickRandom(const QString& current) const;

private:
    RandomSource& random_;
    QString root_;
    std::vector<QString> folders_;
    std::vector<PictureFileEntry> files_;
    ZipPictureArchive archive_;
};
