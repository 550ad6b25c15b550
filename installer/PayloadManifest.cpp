#include "PayloadManifest.h"

#include "InstallPackage.h"
#include "PackageLayout.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

PackageShape ShapeOf(const PayloadManifest& manifest)
{
    using namespace PackageLayout;
    PackageShape shape{int(manifest.size()), TagSize, {}};
    for (const ManifestEntry& entry : manifest)
        shape.bytes += entry.size + qint64(qstrlen(entry.name)) + 1 + 3 * TagSize;
    if (!manifest.empty())
        AppendTrailer(shape.lastTrailer, manifest.back().name, qint32(manifest.back().size));
    return shape;
}

bool PackageMatchesManifest(InstallPackage& package, const PayloadManifest& manifest)
{
    if (!manifest.empty())
        package.Expect(ShapeOf(manifest));
    if (package.IsDamaged() || package.EntryCount() != int(manifest.size()))
        return false;
    // The directory lists the entries from the last stored to the first.
    for (int index = 0; index < package.EntryCount(); ++index) {
        const ManifestEntry& expected = manifest[manifest.size() - 1 - size_t(index)];
        const PackageEntry& entry = package.Entry(index);
        if (entry.name != QString::fromUtf8(expected.name) || entry.dataSize != expected.size)
            return false;
        QCryptographicHash hash(QCryptographicHash::Sha256);
        const bool read = package.ReadEntry(entry, [&](const char* data, qint64 size) {
            hash.addData(QByteArrayView(data, size));
            return true;
        });
        if (!read || hash.result().toHex() != expected.sha256)
            return false;
    }
    return true;
}

namespace {

// A name as a list of byte values, so that no byte of it (a quote, a backslash, a line break) can
// change the source it is written into.
QByteArray ByteArraySource(const QByteArray& name, int index)
{
    QByteArray out = "    static const char name" + QByteArray::number(index) + "[] = {";
    for (const char c : name)
        out += QByteArray::number(uchar(c)) + ", ";
    return out + "0};\n";
}

} // namespace

bool ManifestSource(const QStringList& files, QByteArray* source, QString* error)
{
    QByteArray names;
    QByteArray entries;
    for (int index = 0; index < files.size(); ++index) {
        QFile file(files[index]);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) {
            *error = "cannot read " + files[index];
            return false;
        }
        names += ByteArraySource(QFile::encodeName(QFileInfo(files[index]).fileName()), index);
        entries += "        {name" + QByteArray::number(index) + ", " + QByteArray::number(file.size()) + ", \""
                   + hash.result().toHex() + "\"},\n";
    }
    *source = "// Made by tilora-pack from the files the setup program carries.\n"
              "#include \"PayloadManifest.h\"\n\n"
              "const PayloadManifest& CompiledManifest()\n{\n"
              + names + "    static const PayloadManifest manifest = {\n" + entries + "    };\n    return manifest;\n}\n";
    return true;
}
