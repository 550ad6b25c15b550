#include "UninstallPlan.h"

#include "UserFiles.h"
#include "DesktopEntry.h"
#include "InstalledFiles.h"
#include "Profile.h"
#include "ProfileFormat.h"
#include "ProfileSections.h"

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
    places.menuFolder = Child(DesktopEntries::UserMenuFolder(), InstalledFiles::MenuGroup);
    places.desktopFolder = DesktopEntries::UserDesktopFolder();
    places.cacheFolder = UserFiles::CacheFolder();
    places.dataFolder = UserFiles::DataFolder();
    return places;
}

UninstallPlan UninstallPlan::For(const UninstallPlaces& places)
{
    UninstallPlan plan;
    plan.installFolder_ = places.installFolder;
    auto& steps = plan.steps_;
    for (const char* name : InstalledFiles::RemovedFirst)
        steps.push_back({UninstallStep::File, Child(places.installFolder, name)});
    steps.push_back({UninstallStep::ProfileSections, QString()});
    steps.push_back({UninstallStep::File, Child(places.cacheFolder, UserFiles::SlideTables)});
    steps.push_back({UninstallStep::FolderIfEmpty, places.cacheFolder});
    steps.push_back({UninstallStep::Entry, Child(places.menuFolder, InstalledFiles::GameEntry)});
    steps.push_back({UninstallStep::Entry, Child(places.menuFolder, InstalledFiles::UninstallEntry)});
    steps.push_back({UninstallStep::FolderIfEmpty, places.menuFolder});
    if (!places.desktopFolder.isEmpty())
        steps.push_back({UninstallStep::Entry, Child(places.desktopFolder, InstalledFiles::GameEntry)});
    steps.push_back({UninstallStep::File, Child(places.installFolder, InstalledFiles::Uninstaller)});
    steps.push_back({UninstallStep::FolderIfEmpty, places.installFolder});
    steps.push_back({UninstallStep::File, Child(places.dataFolder, UserFiles::History)});
    steps.push_back({UninstallStep::FolderIfEmpty, places.dataFolder});
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

// Line by line, so that whatever else the person keeps in the file stays byte for byte. The file
// and its folder go only when nothing else is left in them.
void UninstallPlan::RemoveProfileSections() const
{
    const QString fileName = Profile().FileName();
    QList<QByteArray> sections;
    for (const char* section : ProfileSections::All)
        sections << section;
    if (ProfileFormat::RemoveSections(fileName, sections) == ProfileFormat::Removal::Deleted)
        QDir().rmdir(QFileInfo(fileName).path());
}
