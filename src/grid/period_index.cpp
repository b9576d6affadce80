#include "grid/period_index.h"

#include <algorithm>
#include <numeric>
#include <optional>

#include "grid/entry_line.h"
#include "support/text.h"

namespace grid {
namespace {

constexpr int kMinPeriodFields = 7;

std::optional<calendar::DayNumber> DayOf(const store::PeriodDate& date) {
  try {
    return calendar::DateToJulius(date.year, date.month, date.day);
  } catch (const std::exception&) {
    return std::nullopt;  // the reform gap or a year out of range
  }
}

std::optional<PeriodSpan> SpanOf(const std::string& line, int index) {
  if (FieldCount(line) < kMinPeriodFields) return std::nullopt;
  PeriodSpan span;
  span.item = store::ParsePeriodItem(line);
  if (store::IsHiddenPeriod(span.item)) return std::nullopt;
  const auto first = DayOf(span.item.start);
  const auto last = DayOf(span.item.end);
  if (!first || !last) return std::nullopt;
  span.line = index;
  span.first = *first;
  span.last = *last;
  // A line ending before it starts (written before such lines were
  // refused) is drawn as a whole day at its start, so it can still be
  // selected and deleted.
  if (store::PeriodReversed(span.item)) {
    span.last = span.first;
    span.item.startPart = store::DayPart::Morning;
    span.item.endPart = store::DayPart::Evening;
  }
  const auto summary = DayOf(span.item.summary);
  span.hasSummaryDay = summary.has_value();
  span.summaryDay = summary.value_or(0);
  return span;
}

std::vector<int> SortedOrder(const std::vector<std::string>& lines) {
  std::vector<int> order(lines.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
    return support::CompareIgnoreCase(lines[a], lines[b]) < 0;
  });
  return order;
}

}  // namespace

const std::vector<PeriodSpan>& PeriodIndex::Spans(const std::vector<std::string>& lines) {
  if (!built_ || lines != snapshot_) Rebuild(lines);
  return spans_;
}

const PeriodSpan* PeriodIndex::SpanOfLine(int line) const {
  if (line < 0 || line >= static_cast<int>(spanOfLine_.size()) || spanOfLine_[line] < 0)
    return nullptr;
  return &spans_[spanOfLine_[line]];
}

void PeriodIndex::Rebuild(const std::vector<std::string>& lines) {
  snapshot_ = lines;
  spans_.clear();
  spanOfLine_.assign(lines.size(), -1);
  for (int index : SortedOrder(lines)) {
    auto span = SpanOf(lines[index], index);
    if (!span) continue;
    spanOfLine_[index] = static_cast<int>(spans_.size());
    spans_.push_back(std::move(*span));
  }
  built_ = true;
  ++rebuilds_;
}

}  // namespace grid
