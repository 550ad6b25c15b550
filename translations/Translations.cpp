#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

const char* const CatalogueFolder = ":/i18n";
const char* const CataloguePrefix = "tilora_";

void InstallCatalogue(QCoreApplication& app, const QLocale& locale, const QString& name, const QString& folder)
{
    auto* translator = new QTranslator(&app);
    if (translator->load(locale, name, QStringLiteral("_"), folder))
        app.installTranslator(translator);
    else
        delete translator;
}

} // namespace

void InstallTranslations(QCoreApplication& app)
{
    // "qt" gathers every Qt module's catalogue; it is absent where qt6-translations-l10n is not installed.
    const QString ours = QString::fromLatin1(CatalogueFolder);
    InstallCatalogue(app, QLocale::system(), QStringLiteral("qt"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    // English singulars under every language without its own catalogue; the last installed is asked first.
    InstallCatalogue(app, QLocale(QLocale::English), QStringLiteral("tilora"), ours);
    InstallCatalogue(app, QLocale::system(), QStringLiteral("tilora"), ours);
}

QStringList ShippedLanguages()
{
    const QString prefix = QString::fromLatin1(CataloguePrefix);
    QStringList languages;
    for (const QString& file : QDir(QString::fromLatin1(CatalogueFolder)).entryList({prefix + "*.qm"}, QDir::Files))
        languages << file.mid(prefix.size()).chopped(3);
    languages.sort();
    return languages;
}

QString TranslatedInto(const QString& language, const char* context, const char* text)
{
    QTranslator translator;
    if (!translator.load(QString::fromLatin1(CataloguePrefix) + language, QString::fromLatin1(CatalogueFolder)))
        return {};
    return translator.translate(context, text);
}
