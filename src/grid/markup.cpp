#include "grid/markup.h"

#include "support/text.h"

namespace grid {
namespace {

constexpr std::string_view kHideOpen = "<H>";
constexpr std::string_view kHideClose = "</H>";

// Removes every <H>..</H> pair; an <H> left open cuts the rest and hides
// what follows.
void CutHiddenSpans(std::string& text, bool& hidden) {
  for (std::size_t open; (open = FindIgnoreCase(text, kHideOpen)) != std::string::npos;) {
    const std::size_t close = FindIgnoreCase(text, kHideClose, open + kHideOpen.size());
    if (close == std::string::npos) {
      text.erase(open);
      hidden = true;
      return;
    }
    text.erase(open, close + kHideClose.size() - open);
  }
}

std::string RemoveAllIgnoreCase(std::string_view text, std::string_view tag, bool& found) {
  std::string out;
  std::size_t from = 0;
  for (std::size_t at; (at = FindIgnoreCase(text, tag, from)) != std::string_view::npos;
       from = at + tag.size()) {
    out.append(text.substr(from, at - from));
    found = true;
  }
  out.append(text.substr(from));
  return out;
}

}  // namespace

std::size_t FindIgnoreCase(std::string_view text, std::string_view tag, std::size_t from) {
  if (tag.empty() || text.size() < tag.size()) return std::string_view::npos;
  for (std::size_t i = from; i + tag.size() <= text.size(); ++i)
    if (support::EqualsIgnoreCase(text.substr(i, tag.size()), tag)) return i;
  return std::string_view::npos;
}

HiddenStep ApplyHiding(std::string_view text, bool hiddenBefore) {
  HiddenStep step;
  if (!hiddenBefore && FindIgnoreCase(text, kHideOpen) == std::string_view::npos) {
    step.visible = text;
    return step;
  }
  step.touched = true;
  if (hiddenBefore) {
    const std::size_t close = FindIgnoreCase(text, kHideClose);
    step.lineHidden = close == std::string_view::npos || close + kHideClose.size() == text.size();
    step.hiddenAfter = close == std::string_view::npos;
    if (step.lineHidden) return step;
    text.remove_prefix(close + kHideClose.size());
  }
  step.visible = text;
  CutHiddenSpans(step.visible, step.hiddenAfter);
  return step;
}

bool TakesLine(const HiddenStep& step) {
  return !step.lineHidden && (!step.touched || !step.visible.empty());
}

StyledText ApplyStyleTags(std::string_view text) {
  StyledText styled;
  std::string plain = RemoveAllIgnoreCase(text, "<B>", styled.bold);
  plain = RemoveAllIgnoreCase(plain, "</B>", styled.bold);
  plain = RemoveAllIgnoreCase(plain, "<S>", styled.strikeOut);
  styled.text = RemoveAllIgnoreCase(plain, "</S>", styled.strikeOut);
  return styled;
}

std::string ExpandTabs(std::string_view text, int blanks) {
  return support::ReplaceAll(text, "\t", std::string(blanks > 0 ? blanks : 0, ' '));
}

std::string_view DropLastCharacter(std::string_view text) {
  std::size_t end = text.size();
  if (end == 0) return text;
  // Step back over UTF-8 continuation bytes to the lead byte.
  do --end;
  while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80);
  return text.substr(0, end);
}

}  // namespace grid
