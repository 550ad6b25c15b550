#include "PictureMemberRules.h"

#include "PictureKinds.h"

#include <QBuffer>
#include <QImageReader>
#include <QString>
#include <cstring>

namespace PictureMemberRules {

namespace {

bool HasSignatureText(const unsigned char* head)
{
    char text[SignatureLength + 1];
    std::memcpy(text, head, SignatureLength);
    text[SignatureLength] = '\0';
    for (int i = 0; i < 10; ++i)
        if (static_cast<unsigned char>(text[i]) < 32)
            text[i] = 'x';
    for (const char* signature : {"BM", "JFIF", "GIF", "Exif"})
        if (std::strstr(text, signature) != nullptr)
            return true;
    return false;
}

// The kinds that came after BMP, GIF and JPEG, whose signatures the text rule does not know.
bool DecoderRecognises(const unsigned char* head)
{
    QBuffer buffer;
    buffer.setData(reinterpret_cast<const char*>(head), SignatureLength);
    if (!buffer.open(QIODevice::ReadOnly))
        return false;
    const QByteArray format = QImageReader::imageFormat(&buffer);
    return format != "bmp" && format != "gif" && format != "jpeg" && IsPictureFormat(format);
}

} // namespace

bool HasPictureName(const QByteArray& memberName)
{
    return !memberName.endsWith('/')
           && PictureKind(QString::fromLatin1(memberName)) == PictureFileKind::Picture;
}

bool HasPictureSignature(const unsigned char* head)
{
    return HasSignatureText(head) || DecoderRecognises(head);
}

} // namespace PictureMemberRules
