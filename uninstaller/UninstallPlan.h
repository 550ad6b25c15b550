#pragma once

#include <QString>
#include <vector>

// Where one installation of the game put things.
struct UninstallPlaces {
    QString installFolder;  // the folder of the installed Uninstaller, exactly as given
    QString menuFolder;     // the applications-menu folder holding the game's two entries
    QString desktopFolder;  // empty when the user has no desktop folder of its own
    QString cacheFolder;    // what the game made for itself and can make again
    QString dataFolder;     // the player's history of games
};

// What removing an installation does, in order. Every step skips silently what is already gone
// or is not ours; folders go only when empty, files only by name.
struct UninstallStep {
    enum Kind {
        File,             // a file the installer wrote
        Entry,            // a menu or desktop entry, removed only when it starts a program of the install folder
        ProfileSections,  // the game's sections of the profile, then its file when nothing else is left
        FolderIfEmpty,
    };
    Kind kind;
    QString path;
};

class UninstallPlan {
public:
    static UninstallPlan For(const UninstallPlaces& places);

    // The places of an installation in `installFolder` for the user running this program.
    static UninstallPlaces CurrentPlaces(const QString& installFolder);

    void CarryOut() const;

private:
    bool IsOurEntry(const QString& path) const;
    void RemoveProfileSections() const;

    QString installFolder_;
    std::vector<UninstallStep> steps_;
};
