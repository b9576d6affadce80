#pragma once
// Clipboard text. Setting puts Unicode text and its CP932 form side by side;
// getting prefers the Unicode form, so the ANSI code page never matters.
#include <optional>
#include <string>

namespace platform {

class Clipboard {
 public:
  virtual ~Clipboard() = default;
  virtual std::optional<std::string> GetText() = 0;  // UTF-8
  virtual bool SetText(const std::string& utf8) = 0;
};

}  // namespace platform
