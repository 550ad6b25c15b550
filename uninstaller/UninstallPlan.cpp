#include "UninstallPlan.h"

#include "DesktopEntry.h"
#include "GameSettings.h"
#include "Profile.h"
#include "ScoreTable.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// A desktop entry is a few hundred bytes; anything much larger was not written by the installer.
const qint64 MaxEntryBytes = 64 * 1024;

QString Child(const QString& folder, const QString& name)
{
    return folder.endsWith('/') ? folder + name : folder + '/' + name;
}

// The same folder however it is written: through links, with "..", with a trailing slash.
QString FolderIdentity(const QString& folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QDir(folder).absolutePath()) : canonical;
}

} // namespace

UninstallPlaces UninstallPlan::CurrentPlaces(const QString& installFolder)
{
    UninstallPlaces places;
    places.installFolder = installFolder;
    places.menuFolder = DesktopEntries::UserMenuFolder() + QStringLiteral("/Tilora");
    places.desktopFolder = DesktopEntries::UserDesktopFolder();
    return places;
}

UninstallPlan UninstallPlan::For(const UninstallPlaces& places)
{
    UninstallPlan plan;
    plan.installFolder_ = places.installFolder;
    auto& steps = plan.steps_;
    for (const char* name : {"Tilora", "Tilora.png", "Tilora.html", "Tilora.cnt"})
        steps.push_back({UninstallStep::File, Child(places.installFolder, name)});
    steps.push_back({UninstallStep::ProfileSections, QString()});
    steps.push_back({UninstallStep::Entry, Child(places.menuFolder, "Tilora.desktop")});
    steps.push_back({UninstallStep::Entry, Child(places.menuFolder, "Uninstall.desktop")});
    steps.push_back({UninstallStep::FolderIfEmpty, places.menuFolder});
    if (!places.desktopFolder.isEmpty())
        steps.push_back({UninstallStep::Entry, Child(places.desktopFolder, "Tilora.desktop")});
    steps.push_back({UninstallStep::File, Child(places.installFolder, "Uninstaller")});
    steps.push_back({UninstallStep::FolderIfEmpty, places.installFolder});
    return plan;
}

void UninstallPlan::CarryOut() const
{
    for (const UninstallStep& step : steps_) {
        switch (step.kind) {
        case UninstallStep::File:
            QFile::remove(step.path);
            break;
        case UninstallStep::Entry:
            if (IsOurEntry(step.path))
                QFile::remove(step.path);
            break;
        case UninstallStep::ProfileSections:
            RemoveProfileSections();
            break;
        case UninstallStep::FolderIfEmpty:
            QDir().rmdir(step.path);
            break;
        }
    }
}

// Another installation into another folder has entries of the same names: those stay.
bool UninstallPlan::IsOurEntry(const QString& path) const
{
    const QFileInfo info(path);
    QFile file(path);
    if (info.isSymLink() || !info.isFile() || info.size() > MaxEntryBytes || !file.open(QIODevice::ReadOnly))
        return false;
    const QString ours = FolderIdentity(installFolder_);
    for (const QString& program : DesktopEntries::Programs(file.readAll())) {
        if (QFileInfo(program).isAbsolute() && FolderIdentity(QFileInfo(program).path()) == ours)
            return true;
    }
    return false;
}

// Through the game's own profile code, so the file's format stays its business. The file and its
// folder go only when nothing else is left in them.
void UninstallPlan::RemoveProfileSections() const
{
    QString fileName;
    bool empty = false;
    {
        Profile profile;
        for (const char* section : {GameSettings::Section, ScorePair::TileSwapSection, ScorePair::SliderSection})
            profile.DeleteSection(QString::fromLatin1(section));
        if (!profile.Flush())
            return;
        empty = profile.IsEmpty();
        fileName = profile.FileName();
    }
    if (empty && !fileName.isEmpty()) {
        QFile::remove(fileName);
        QDir().rmdir(QFileInfo(fileName).path());
    }
}
