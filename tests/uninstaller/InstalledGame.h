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
    for (const QString name : {"Tilora", "Tilora.png", "Tilora.html", "Tilora.cnt"})
        WriteFileSafely(folder + '/' + name, name.toUtf8(), FileKind::Data);
    WriteFileSafely(folder + "/Uninstaller", uninstaller, FileKind::Program);

    QDir().mkpath(QDir::homePath() + "/Desktop");
    const UninstallPlaces places = UninstallPlan::CurrentPlaces(folder);
    QDir().mkpath(places.menuFolder);
    const QString icon = folder + "/Tilora.png";
    DesktopEntries::Write(places.menuFolder + "/Tilora.desktop", {"Tilora", folder + "/Tilora", icon}, FileKind::Data);
    DesktopEntries::Write(places.menuFolder + "/Uninstall.desktop", {"Uninstall", folder + "/Uninstaller", icon},
                          FileKind::Data);
    DesktopEntries::Write(places.desktopFolder + "/Tilora.desktop", {"Tilora", folder + "/Tilora", icon},
                          FileKind::Program);

    Profile profile;
    for (const char* section : {"Settings", "Scores", "SliderScores"})
        profile.WriteProfileInt(section, "Dimension", 4);
    profile.Flush();
}

// Empties the private home between cases, keeping its temporary folder.
inline void ClearHome()
{
    QDir home = QDir::home();
    for (const QString& name : home.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (name != "tmp" && !QDir(home.filePath(name)).removeRecursively())
            QFile::remove(home.filePath(name));
    }
}
