// The game started in the language of LANG (set per run by CMake): its menus, a plural and Qt's own
// buttons speak it; a language without a catalogue gets the English texts.
#include "MainFrame.h"
#include "Translations.h"

#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace {

struct Expected {
    QLocale::Language language;
    QStringList menus;
    QString oneSwap;     // a plural with a count of one
    QString qtCancel;    // from Qt's own catalogue; empty where it is not checked
};

const Expected Languages[] = {
    {QLocale::German, {"&Datei", "&Bearbeiten", "&Ansicht", "&Optionen", "&Hilfe"}, "Noch mind. 1 Tauschzug",
     "Abbrechen"},
    {QLocale::French, {"&Fichier", "&Édition", "&Affichage", "&Options", "A&ide"}, "Au mieux\u00a0: 1 échange",
     "Annuler"},
    {QLocale::Spanish, {"&Archivo", "&Editar", "&Ver", "&Opciones", "Ay&uda"}, "Mínimo: 1 intercambio",
     "Cancelar"},
    // No catalogue of ours: English, with its own singular.
    {QLocale::Italian, {"&File", "&Edit", "&View", "&Options", "&Help"}, "Best: 1 swap to go", {}},
};

TEST(Language, TheGameSpeaksTheLanguageOfTheSystem)
{
    const QLocale::Language language = QLocale::system().language();
    const auto expected = std::find_if(std::begin(Languages), std::end(Languages),
                                       [language](const Expected& e) { return e.language == language; });
    ASSERT_NE(expected, std::end(Languages)) << "run with LANG set to one of the table's languages";
    InstallTranslations(*qApp);

    MainFrame frame;
    QStringList menus;
    for (const QAction* menu : frame.menuBar()->actions())
        menus << menu->text();
    EXPECT_EQ(menus, expected->menus);
    EXPECT_EQ(QCoreApplication::translate("HintFlow", "Best: %n swaps to go", nullptr, 1), expected->oneSwap);
    if (!expected->qtCancel.isEmpty()) {
        EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "Cancel"), expected->qtCancel);
    }
}

} // namespace
