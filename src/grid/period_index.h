#pragma once
// The drawable periods of the period list, sorted and parsed once while
// the list stays the same: a render only walks them and keeps those in
// view. The list itself is never reordered, so line indexes held by the
// main window (the selected period, the line being edited) stay valid.
#include <string>
#include <vector>

#include "calendar/julius.h"
#include "store/period_item.h"

namespace grid {

struct PeriodSpan {
  int line = 0;  // index in the period list
  calendar::DayNumber first = 0;
  calendar::DayNumber last = 0;
  bool hasSummaryDay = false;
  calendar::DayNumber summaryDay = 0;
  store::PeriodItem item;
};

class PeriodIndex {
 public:
  // The periods of `lines` in sorted line order (case-insensitive), without
  // the lines of 6 fields or fewer, those marked "D" and those whose dates
  // give no day number; one that ends before it starts spans its start
  // day. Rebuilt only when `lines` changed.
  const std::vector<PeriodSpan>& Spans(const std::vector<std::string>& lines);
  // The span of line `line` as of the last Spans call; null when none.
  const PeriodSpan* SpanOfLine(int line) const;
  int Rebuilds() const { return rebuilds_; }

 private:
  void Rebuild(const std::vector<std::string>& lines);
  std::vector<std::string> snapshot_;
  std::vector<PeriodSpan> spans_;
  std::vector<int> spanOfLine_;  // -1: no span
  bool built_ = false;
  int rebuilds_ = 0;
};

}  // namespace grid
