// assetgen <source folder>: paints and synthesises the pictures and sounds of the game and of the
// setup program into their resource folders (BMP, WAVE, BITMAP, ICON) under game/resources and
// setup/resources of <source folder>, and the desktop icon beside the game's.
#include "AboutPicture.h"
#include "BmpFile.h"
#include "BuiltInPicture.h"
#include "FileOutput.h"
#include "ProgramIcon.h"
#include "SetupPicture.h"
#include "Sounds.h"
#include "ToolbarStrips.h"
#include "WaveFile.h"

#include <QBuffer>
#include <QGuiApplication>
#include <QTextStream>
#include <functional>
#include <vector>

namespace {

struct Asset {
    QString relativePath;
    std::function<bool(const QString& path)> write;
};

bool WriteSound(const Sound& sound, const QString& path)
{
    return WriteWave(sound.format, sound.samples, path);
}

bool WritePng(const QImage& image, const QString& path)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    return buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "PNG") && WriteWholeFile(path, bytes);
}

std::vector<Asset> AllAssets()
{
    return {
        {"game/resources/BMP/IDR_BMP2.bmp", [](const QString& path) { return WriteBmp24(PaintBuiltInPicture(), path); }},
        {"game/resources/WAVE/IDR_SLIDER.wav", [](const QString& path) { return WriteSound(SynthesiseSlideClick(), path); }},
        {"game/resources/WAVE/IDR_SHUFFLE.wav", [](const QString& path) { return WriteSound(SynthesiseSwapSwish(), path); }},
        {"game/resources/WAVE/IDR_COMPLETE.wav", [](const QString& path) { return WriteSound(SynthesiseCompletionChime(), path); }},
        {"game/resources/BITMAP/129.bmp", [](const QString& path) { return WriteBmp24(PaintToolbarStrip(ButtonFace::Light), path); }},
        {"game/resources/BITMAP/133.bmp", [](const QString& path) { return WriteBmp24(PaintToolbarStrip(ButtonFace::Dark), path); }},
        {"game/resources/BITMAP/116.bmp", [](const QString& path) { return WriteBmp24(PaintAboutPicture(), path); }},
        {"game/resources/ICON/111.png", [](const QString& path) { return WritePng(PaintProgramIcon(256), path); }},
        // The desktop entries' icon is the same picture, kept beside the resource folders.
        {"game/resources/Tilora.png", [](const QString& path) { return WritePng(PaintProgramIcon(256), path); }},
        {"setup/resources/BITMAP/109.bmp", [](const QString& path) { return WriteBmp24(PaintSetupPicture(), path); }},
        {"setup/resources/ICON/102.png", [](const QString& path) { return WritePng(PaintInstallerIcon(64), path); }},
    };
}

} // namespace

int main(int argc, char** argv)
{
    // Painting text needs a GUI application, but never a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    if (args.size() != 2) {
        err << "usage: assetgen <source folder>\n";
        return 2;
    }
    const QString folder = args.at(1);
    int failures = 0;
    for (const Asset& asset : AllAssets()) {
        const QString path = folder + "/" + asset.relativePath;
        if (!asset.write(path)) {
            err << "assetgen: could not write " << path << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
