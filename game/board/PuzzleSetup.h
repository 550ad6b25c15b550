#pragma once

#include "BoardFitting.h"

#include <QRect>
#include <QString>

class Picture;
class ZipPictureArchive;
struct PictureSource;

// The parts of a new puzzle that need no window: choosing the picture, loading it, and the
// arithmetic of placing the window. Every failure is reported by a false result only; the caller
// then shows the built-in picture.

// A random picture file or picture-holding archive of folder (not its sub-folders), never the
// picture on show unless it is the only one. False when the folder holds none. When the only file
// is the picture on show, source is left as it was and the result is true.
bool ChooseRandomPicture(const QString& folder, PictureSource& source);

// Loads the picture that source names into picture. An archive is read through archive, which
// stays open: a random member when random is true, else the member numbered source.ZipIndex.
// On success source.BuiltIn is false; source.ZipIndex and ZipCount describe the member read.
bool LoadSourcePicture(PictureSource& source, bool random, Picture& picture,
                       ZipPictureArchive& archive);

// Both steps: a random choice from folder when random is true, then the load. False when the
// caller must fall back to the built-in picture.
bool LoadPuzzlePicture(bool random, const QString& folder, PictureSource& source, Picture& picture,
                       ZipPictureArchive& archive);

// The picture built into the program; the path of the last picture is kept for a later reload.
bool LoadBuiltInPicture(Picture& picture, PictureSource& source);

// Another picture number of the same archive, drawn at random from 1..count. With fewer than two
// pictures there is no other one, and current comes back unchanged.
int ChooseAnotherZipIndex(int current, int count);

// The picture's size in pixels at the given pixels per inch.
int NaturalPixels(int himetric, int pixelsPerInch);

// Keeps a window of frame rectangle r on the screen area whose limits are given: too far right
// (and not already near the left edge) moves it to x = 50; too low moves it to y = 5. r and the
// result are relative to the top-left corner of the screen's available area.
QRect PlaceWindow(const QRect& r, const ScreenLimits& limits);
