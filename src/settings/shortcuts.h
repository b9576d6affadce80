#pragma once
// The shortcuts of the program ("起動方法"): start-up, desktop, start menu
// and programs menu, each a "楓帳.lnk" made with the shell's link object.
// Copies from older versions named theirs "Velda.lnk"; both count.
#include <array>
#include <string>

#include "platform/services.h"

namespace settings {

inline constexpr char kShortcutFileName[] = "楓帳.lnk";
inline constexpr char kOldShortcutFileName[] = "Velda.lnk";
inline constexpr char kProgramFileName[] = "Velda.exe";

enum class ShortcutKind { Startup, Desktop, StartMenu, Programs };
inline constexpr int kShortcutKinds = 4;

struct ShortcutGroup {
  ShortcutKind kind;
  int csidl;
  const char* caption;      // the group box
  const char* onQuestion;
  const char* offQuestion;
};
const std::array<ShortcutGroup, kShortcutKinds>& ShortcutGroups();
const ShortcutGroup& GroupOf(ShortcutKind kind);

// The kind's folder with its separator; "" when the system has none.
std::string ShortcutFolder(platform::System& system, ShortcutKind kind);
// A shortcut of either name lies in the kind's folder.
bool ShortcutPresent(platform::Services& os, ShortcutKind kind);
// The link at `linkPath` to `programFolder` + "Velda.exe", started there.
platform::ShortcutSpec ProgramShortcut(const std::string& linkPath, const std::string& programFolder);

// The on choice: asks, then makes the shortcut to the running program.
// The off choice: asks, then deletes the shortcuts of both names. Each
// returns whether the kind is on afterwards (No keeps it as it was).
bool TurnShortcutOn(platform::Services& os, ShortcutKind kind, const std::string& programFolder);
bool TurnShortcutOff(platform::Services& os, ShortcutKind kind);

}  // namespace settings
