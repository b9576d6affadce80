#pragma once
// The day editor's line attributes: one record per editor line, in line
// order, kept in a list that grows 14 records at a time.
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

#include "store/schedule_item.h"

namespace editors {

// Colour, mark A, time, mark B, mark C of one editor line.
using LineAttr = store::ItemAttributes;
// A new line: the window-text colour, no marks, no time.
inline constexpr LineAttr kDefaultLineAttr{};

// "リストのインデックスが範囲を超えています (7)".
std::string IndexErrorText(int index);

class ERecListError : public std::out_of_range {
 public:
  explicit ERecListError(int index) : std::out_of_range(IndexErrorText(index)) {}
};

// The attribute list (element type TMyRecArray). An index outside the list
// is reported through `report` (a message box in the window) and the list
// stays as it was; the operation then returns false.
class TRecList {
 public:
  static constexpr int kGrowBy = 14;
  using Report = std::function<void(const std::string&)>;

  explicit TRecList(Report report = {});

  bool Add(const LineAttr& record);
  void Clear();
  // The default record after reporting when `i` is outside the list.
  LineAttr Get(int i) const;
  bool Put(int i, const LineAttr& record);
  // 0 <= i <= Count(): the records from i on move down by one.
  bool Insert(int i, const LineAttr& record);
  // Removes exactly `count` records from i on; those after them move up.
  bool Delete(int i, int count);

  int Count() const { return static_cast<int>(items_.size()); }
  int Capacity() const { return capacity_; }
  const std::vector<LineAttr>& Items() const { return items_; }
  void Assign(const std::vector<LineAttr>& items);
  const Report& Reporter() const { return report_; }

 private:
  void Grow(int needed);
  bool Check(bool inRange, int index) const;

  std::vector<LineAttr> items_;
  int capacity_ = 0;
  Report report_;
};

}  // namespace editors
