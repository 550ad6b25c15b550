#include "PictureMemberRules.h"

#include "PictureExtensions.h"

#include <cstring>

namespace PictureMemberRules {

bool HasPictureName(const QByteArray& memberName)
{
    const qsizetype dot = memberName.lastIndexOf('.');
    if (dot < 0 || memberName.endsWith('/'))
        return false;
    const QByteArray extension = memberName.mid(dot).toLower();
    for (const PictureExtension& picture : PictureExtensions)
        if (picture.InArchives && extension == picture.Suffix)
            return true;
    return false;
}

bool HasPictureSignature(const unsigned char* head)
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

} // namespace PictureMemberRules
