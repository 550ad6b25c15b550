#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

class InstallPackage;
struct PackageShape;

// What the package of a setup program must hold, compiled into that program when it is built, so
// that a truncated or altered download is caught before anything is installed.
struct ManifestEntry {
    const char* name;
    qint64 size;
    const char* sha256;  // lower-case hexadecimal
};
using PayloadManifest = std::vector<ManifestEntry>;  // in storage order

// The shape of the package that holds the manifest's files.
PackageShape ShapeOf(const PayloadManifest& manifest);

// True when the package holds exactly the manifest's files, in its order, with its sizes and digests.
// The package is found and walked by the manifest's shape from then on.
bool PackageMatchesManifest(InstallPackage& package, const PayloadManifest& manifest);

// The C++ source that defines CompiledManifest() for `files`, in storage order. False with a
// reason in `error` when a file cannot be read.
bool ManifestSource(const QStringList& files, QByteArray* source, QString* error);

// Defined by the source above, in the setup program.
const PayloadManifest& CompiledManifest();
