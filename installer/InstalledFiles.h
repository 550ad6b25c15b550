#pragma once

#include <array>

// The names setup gives what it installs, and the uninstaller removes: one list for both.
namespace InstalledFiles {

inline constexpr const char* Game = "Tilora";
inline constexpr const char* Uninstaller = "Uninstaller";
inline constexpr const char* Icon = "Tilora.png";
inline constexpr const char* Help = "Tilora.html";
inline constexpr const char* HelpContents = "Tilora.cnt";

// Everything in the install folder but the uninstaller, which goes last.
inline constexpr std::array<const char*, 4> RemovedFirst = {Game, Icon, Help, HelpContents};

// The group in the applications menu and the entries setup writes.
inline constexpr const char* MenuGroup = "Tilora";
inline constexpr const char* GameEntry = "Tilora.desktop";
inline constexpr const char* UninstallEntry = "Uninstall.desktop";

} // namespace InstalledFiles
