#include "FuzzSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <memory>

namespace Fuzz {

void SetUp()
{
    static const bool ready = [] {
        // In memory when the machine has such a folder: the targets write files for every input,
        // and flushing them to a disk would take most of each run.
        const QString memory = "/dev/shm";
        static const auto scratch = QFileInfo(memory).isWritable()
                                        ? std::make_unique<QTemporaryDir>(memory + "/tilora-fuzz-XXXXXX")
                                        : std::make_unique<QTemporaryDir>();
        FUZZ_CHECK(scratch->isValid());
        qputenv("TMPDIR", QFile::encodeName(scratch->path()));
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "fuzz";
        static char* argv[] = {name, nullptr};
        new QGuiApplication(argc, argv);  // lives as long as the process
        return true;
    }();
    (void)ready;
}

QString ScratchFolder()
{
    SetUp();
    return qEnvironmentVariable("TMPDIR");
}

bool WriteFile(const QString& path, const std::uint8_t* data, std::size_t size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate)
           && file.write(reinterpret_cast<const char*>(data), qint64(size)) == qint64(size);
}

} // namespace Fuzz
