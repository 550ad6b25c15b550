#include "PayloadManifest.h"

#include "InstallPackage.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

bool PackageMatchesManifest(InstallPackage& package, const PayloadManifest& manifest)
{
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

bool ManifestSource(const QStringList& files, QByteArray* source, QString* error)
{
    QByteArray out = "// Made by tilora-pack from the files the setup program carries.\n"
                     "#include \"PayloadManifest.h\"\n\n"
                     "const PayloadManifest& CompiledManifest()\n{\n"
                     "    static const PayloadManifest manifest = {\n";
    for (const QString& path : files) {
        QFile file(path);
        QCryptographicHash hash(QCryptographicHash::Sha256);
        if (!file.open(QIODevice::ReadOnly) || !hash.addData(&file)) {
            *error = "cannot read " + path;
            return false;
        }
        // Names that a package can carry hold no backslash; a quote is all that needs escaping.
        QByteArray name = QFile::encodeName(QFileInfo(path).fileName());
        name.replace("\"", "\\\"");
        out += "        {\"" + name + "\", " + QByteArray::number(file.size()) + ", \"" + hash.result().toHex() + "\"},\n";
    }
    out += "    };\n    return manifest;\n}\n";
    *source = out;
    return true;
}
