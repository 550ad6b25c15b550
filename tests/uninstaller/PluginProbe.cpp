// Starts the toolkit and loads every image-format plugin it finds; "--guarded" first does as setup does.
#include "PrivateCopy.h"
#include "ProgramPath.h"

#include <QGuiApplication>
#include <QImageReader>

int main(int argc, char** argv)
{
    const bool guarded = argc > 1 && qstrcmp(argv[1], "--guarded") == 0;
    if (const auto code = guarded ? RunInPrivateFolderIfShared(OwnProgramPath(), "probe", argv) : std::nullopt)
        return *code;
    QGuiApplication app(argc, argv);
    return QImageReader::supportedImageFormats().isEmpty() ? 1 : 0;
}
