#pragma once
#include <QString>
#include <array>

// The sizes the desktop's icon theme gets the program icon in: menus, launchers, software centres.
inline constexpr std::array<int, 3> DesktopIconSizes = {48, 128, 256};

// Where the icon of one size goes under the output folder, laid out as the icon theme is.
inline QString DesktopIconPath(int size)
{
    return QStringLiteral("hicolor/%1x%1/apps/tilora.png").arg(size);
}
