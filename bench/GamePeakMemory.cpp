#include "GamePeakMemory.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <cstdio>

namespace {

// The kernel's high-water mark of the process's resident memory, in kilobytes; 0 when unknown.
qint64 PeakKilobytes(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return 0;
}

// The game has shown its first puzzle once its peak has stood still for a while.
qint64 PeakOfGameShowing(const QString& folder, const QString& home, const QString& screenConfig)
{
    QDir().mkpath(home + "/config/Tilora");
    QFile settings(home + "/config/Tilora/Tilora.conf");
    if (!settings.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return 0;
    settings.write(QStringLiteral("[Settings]\nDimension=4\nFolder=%1\nGrid=1\nGridColour=0\nPuzzleMode=0\n"
                                  "SelColour=1\nSound=0\n").arg(folder).toUtf8());
    settings.close();

    QProcess game;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen:configfile=" + screenConfig);
    environment.insert("XDG_CONFIG_HOME", home + "/config");
    environment.insert("XDG_DATA_HOME", home + "/data");
    game.setProcessEnvironment(environment);
    game.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    game.start(QStringLiteral(TILORA_GAME_PATH), {});
    if (!game.waitForStarted())
        return 0;
    qint64 peak = 0;
    for (int polls = 0, still = 0; polls < 300 && still < 15; ++polls) {
        QThread::msleep(100);
        const qint64 now = PeakKilobytes(game.processId());
        still = now == peak && now > 0 ? still + 1 : 0;
        peak = now;
    }
    game.kill();
    game.waitForFinished();
    return peak;
}

} // namespace

void PrintGamePeakMemory(const QString& picture, QSize screen, double goal)
{
    if (!QFileInfo(QStringLiteral(TILORA_GAME_PATH)).isExecutable())
        return;
    QTemporaryDir home;
    const QString screenConfig = home.filePath("screen.json");
    QFile config(screenConfig);
    if (!config.open(QIODevice::WriteOnly))
        return;
    config.write(QStringLiteral(R"({"screens": [{"name": "bench", "x": 0, "y": 0, "width": %1, "height": %2,)"
                                R"( "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(screen.width())
                     .arg(screen.height())
                     .toUtf8());
    config.close();
    QDir().mkpath(home.filePath("empty"));
    const qint64 builtIn = PeakOfGameShowing(home.filePath("empty"), home.path(), screenConfig);
    const qint64 shown = PeakOfGameShowing(QFileInfo(picture).absolutePath(), home.path(), screenConfig);
    if (builtIn <= 0 || shown <= 0)
        return;
    std::printf("game peak memory: %.1f MB with %s, %.1f MB with the built-in picture, ratio %.2f (at most %.2f)\n",
                shown / 1024.0, qPrintable(QFileInfo(picture).fileName()), builtIn / 1024.0,
                double(shown) / builtIn, goal);
}
