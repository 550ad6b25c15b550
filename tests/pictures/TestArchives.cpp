#include "TestArchives.h"

#include <QFile>
#include <zip.h>
#include <zlib.h>

namespace TestArchives {

namespace {

bool WriteMember(zipFile zip, const Member& member)
{
    const bool lying = member.declaredSize || member.declaredCrc;
    zip_fileinfo info{};
    if (zipOpenNewFileInZip2(zip, member.name.constData(), &info, nullptr, 0, nullptr, 0, nullptr,
                             lying ? 0 : Z_DEFLATED, Z_DEFAULT_COMPRESSION, lying ? 1 : 0) != ZIP_OK)
        return false;
    if (!member.data.isEmpty()
        && zipWriteInFileInZip(zip, member.data.constData(), unsigned(member.data.size())) != ZIP_OK)
        return false;
    if (!lying)
        return zipCloseFileInZip(zip) == ZIP_OK;
    const uLong trueCrc = crc32(0, reinterpret_cast<const Bytef*>(member.data.constData()), uInt(member.data.size()));
    return zipCloseFileInZipRaw(zip, member.declaredSize.value_or(quint32(member.data.size())),
                                member.declaredCrc.value_or(quint32(trueCrc))) == ZIP_OK;
}

} // namespace

bool WriteZip(const QString& path, const std::vector<Member>& members)
{
    zipFile zip = zipOpen(QFile::encodeName(path).constData(), APPEND_STATUS_CREATE);
    if (zip == nullptr)
        return false;
    bool ok = true;
    for (const Member& member : members)
        ok = ok && WriteMember(zip, member);
    return zipClose(zip, nullptr) == ZIP_OK && ok;
}

} // namespace TestArchives
