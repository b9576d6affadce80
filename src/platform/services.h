#pragma once
// The operating system as one bundle of interfaces, made in the composition
// root (src/app, velcal, tests) and handed down by reference.
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/filesystem.h"
#include "platform/shell.h"
#include "platform/system.h"

namespace platform {

struct Services {
  FileSystem& fs;
  Dialogs& dialogs;
  Clock& clock;
  System& system;
  Shell& shell;
  Clipboard& clipboard;
};

}  // namespace platform
