// Starts the toolkit as the programs do and loads every image-format plugin it can find. With
// "--guarded" it first does what setup does about a folder others can write.
#include "PrivateCopy.h"
#include "ProgramPath.h"

#include <QGuiApplication>
#include <QImageReader>

int main(int argc, char** argv)
{
    if (argc > 1 && qstrcmp(argv[1], "--guarded") == 0) {
        if (const auto code = RunInPrivateFolderIfShared(OwnProgramPath(), QStringLiteral("probe"), argv))
            return *code;
    }
    QGuiApplication app(argc, argv);
    return QImageReader::supportedImageFormats().isEmpty() ? 1 : 0;
}
