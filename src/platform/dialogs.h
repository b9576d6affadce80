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
  // Shows the box and waits for the answer. While a box is up its modal
  // loop still runs the program's timers: `AnyOpen` lets them hold back.
  MsgResult Show(const Message& message) {
    ++open_;
    struct Closed {
      int& open;
      ~Closed() { --open; }
    } closed{open_};
    return Ask(message);
  }
  bool AnyOpen() const { return open_ > 0; }
  virtual void SetStatusText(const std::string& text) {}

 protected:
  virtual MsgResult Ask(const Message& message) = 0;

 private:
  int open_ = 0;
};

}  // namespace platform
