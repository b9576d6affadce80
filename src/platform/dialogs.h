#pragma once
// Modal message boxes and the status-bar text. Every text is the program's
// own, passed exactly; tests answer them from a script.
#include <string>

namespace platform {

enum class MsgIcon { None, Information, Question, Warning, Error };
enum class MsgButtons { Ok, OkCancel, YesNo, YesNoCancel };
enum class MsgResult { Ok, Cancel, Yes, No };

struct Message {
  std::string text;
  std::string caption;
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButtons::Ok;
  int defaultButton = 0;  // 0-based among the buttons
};

// The answer of a box's default button.
MsgResult DefaultAnswer(const Message& message);

class Dialogs {
 public:
  virtual ~Dialogs() = default;
  virtual MsgResult Show(const Message& message) = 0;
  virtual void SetStatusText(const std::string& text) {}
};

}  // namespace platform
