#pragma once

#include <QString>

// What the user chose on the last page.
struct FinishChoices {
    bool programGroup = true;
    bool desktopShortcut = true;
    bool runProgram = true;
};

// Where the entries go; an empty folder skips its entries.
struct ShortcutFolders {
    QString menu;     // the user's applications menu folder
    QString desktop;  // the user's desktop folder

    // The current user's folders. The desktop is left out when it does not exist or is the home
    // folder itself, as it is where no desktop folder is set up.
    static ShortcutFolders ForThisUser();
};

// Makes the menu group "Tilora" (the game and its uninstaller), the desktop entry for the game, and
// starts the game in its own folder, as chosen. Every step is tried; false when any of them failed.
bool FinishInstall(const QString& destination, const FinishChoices& choices, const ShortcutFolders& folders);
