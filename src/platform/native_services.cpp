#include "platform/native_services.h"

namespace platform {

NativeServices::NativeServices()
    : fs_(CreateNativeFileSystem()),
      dialogs_(CreateNativeDialogs()),
      clock_(CreateNativeClock()),
      system_(CreateNativeSystem()),
      shell_(CreateNativeShell()),
      clipboard_(CreateNativeClipboard()),
      services_{*fs_, *dialogs_, *clock_, *system_, *shell_, *clipboard_} {}

}  // namespace platform
