#pragma once
// Every size of the setup window, its own pages and the clean-up window, in
// 96-DPI pixels: the one place a change of scale has to look at. The
// hosted pages keep theirs beside them (export_page_win.h and the others).
#include "settings/page_controls_win.h"

namespace settings::layout {

// The window around the pages.
inline constexpr int kMargin = 8;
inline constexpr int kTabHeader = 30;     // the row of page captions
inline constexpr int kSubTabHeader = 28;  // the row of "コピー"'s sub-pages
inline constexpr int kTabInset = 6;       // page inside the tab's frame

// "コピー" > "　データ退避（バックアップ） "
inline constexpr int kBackupPageWidth = 560;
inline constexpr int kBackupPageHeight = 300;
inline constexpr Place kSlotGroup[2] = {{8, 6, 544, 80}, {8, 92, 544, 80}};
inline constexpr Place kSlotField{20, 28, 330, 24};      // inside a slot, relative to its group
inline constexpr Place kSlotPick{356, 28, 50, 24};
inline constexpr Place kSlotRun{412, 24, 122, 32};
inline constexpr Place kSlotLabel{20, 56, 514, 18};
inline constexpr Place kRestoreGroup{8, 178, 544, 114};
inline constexpr Place kRestoreOn{20, 24, 200, 28};
inline constexpr Place kRestoreField{20, 64, 330, 24};
inline constexpr Place kRestorePick{356, 64, 50, 24};
inline constexpr Place kRestoreRun{412, 60, 122, 32};

// "Setup"
inline constexpr int kInstallPageWidth = 600;
inline constexpr int kInstallPageHeight = 404;
inline constexpr Place kKindGroup{8, 6, 584, 72};
inline constexpr Place kKindRadio[2] = {{20, 24, 540, 20}, {20, 48, 540, 20}};
inline constexpr Place kFolderGroup{8, 84, 584, 160};
inline constexpr Place kFolderRadio[4] = {{20, 102, 556, 20}, {20, 124, 556, 20}, {20, 146, 556, 20}, {20, 168, 556, 20}};
inline constexpr Place kSetupField{20, 200, 480, 24};
inline constexpr Place kSetupPick{506, 200, 74, 24};
inline constexpr Place kNoBackup{20, 252, 560, 20};
inline constexpr Place kLinkGroup{8, 278, 584, 74};
inline constexpr Place kLinkBox[4] = {{20, 298, 270, 20}, {300, 298, 270, 20}, {20, 322, 270, 20}, {300, 322, 270, 20}};
inline constexpr Place kProgress{8, 368, 440, 22};
inline constexpr Place kStart{472, 360, 120, 36};

// "起動方法"
inline constexpr int kShortcutPageWidth = 560;
inline constexpr int kShortcutPageHeight = 300;
inline constexpr int kShortcutGroupTop = 6;
inline constexpr int kShortcutGroupStep = 62;
inline constexpr Place kShortcutGroup{8, 0, 544, 56};  // y from the group's row
inline constexpr Place kShortcutOn{24, 24, 160, 22};
inline constexpr Place kShortcutOff{200, 24, 160, 22};
inline constexpr Place kAllOff{424, 262, 128, 30};

// The clean-up window after a setup.
inline constexpr int kCleanupWidth = 560;
inline constexpr int kCleanupHeight = 216;
inline constexpr Place kCleanupHeading{16, 16, 528, 20};
inline constexpr Place kCleanupPathLabel{16, 50, 112, 20};
inline constexpr Place kCleanupPath{128, 50, 416, 40};
inline constexpr Place kCleanupNote[2] = {{16, 98, 528, 18}, {16, 120, 528, 18}};
inline constexpr Place kCleanupYes{70, 162, 200, 34};
inline constexpr Place kCleanupNo{290, 162, 200, 34};

}  // namespace settings::layout
