// assetgen <output folder>: paints and synthesises the game's pictures and sounds into the
// resource folders under <output folder> (BMP, WAVE, BITMAP, ICON) and the desktop icon beside them.
#include "AboutPicture.h"
#include "BmpFile.h"
#include "BuiltInPicture.h"
#include "DesktopIcons.h"
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
        {"BMP/IDR_BMP2.bmp", [](const QString& path) { return WriteBmp24(PaintBuiltInPicture(), path); }},
        {"WAVE/IDR_SLIDER.wav", [](const QString& path) { return WriteSound(SynthesiseSlideClick(), path); }},
        {"WAVE/IDR_SHUFFLE.wav", [](const QString& path) { return WriteSound(SynthesiseSwapSwish(), path); }},
        {"WAVE/IDR_COMPLETE.wav", [](const QString& path) { return WriteSound(SynthesiseCompletionChime(), path); }},
        {"BITMAP/129.bmp", [](const QString& path) { return WriteBmp24(PaintToolbarStrip(ButtonFace::Light), path); }},
        {"BITMAP/133.bmp", [](const QString& path) { return WriteBmp24(PaintToolbarStrip(ButtonFace::Dark), path); }},
        {"BITMAP/116.bmp", [](const QString& path) { return WriteBmp24(PaintAboutPicture(), path); }},
        {"ICON/111.png", [](const QString& path) { return WritePng(PaintProgramIcon(256), path); }},
        // The desktop entries' icon is the same picture, kept beside the resource folders.
        {"Tilora.png", [](const QString& path) { return WritePng(PaintProgramIcon(256), path); }},
        // The setup program's picture and icon, in its own resource folder beside the game's.
        {"../../setup/resources/BITMAP/109.bmp", [](const QString& path) { return WriteBmp24(PaintSetupPicture(), path); }},
        {"../../setup/resources/ICON/102.png", [](const QString& path) { return WritePng(PaintInstallerIcon(64), path); }},
    };
}

// The installed game's icons, one per size of the desktop's icon theme.
std::vector<Asset> WithDesktopIcons(std::vector<Asset> assets)
{
    for (int size : DesktopIconSizes)
        assets.push_back({DesktopIconPath(size), [size](const QString& path) { return WritePng(PaintProgramIcon(size), path); }});
    return assets;
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
        err << "usage: assetgen <output folder>\n";
        return 2;
    }
    const QString folder = args.at(1);
    int failures = 0;
    for (const Asset& asset : WithDesktopIcons(AllAssets())) {
        const QString path = folder + "/" + asset.relativePath;
        if (!asset.write(path)) {
            err << "assetgen: could not write " << path << "\n";
            ++failures;
        }
    }
    return failures == 0 ? 0 : 1;
}
