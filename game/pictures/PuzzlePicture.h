#pragma once

#include "Picture.h"
#include "PictureSource.h"
#include "ZipPictureArchive.h"

#include <QSize>
#include <QString>

class RandomSource;

// The picture of the puzzle on show and where it came from, with the archive reader that read it
// (it stays open until the next load). Every failure falls back to the built-in picture without a
// word; the path is kept, so that a later reload tries it again.
class PuzzlePicture {
public:
    explicit PuzzlePicture(RandomSource& random) : random_(random), archive_(random) {}

    const Picture& Current() const { return picture_; }
    const PictureSource& Source() const { return source_; }
    // The picture on show came out of an archive (the New command then has its archive form).
    bool FromArchive() const { return source_.Type == PictureSource::Kind::ArchiveMember; }
    // The picture's own size in pixels at the screen's pixels per inch, which the board is
    // fitted to and the solution window shows.
    QSize NaturalSize(int dpiX, int dpiY) const;
    // The size the picture will be drawn at, told before it is decoded; see Picture.
    void SetDrawnSize(PictureDecoder::DrawnSizeRule rule) { picture_.SetDrawnSize(std::move(rule)); }
    // Once the board holds the picture's pixels, the picture keeps a copy covering drawnSmall.
    void KeepSmallCopyOnceShared(QSize drawnSmall) { picture_.KeepSmallCopyOnceShared(drawnSmall); }

    // A new puzzle's picture. Random: a picture file or picture-holding archive of folder (not its
    // sub-folders), never the one on show unless it is the only one, and a random picture of an
    // archive. Otherwise the current path again, an archive's numbered picture. False when the
    // built-in picture had to be shown instead.
    bool Load(bool random, const QString& folder);
    // The picture the player chose, as the open dialog found it; loaded by the next Load(false).
    void Choose(const PictureSource& source) { source_ = source; }
    // A kept path and picture number, its kind told by its name; loaded by the next Load(false).
    void Choose(const QString& path, int zipIndex, int zipCount);
    // Another picture of the archive on show, for the next Load(false); false when it has no other.
    bool ChooseAnotherMember();

private:
    bool ChooseRandomFile(const QString& folder);

    RandomSource& random_;
    Picture picture_;
    ZipPictureArchive archive_;
    PictureSource source_;
};

// Another picture number of the same archive, drawn at random from 1..count until it differs
// from current. With fewer than two pictures there is no other one, and current comes back.
int ChooseAnotherZipIndex(int current, int count, RandomSource& random);

// The picture's size in pixels at the given pixels per inch.
int NaturalPixels(int himetric, int pixelsPerInch);
// A picture of `pixels` (its own, at 96 per inch) at the given pixels per inch.
QSize NaturalSizeAt(QSize pixels, int dpiX, int dpiY);
