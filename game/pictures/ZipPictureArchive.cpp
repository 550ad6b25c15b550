#include "ZipPictureArchive.h"

#include "Picture.h"
#include "PictureMemberRules.h"
#include "RandomSource.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <ctime>
#include <limits>
#include <new>
#include <unzip.h>
#include <vector>

namespace {

// Deflate never expands data by more than about this factor; a member declared larger than
// the whole archive times this cannot be genuine.
constexpr qint64 MaxDeflateRatio = 1032;

// Member names carry a flag when they are UTF-8; older archives use the system's code page.
QString DecodeMemberName(const QByteArray& name, unsigned long flags)
{
    constexpr unsigned long Utf8NameFlag = 1u << 11;
    return (flags & Utf8NameFlag) ? QString::fromUtf8(name) : QString::fromLocal8Bit(name);
}

bool CurrentMemberInfo(unzFile archive, unz_file_info& info, QByteArray* name)
{
    if (archive == nullptr || unzGetCurrentFileInfo(archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) != UNZ_OK)
        return false;
    if (name == nullptr)
        return true;
    // The whole name, however long: a fixed buffer would cut long names and lose their extension.
    name->resize(qsizetype(info.size_filename));
    return unzGetCurrentFileInfo(archive, &info, name->data(), uLong(name->size()), nullptr, 0, nullptr, 0) == UNZ_OK;
}

} // namespace

struct ZipPictureArchive::Impl {
    unzFile archive = nullptr;
    int count = 0;
    qint64 archiveBytes = 0;
    QString temporaryPath;
    bool wroteTemporary = false;
    // Where each picture member lies in the central directory, noted while counting, so that
    // any picture is reached in one step; and where the last member lies, where a step past the
    // last picture leaves the reader.
    std::vector<unz64_file_pos> pictures;
    unz64_file_pos lastMember{};
    // The number of the current picture, or of the last picture passed when a step ran off the
    // end; onPicture tells which. Stepping back counts pictures rather than matching names, so
    // members with equal names (or names equal but for case) are told apart.
    int pictureNumber = 0;
    bool onPicture = false;
};

namespace {

bool SamePlace(const unz64_file_pos& a, const unz64_file_pos& b)
{
    return a.pos_in_zip_directory == b.pos_in_zip_directory && a.num_of_file == b.num_of_file;
}

} // namespace

ZipPictureArchive::ZipPictureArchive(RandomSource& random) : impl_(std::make_unique<Impl>())
{
    random.Seed(static_cast<unsigned>(std::time(nullptr)));
    impl_->temporaryPath = QDir(QDir::tempPath()).filePath(QString::asprintf("KWTI%d.TMP", random.Next() % 1000));
}

ZipPictureArchive::~ZipPictureArchive()
{
    Close();
}

bool ZipPictureArchive::Open(const QString& path)
{
    Close();
    impl_->archive = unzOpen(QFile::encodeName(path).constData());
    if (impl_->archive == nullptr)
        return false;
    impl_->archiveBytes = QFileInfo(path).size();
    FindPictures(false);
    if (impl_->pictures.empty()) {
        CloseArchive();  // nothing to show: callers see a count of -1
        return true;
    }
    impl_->count = int(impl_->pictures.size());
    GoToFirstPicture();
    return true;
}

bool ZipPictureArchive::HoldsPicture(const QString& path)
{
    Close();
    impl_->archive = unzOpen(QFile::encodeName(path).constData());
    if (impl_->archive == nullptr)
        return false;
    FindPictures(true);
    const bool holds = !impl_->pictures.empty();
    Close();
    return holds;
}

void ZipPictureArchive::FindPictures(bool firstOnly)
{
    impl_->pictures.clear();
    for (int status = unzGoToFirstFile(impl_->archive); status == UNZ_OK;
         status = unzGoToNextFile(impl_->archive)) {
        if (unzGetFilePos64(impl_->archive, &impl_->lastMember) != UNZ_OK)
            return;
        if (IsPictureMember()) {
            impl_->pictures.push_back(impl_->lastMember);
            if (firstOnly)
                return;
        }
    }
}

void ZipPictureArchive::CloseArchive()
{
    if (impl_->archive != nullptr) {
        unzCloseCurrentFile(impl_->archive);
        unzClose(impl_->archive);
        impl_->archive = nullptr;
    }
    impl_->count = 0;
    impl_->pictures.clear();
    impl_->pictureNumber = 0;
    impl_->onPicture = false;
}

void ZipPictureArchive::Close()
{
    CloseArchive();
    // Only our own file: one of that name that someone else made is not ours to delete.
    if (impl_->wroteTemporary) {
        QFile::remove(impl_->temporaryPath);
        impl_->wroteTemporary = false;
    }
}

int ZipPictureArchive::GetCount() const
{
    return impl_->archive != nullptr ? impl_->count : -1;
}

bool ZipPictureArchive::GoToFirstPicture()
{
    return GoToPicture(1);
}

bool ZipPictureArchive::GoToNextPicture()
{
    if (impl_->archive == nullptr || !impl_->onPicture)
        return false;  // already past the last picture
    if (impl_->pictureNumber < impl_->count)
        return GoToPicture(impl_->pictureNumber + 1);
    // Past the last picture the reader stands on the archive's last member, which may be no
    // picture: stepping back from there gives the last picture itself.
    if (unzGoToFilePos64(impl_->archive, &impl_->lastMember) == UNZ_OK)
        impl_->onPicture = SamePlace(impl_->pictures.back(), impl_->lastMember);
    return false;
}

bool ZipPictureArchive::GoToPreviousPicture()
{
    if (impl_->archive == nullptr)
        return false;
    const int previous = impl_->onPicture ? impl_->pictureNumber - 1 : impl_->pictureNumber;
    if (previous < 1) {
        GoToFirstPicture();
        return false;
    }
    return GoToPicture(previous);
}

bool ZipPictureArchive::GoToPicture(int number)
{
    if (impl_->archive == nullptr || number < 1)
        return false;
    if (number > impl_->count) {
        // As a walk from the first picture would: it ends past the last one.
        GoToPicture(impl_->count);
        GoToNextPicture();
        return false;
    }
    if (unzGoToFilePos64(impl_->archive, &impl_->pictures[std::size_t(number) - 1]) != UNZ_OK)
        return false;
    impl_->pictureNumber = number;
    impl_->onPicture = true;
    return true;
}

QString ZipPictureArchive::GetCurrentName() const
{
    unz_file_info info;
    QByteArray name;
    return CurrentMemberInfo(impl_->archive, info, &name) ? DecodeMemberName(name, info.flag) : QString();
}

std::uint32_t ZipPictureArchive::GetCurrentSize() const
{
    unz_file_info info;
    if (!CurrentMemberInfo(impl_->archive, info, nullptr))
        return 0;
    return info.uncompressed_size > std::numeric_limits<std::uint32_t>::max()
               ? std::numeric_limits<std::uint32_t>::max()
               : std::uint32_t(info.uncompressed_size);
}

bool ZipPictureArchive::IsPictureMember()
{
    unz_file_info info;
    QByteArray name;
    if (!CurrentMemberInfo(impl_->archive, info, &name) || !PictureMemberRules::HasPictureName(name))
        return false;
    if (unzOpenCurrentFile(impl_->archive) != UNZ_OK)
        return false;
    unsigned char head[PictureMemberRules::SignatureLength];
    const int got = unzReadCurrentFile(impl_->archive, head, sizeof head);
    unzCloseCurrentFile(impl_->archive);
    return got == int(sizeof head) && PictureMemberRules::HasPictureSignature(head);
}

bool ZipPictureArchive::MemberSizeAcceptable(std::uint32_t size) const
{
    return size <= MaxMemberSize && qint64(size) <= impl_->archiveBytes * MaxDeflateRatio;
}

bool ZipPictureArchive::ReadCurrentMember(unsigned char* buffer, std::uint32_t size)
{
    if (unzOpenCurrentFile(impl_->archive) != UNZ_OK)
        return false;
    const int got = size > 0 ? unzReadCurrentFile(impl_->archive, buffer, unsigned(size)) : 0;
    // Closing after the whole member was read checks its CRC.
    const int closed = unzCloseCurrentFile(impl_->archive);
    return got == int(size) && closed == UNZ_OK;
}

bool ZipPictureArchive::WriteTemporaryFile(const unsigned char* bytes, std::uint32_t size)
{
    if (impl_->wroteTemporary) {
        QFile::remove(impl_->temporaryPath);
        impl_->wroteTemporary = false;
    }
    // Created afresh, never through a file or link that is already there: the name is
    // predictable and the folder is shared.
    QFile file(impl_->temporaryPath);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly))
        return false;
    impl_->wroteTemporary = true;
    const bool written = file.write(reinterpret_cast<const char*>(bytes), qint64(size)) == qint64(size);
    file.close();
    return written && file.error() == QFileDevice::NoError;
}

bool ZipPictureArchive::Extract(unsigned char* buffer)
{
    if (impl_->archive == nullptr)
        return false;
    const std::uint32_t size = GetCurrentSize();
    if (!MemberSizeAcceptable(size))
        return false;
    if (buffer != nullptr)
        return ReadCurrentMember(buffer, size);
    std::unique_ptr<unsigned char[]> bytes(new (std::nothrow) unsigned char[size > 0 ? size : 1]);
    return bytes && ReadCurrentMember(bytes.get(), size) && WriteTemporaryFile(bytes.get(), size);
}

QString ZipPictureArchive::TemporaryFilePath() const
{
    return impl_->temporaryPath;
}

bool ZipPictureArchive::LoadCurrentPicture(Picture& picture)
{
    return LoadCurrentPicture(picture, [](const QString&) {});
}

bool ZipPictureArchive::LoadCurrentPicture(Picture& picture, const std::function<void(const QString&)>& showMessage)
{
    // Every failure leaves the picture empty, so nobody shows the previous member's picture
    // under the new member's name.
    const std::uint32_t size = GetCurrentSize();
    std::unique_ptr<unsigned char[]> buffer;
    if (MemberSizeAcceptable(size))
        buffer.reset(new (std::nothrow) unsigned char[size > 0 ? size : 1]);
    if (!buffer) {
        picture.Unload();
        showMessage(QStringLiteral("Couldnt create image buffer"));
        return false;
    }
    if (!Extract(buffer.get())) {
        picture.Unload();
        showMessage(QStringLiteral("Buffer Error"));
        return false;
    }
    if (!picture.LoadFromBuffer(buffer.get(), size)) {
        showMessage(QStringLiteral("Cant Create Picture"));
        return false;
    }
    return true;
}
