#pragma once

#include "PictureDecoder.h"
#include "RandomSource.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

class Picture;

// Reads the picture members of one ZIP archive, numbered from 1 in central-directory order.
// A member is a picture when its name has a picture kind's extension (any case) and its first 58
// bytes carry a picture signature.
class ZipPictureArchive {
public:
    // Members declared larger than this are refused by Extract: the bound of every picture file.
    static constexpr std::uint32_t MaxMemberSize = std::uint32_t(PictureDecoder::MaxPictureBytes);

    // Reseeds random (by default the process's generator) from the clock, then draws the number
    // of its temporary file's name.
    explicit ZipPictureArchive(RandomSource& random = ProcessRandom());
    ~ZipPictureArchive();  // Close
    ZipPictureArchive(const ZipPictureArchive&) = delete;
    ZipPictureArchive& operator=(const ZipPictureArchive&) = delete;

    // Counts the picture members and goes to the first; true also when there is none (then the
    // archive is closed again and the count is -1).
    bool Open(const QString& path);
    // Whether the archive holds a picture at all: it is read only up to its first picture
    // member, then closed.
    bool HoldsPicture(const QString& path);
    void Close();
    int GetCount() const;  // -1 when no archive is open
    bool GoToFirstPicture();
    bool GoToNextPicture();
    bool GoToPreviousPicture();
    // Picture number (1-based). Every move goes straight to the member, wherever it lies.
    bool GoToPicture(int number);
    QString GetCurrentName() const;
    std::uint32_t GetCurrentSize() const;
    // Inflates the current member into buffer (GetCurrentSize bytes), or into the temporary file
    // when buffer is null. False when the member is missing, too large, short or damaged.
    bool Extract(unsigned char* buffer);
    bool IsPictureMember();
    QString TemporaryFilePath() const;

    // The member-to-picture sequence on the current member. The silent form reports only its
    // result; the reporting form tells the user of each failure through showMessage with the
    // texts "Couldnt create image buffer", "Buffer Error" and "Cant Create Picture".
    bool LoadCurrentPicture(Picture& picture);
    bool LoadCurrentPicture(Picture& picture, const std::function<void(const QString&)>& showMessage);

private:
    struct Impl;
    // Notes where each picture member lies, from the first member on; firstOnly stops at one.
    void FindPictures(bool firstOnly);
    bool MemberSizeAcceptable(std::uint32_t size) const;
    bool ReadCurrentMember(unsigned char* buffer, std::uint32_t size);
    bool WriteTemporaryFile(const unsigned char* bytes, std::uint32_t size);
    void CloseArchive();
    std::unique_ptr<Impl> impl_;
};
