#pragma once

#include <QSettings>
#include <QString>

// The per-user profile: named values in sections, kept in the platform's native settings store
// (organisation "Tilora", application "Tilora"). Reads never fail: a missing value, or text
// where a number is asked for, gives the caller's default. Writes are best effort and silent.
class Profile {
public:
    Profile();
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    int GetProfileInt(const QString& section, const QString& entry, int defaultValue) const;
    QString GetProfileString(const QString& section, const QString& entry,
                             const QString& defaultValue = QString()) const;
    bool WriteProfileInt(const QString& section, const QString& entry, int value);
    bool WriteProfileString(const QString& section, const QString& entry, const QString& value);

    // Pushes pending writes to the disk now, for data that must survive a crash (the scoreboards).
    bool Flush();

    // Removes a whole section with all its values.
    void DeleteSection(const QString& section);

    // Whether no section holds any value, and the file the profile is kept in: together they let
    // the uninstaller remove that file once the game's sections are gone and nothing else is left.
    bool IsEmpty() const;
    QString FileName() const;

private:
    static QString Key(const QString& section, const QString& entry);
    mutable QSettings settings_;
};
