#pragma once

#include "DesktopEntry.h"
#include "Profile.h"
#include "UninstallPlan.h"

#include <QDir>

// The game as the installer leaves it in `folder` for the test's private user: its files, its
// menu and desktop entries (the desktop folder made first), and the game's three profile sections.
inline void InstallGameFiles(const QString& folder, const QByteArray& uninstaller = "UNINSTALLER")
{
    QDir().mkpath(folder);
    for (const QString name : {"Tilora", "Tilora.png", "Tilora.html", "Tilora.cnt", "Uninstaller"})
        WriteFileSafely(folder + '/' + name, name == "Uninstaller" ? uninstaller : name.toUtf8(), FileKind::Program);
    QDir::home().mkdir("Desktop");
    const UninstallPlaces places = UninstallPlan::CurrentPlaces(folder);
    QDir().mkpath(places.menuFolder);
    for (const QString& entry : {places.menuFolder + "/Tilora", places.menuFolder + "/Uninstall",
                                places.desktopFolder + "/Tilora"}) {
        const QString program = folder + (entry.endsWith("Uninstall") ? "/Uninstaller" : "/Tilora");
        DesktopEntries::Write(entry + ".desktop", {"Tilora", program, folder + "/Tilora.png"}, FileKind::Data);
    }
    Profile profile;
    for (const char* section : {"Settings", "Scores", "SliderScores"})
        profile.WriteProfileInt(section, "Dimension", 4);
    profile.Flush();
}

// Empties the private home between cases, keeping its temporary folder.
inline void ClearHome()
{
    for (const QFileInfo& info : QDir::home().entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (info.fileName() != "tmp")
            info.isDir() && !info.isSymLink() ? QDir(info.filePath()).removeRecursively() : QFile::remove(info.filePath());
    }
}
