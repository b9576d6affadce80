#include "grid/entry_line.h"

#include "grid/markup.h"
#include "store/schedule_item.h"

namespace grid {

std::string_view FieldOf(std::string_view line, int n) {
  std::size_t start = 0;
  for (int i = 0; i < n; ++i) {
    const std::size_t comma = line.find(',', start);
    if (comma == std::string_view::npos) return {};
    start = comma + 1;
  }
  return line.substr(start, line.find(',', start) - start);
}

int FieldCount(std::string_view line) {
  int count = 1;
  for (char c : line) count += c == ',';
  return count;
}

std::optional<store::Color> EntryColour(std::string_view line) {
  if (FieldCount(line) <= 5) return std::nullopt;
  const std::string_view field = FieldOf(line, store::kItemColor);
  if (field.empty() || field == "1") return std::nullopt;
  return store::ParseColorText(field);
}

EntryLine PrepareEntryLine(std::string_view line, bool& hidden, int tabBlanks) {
  EntryLine entry;
  const std::string shown = store::CommasToShown(FieldOf(line, store::kItemText));
  HiddenStep step = ApplyHiding(shown, hidden);
  hidden = step.hiddenAfter;
  entry.hidden = step.lineHidden;
  if (entry.hidden) return entry;
  StyledText styled = ApplyStyleTags(ExpandTabs(step.visible, tabBlanks));
  entry.text = std::move(styled.text);
  entry.bold = styled.bold;
  entry.strikeOut = styled.strikeOut;
  entry.colour = EntryColour(line);
  return entry;
}

}  // namespace grid
