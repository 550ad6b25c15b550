#pragma once

#include "PictureSource.h"

#include <functional>

class Picture;
class RandomSource;
class ZipPictureArchive;

enum class PictureLoad {
    Loaded,
    Missing,      // no such file or archive, an archive without pictures, or a member out of reach
    Undecodable,  // the file or member was there but gave no picture
};

struct PictureLoadOptions {
    // Draws the archive's member at random instead of taking ZipIndex.
    RandomSource* RandomMember = nullptr;
    // Hears why an archive member could not be read or decoded; nothing is said without it.
    std::function<void(const QString& message)> Report;
};

// The one way a picture is loaded, for the puzzle and the preview alike. An archive member is read
// through archive, which stays open on that member, and source's ZipCount and ZipIndex then
// describe what was read (a number outside the archive is taken as the nearest picture there is).
PictureLoad LoadPicture(PictureSource& source, Picture& picture, ZipPictureArchive& archive,
                        const PictureLoadOptions& options = {});
