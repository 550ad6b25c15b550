#pragma once

#include <QString>

// Where a picture comes from: a file, the N-th picture of an archive, or the picture built into
// the program (":/BMP/IDR_BMP2").
struct PictureSource {
    enum class Kind { File, ArchiveMember, BuiltIn };

    Kind Type = Kind::BuiltIn;
    QString Path;      // the file or the archive; kept while the built-in picture is on show
    int ZipIndex = 1;  // 1-based picture number within the archive
    int ZipCount = 0;  // pictures in that archive when it was last opened

    // The file or archive at path, by its kind (PictureKind): an archive when its name ends in ".zip".
    static PictureSource ForPath(const QString& path, int zipIndex = 1);
    bool IsBuiltIn() const { return Type == Kind::BuiltIn; }
};
