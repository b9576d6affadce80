#include "platform/dialogs.h"

namespace platform {

MsgResult DefaultAnswer(const Message& m) {
  switch (m.buttons) {
    case MsgButtons::Ok: return MsgResult::Ok;
    case MsgButtons::OkCancel: return m.defaultButton == 0 ? MsgResult::Ok : MsgResult::Cancel;
    case MsgButtons::YesNo: return m.defaultButton == 0 ? MsgResult::Yes : MsgResult::No;
    case MsgButtons::YesNoCancel:
      return m.defaultButton == 0   ? MsgResult::Yes
             : m.defaultButton == 1 ? MsgResult::No
                                    : MsgResult::Cancel;
  }
  return MsgResult::Ok;
}

}  // namespace platform
