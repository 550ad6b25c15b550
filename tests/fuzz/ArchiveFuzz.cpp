// The archive reader over any file: open, count, step both ways, extract each picture, close.
#include "FuzzSupport.h"
#include "Picture.h"
#include "ZipPictureArchive.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

namespace {

// Forwards visits exactly count pictures; back from the last visits the same ones in reverse
// and stops at the first.
void WalkBothWays(ZipPictureArchive& archive, int count)
{
    std::vector<QString> names;
    FUZZ_CHECK(archive.GoToFirstPicture());
    names.push_back(archive.GetCurrentName());
    for (int i = 2; i <= count; ++i) {
        FUZZ_CHECK(archive.GoToNextPicture());
        names.push_back(archive.GetCurrentName());
    }
    FUZZ_CHECK(!archive.GoToNextPicture());
    FUZZ_CHECK(archive.GetCount() == count);
    FUZZ_CHECK(archive.GoToPicture(count));
    for (int i = count - 1; i >= 1; --i) {
        FUZZ_CHECK(archive.GoToPreviousPicture());
        FUZZ_CHECK(archive.GetCurrentName() == names[i - 1]);
    }
    FUZZ_CHECK(!archive.GoToPreviousPicture());
    FUZZ_CHECK(archive.GetCurrentName() == names[0]);
}

// A picture is loaded whole or refused and left empty; the temporary file holds the member
// whole, and the same picture, whenever the buffer did.
void ExtractEach(ZipPictureArchive& archive, int count)
{
    for (int i = 1; i <= count; ++i) {
        FUZZ_CHECK(archive.GoToPicture(i));
        // The member test read a signature of 58 bytes from it.
        FUZZ_CHECK(archive.IsPictureMember() && archive.GetCurrentSize() >= 58);
        Picture picture;
        const bool loaded = archive.LoadCurrentPicture(picture);
        FUZZ_CHECK(loaded == !picture.IsEmpty());
        FUZZ_CHECK(!loaded || (picture.GetWidth() > 0 && picture.GetHeight() > 0));
        const bool extracted = archive.Extract(nullptr);
        FUZZ_CHECK(extracted || !loaded);
        if (!extracted)
            continue;
        FUZZ_CHECK(QFileInfo(archive.TemporaryFilePath()).size() == qint64(archive.GetCurrentSize()));
        Picture fromFile;
        FUZZ_CHECK(fromFile.LoadFromFile(archive.TemporaryFilePath()) == loaded);
        FUZZ_CHECK(fromFile.Image() == picture.Image());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const QString path = Fuzz::ScratchFolder() + "/input.zip";
    FUZZ_CHECK(Fuzz::WriteFile(path, data, size));
    ZipPictureArchive archive;
    const bool opened = archive.Open(path);
    const int count = archive.GetCount();
    FUZZ_CHECK(count == -1 || (opened && count >= 1));
    if (count >= 1) {
        WalkBothWays(archive, count);
        ExtractEach(archive, count);
    }
    const QString temporary = archive.TemporaryFilePath();
    archive.Close();
    FUZZ_CHECK(archive.GetCount() == -1);
    FUZZ_CHECK(!QFile::exists(temporary));
    return 0;
}
