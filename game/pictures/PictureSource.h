#pragma once

#include <QString>

// Where the picture on show came from: a file, a picture inside an archive, or the built-in one.
struct PictureSource {
    QString Path;        // the picture file, or the archive that holds the picture
    int ZipIndex = 1;    // 1-based picture number within the archive
    int ZipCount = 0;    // pictures in that archive when it was last opened
    bool BuiltIn = true; // the built-in picture ":/BMP/IDR_BMP2" is on show
};
