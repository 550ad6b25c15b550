#include "Profile.h"

#include "ProfileFormat.h"

Profile::Profile() : settings_(ProfileFormat::Format(), QSettings::UserScope, "Tilora", "Tilora") {}

Profile::Profile(const QString& fileName) : settings_(fileName, ProfileFormat::Format()) {}

QString Profile::Key(const QString& section, const QString& entry)
{
    return section + '/' + entry;
}

int Profile::GetProfileInt(const QString& section, const QString& entry, int defaultValue) const
{
    const QVariant value = settings_.value(Key(section, entry));
    if (!value.isValid())
        return defaultValue;
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    return ok ? number : defaultValue;
}

QString Profile::GetProfileString(const QString& section, const QString& entry,
                                  const QString& defaultValue) const
{
    const QVariant value = settings_.value(Key(section, entry));
    return value.isValid() ? value.toString() : defaultValue;
}

bool Profile::WriteProfileInt(const QString& section, const QString& entry, int value)
{
    settings_.setValue(Key(section, entry), value);
    return settings_.status() == QSettings::NoError;
}

bool Profile::WriteProfileString(const QString& section, const QString& entry, const QString& value)
{
    settings_.setValue(Key(section, entry), value);
    return settings_.status() == QSettings::NoError;
}

bool Profile::Flush()
{
    settings_.sync();
    return settings_.status() == QSettings::NoError;
}

void Profile::DeleteSection(const QString& section)
{
    settings_.remove(section);
}

QString Profile::FileName() const
{
    return settings_.fileName();
}
