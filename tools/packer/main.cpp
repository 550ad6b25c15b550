// tilora-pack: builds and lists the setup program's install package.
//   tilora-pack build --stub <setup program> --out <packed setup> FILE...
//   tilora-pack manifest --out <source.cpp> FILE...
//   tilora-pack list <packed setup>
#include "InstallPackage.h"
#include "PackageBuilder.h"
#include "PayloadManifest.h"
#include "SafeFile.h"

#include <QCoreApplication>
#include <QTextStream>

namespace {

const char* const Usage = "usage: tilora-pack build --stub SETUP --out PACKED FILE...\n"
                          "       tilora-pack manifest --out SOURCE.cpp FILE...\n"
                          "       tilora-pack list PACKED\n";

// Takes "--name value" off the front of `args`; empty when it is not there.
QString TakeOption(QStringList& args, const QString& name)
{
    if (args.size() < 2 || args.first() != name)
        return QString();
    args.removeFirst();
    return args.takeFirst();
}

int Fail(const QString& message)
{
    QTextStream(stderr) << "tilora-pack: " << message << "\n";
    return 1;
}

int Build(QStringList args)
{
    const QString stub = TakeOption(args, "--stub");
    const QString out = TakeOption(args, "--out");
    if (stub.isEmpty() || out.isEmpty() || args.isEmpty())
        return Fail(Usage);
    QString error;
    return BuildPackageFile(stub, args, out, &error) ? 0 : Fail(error);
}

int Manifest(QStringList args)
{
    const QString out = TakeOption(args, "--out");
    if (out.isEmpty() || args.isEmpty())
        return Fail(Usage);
    QByteArray source;
    QString error;
    if (!ManifestSource(args, &source, &error))
        return Fail(error);
    return WriteFileSafely(out, source, FileKind::Data) ? 0 : Fail("cannot write " + out);
}

int List(const QStringList& args)
{
    if (args.size() != 1)
        return Fail(Usage);
    InstallPackage package(args.first());
    if (!package.BuildDirectory() || package.EntryCount() == 0)
        return Fail(args.first() + " holds no package, an empty one, or a damaged one");
    QTextStream out(stdout);
    for (int index = 0; index < package.EntryCount(); ++index) {
        const PackageEntry& entry = package.Entry(index);
        out << entry.dataOffset << "\t" << entry.dataSize << "\t" << entry.name << "\n";
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    const QString command = args.isEmpty() ? QString() : args.takeFirst();
    if (command == "build")
        return Build(args);
    if (command == "manifest")
        return Manifest(args);
    if (command == "list")
        return List(args);
    return Fail(Usage);
}
