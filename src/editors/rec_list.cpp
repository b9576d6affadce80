#include "editors/rec_list.h"

namespace editors {

std::string IndexErrorText(int index) {
  return "リストのインデックスが範囲を超えています (" + std::to_string(index) + ")";
}

TRecList::TRecList(Report report) : report_(std::move(report)) {}

void TRecList::Grow(int needed) {
  while (capacity_ < needed) capacity_ += kGrowBy;
  items_.reserve(static_cast<size_t>(capacity_));
}

// Raises and catches the index error, so that a caller sees one message and
// an unchanged list whatever went wrong.
bool TRecList::Check(bool inRange, int index) const {
  try {
    if (!inRange) throw ERecListError(index);
    return true;
  } catch (const ERecListError& e) {
    if (report_) report_(e.what());
    return false;
  }
}

bool TRecList::Add(const LineAttr& record) {
  Grow(Count() + 1);
  items_.push_back(record);
  return true;
}

void TRecList::Clear() {
  items_.clear();
  capacity_ = 0;
  items_.shrink_to_fit();
}

LineAttr TRecList::Get(int i) const {
  if (!Check(i >= 0 && i < Count(), i)) return kDefaultLineAttr;
  return items_[static_cast<size_t>(i)];
}

bool TRecList::Put(int i, const LineAttr& record) {
  if (!Check(i >= 0 && i < Count(), i)) return false;
  items_[static_cast<size_t>(i)] = record;
  return true;
}

bool TRecList::Insert(int i, const LineAttr& record) {
  if (!Check(i >= 0 && i <= Count(), i)) return false;
  Grow(Count() + 1);
  items_.insert(items_.begin() + i, record);
  return true;
}

bool TRecList::Delete(int i, int count) {
  if (count == 0) return Check(i >= 0 && i <= Count(), i);
  if (!Check(i >= 0 && i < Count(), i)) return false;
  if (!Check(count > 0 && count <= Count() - i, i + count - 1)) return false;
  items_.erase(items_.begin() + i, items_.begin() + i + count);
  return true;
}

void TRecList::Assign(const std::vector<LineAttr>& items) {
  Clear();
  Grow(static_cast<int>(items.size()));
  items_ = items;
  items_.reserve(static_cast<size_t>(capacity_));
}

}  // namespace editors
