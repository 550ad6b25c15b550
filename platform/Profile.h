#pragma once

#include <QSettings>
#include <QString>

// The per-user profile: named values in sections, kept as plain text in the user's settings file
// (organisation "Tilora", application "Tilora": $XDG_CONFIG_HOME/Tilora/Tilora.conf). Reads never
// fail: a missing value, or text where a number is asked for, gives the caller's default. Writes
// are best effort and silent.
class Profile {
public:
    Profile();
    // The same profile kept in another file.
    explicit Profile(const QString& fileName);
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

    // The file the profile is kept in, where the uninstaller takes the game's sections out.
    QString FileName() const;

private:
    static QString Key(const QString& section, const QString& entry);
    mutable QSettings settings_;
};
