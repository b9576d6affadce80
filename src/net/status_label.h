#pragma once
// The coloured label laid over the right part of the main window's status
// bar while a lock is awaited or refused. The window shows what it is given;
// while the label shows, the text of status panel 2 is set aside.
#include <string>
#include <string_view>

#include "store/color_text.h"

namespace net {

enum class LabelColor { Fuchsia, Red };

// "clFuchsia", "clRed": the names the colours have in data and settings.
std::string_view ColorName(LabelColor color);
store::Color ColorValue(LabelColor color);

struct LockStatus {
  std::string text;
  LabelColor color = LabelColor::Fuchsia;

  bool operator==(const LockStatus&) const = default;
};

class StatusLabel {
 public:
  virtual ~StatusLabel() = default;
  virtual void Show(const LockStatus& status) = 0;
  virtual void Hide() = 0;
};

// For callers that have no window: shows nothing.
class NoStatusLabel : public StatusLabel {
 public:
  void Show(const LockStatus&) override {}
  void Hide() override {}
};

}  // namespace net
