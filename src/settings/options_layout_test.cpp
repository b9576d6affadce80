#include "settings/options_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "platform/dpi.h"
#include "settings/options.h"
#include "settings/settings.h"
#include "support/utf8.h"

namespace settings {
namespace {

std::vector<std::string> Captions(OptionsMode mode) {
  std::vector<std::string> captions;
  for (const auto& t : VisibleTabs(mode)) captions.emplace_back(t.caption);
  return captions;
}

TEST(OptionsTabs, MemoTabOnlyInMemoModeAndTheWindowOpensOnIt) {
  const std::vector<std::string> main = {" 基本 ", " 表示全般 ", "  暦表示共通 ", " 月表示 ",
                                         " 年表示 ", " 機能 ", " 連携 ", " ネット１ "};
  EXPECT_EQ(Captions(OptionsMode::Main), main);
  std::vector<std::string> memo = main;
  memo.push_back(" メモ ");
  EXPECT_EQ(Captions(OptionsMode::Memo), memo);
  EXPECT_EQ(FirstTab(OptionsMode::Main), OptionsTab::Kihon);
  EXPECT_EQ(FirstTab(OptionsMode::Memo), OptionsTab::Memo);
}

// A value of the member's type that differs from `s`'s.
void ChangeMember(const KeyRow<Settings>& row, Settings& s) {
  std::visit(
      [&](auto m) {
        using V = std::remove_reference_t<decltype(s.*m)>;
        if constexpr (std::is_same_v<V, bool>) s.*m = !(s.*m);
        else if constexpr (std::is_same_v<V, int>) s.*m += 7;
        else if constexpr (std::is_same_v<V, std::string>) s.*m += "x";
        else if constexpr (std::is_same_v<V, TimeOfDay>) s.*m = {((s.*m).hour + 1) % 24, 0, 0};
        else s.*m ^= 0x123;
      },
      row.member);
}

// Every key the close copies back has a control, and every control bound
// to a key is copied back: no setting without its control, no control
// whose value goes nowhere.
TEST(OptionControls, EveryKeyCopiedBackHasItsControlAndNoOther) {
  OptionsContext context;
  context.programFolder = "C:\\Velda\\";
  const Settings defaults = DefaultSettings();
  std::set<std::string> copied;
  for (const auto& row : SettingsKeys()) {
    OptionsForm form = FillOptions(defaults, {}, {}, context);
    ChangeMember(row, form.values);
    Settings s = defaults;
    MemoWindowKeys memo;
    CopyOptionsBack(form, context, s, memo);
    if (ValueText(row, s) != ValueText(row, defaults)) copied.emplace(row.key);
  }
  std::set<std::string> bound;
  for (const auto& c : OptionControls())
    if (c.bind == BindTo::Settings) bound.emplace(c.name);
  EXPECT_EQ(bound, copied);

  std::set<std::string> memoBound;
  for (const auto& c : OptionControls())
    if (c.bind == BindTo::Memo) memoBound.emplace(c.name);
  EXPECT_EQ(memoBound, (std::set<std::string>{"vCLine1", "vCLine2", "vJHanten", "vMenuCount"}));
}

TEST(OptionControls, RangesAsTheSettingsDescribeThem) {
  const std::map<std::string, NumberRange> ranges = {
      {"udKidouGyou", {10, 1000}}, {"udYokoC", {-256, 256}}, {"udKFutosa", {1, 3}}, {"SpHajimariTuki", {1, 12}},
      {"udCalSize", {0, 1}}};
  for (const auto& [name, range] : ranges) {
    const OptionControl* c = FindControl(name);
    ASSERT_NE(c, nullptr) << name;
    EXPECT_EQ(c->kind, ControlKind::Number) << name;
    EXPECT_EQ(c->range.min, range.min) << name;
    EXPECT_EQ(c->range.max, range.max) << name;
  }
  // Every default lies within its control's range.
  const Settings defaults = DefaultSettings();
  OptionsContext context;
  for (const auto& c : OptionControls()) {
    if (c.kind != ControlKind::Number || c.bind != BindTo::Settings) continue;
    for (const auto& row : SettingsKeys())
      if (row.key == c.name) {
        const int value = std::stoi(ValueText(row, defaults));
        EXPECT_TRUE(value >= c.range.min && value <= c.range.max) << c.name;
      }
  }
}

// The lists show what their index stands for: the shown days and seconds
// are the ones the interval functions give for the stored value.
TEST(OptionControls, ListItemsShowWhatTheirValueMeans) {
  const OptionControl* backup = FindControl("cbBackKankaku");
  ASSERT_NE(backup, nullptr);
  ASSERT_EQ(backup->items.size(), 6u);
  for (const auto& item : backup->items)
    EXPECT_EQ(std::to_string(BackupIntervalDays(std::stoi(std::string(item.value)))), item.caption);
  const OptionControl* timer = FindControl("cbTimerNo");
  ASSERT_NE(timer, nullptr);
  ASSERT_EQ(timer->items.size(), 10u);
  for (const auto& item : timer->items)
    EXPECT_EQ(std::to_string(TimeCheckIntervalMs(std::stoi(std::string(item.value))) / 1000), item.caption);

  auto captions = [](std::string_view name) {
    std::vector<std::string> out;
    for (const auto& item : FindControl(name)->items) out.emplace_back(item.caption);
    return out;
  };
  EXPECT_EQ(captions("TabToSp"), (std::vector<std::string>{"2", "4"}));
  EXPECT_EQ(captions("TabAdj"), (std::vector<std::string>{"100", "150"}));
  EXPECT_EQ(captions("rbNetKoushin"), (std::vector<std::string>{"常駐回復時のみ", "１０秒間隔", "６０秒間隔"}));
  EXPECT_EQ(captions("HyoujiIchi"), (std::vector<std::string>{"画面の真ん中", "終了時位置"}));
}

TEST(OptionControls, IdsLeadBackToTheirControlAndPart) {
  for (std::size_t i = 0; i < OptionControls().size(); ++i)
    for (int part : {int{kMain}, int{kUpDown}, int{kChange}, kItem + 2}) {
      std::size_t index = 0;
      int found = -1;
      ASSERT_TRUE(ControlOfId(ControlId(i, part), index, found));
      EXPECT_EQ(index, i);
      EXPECT_EQ(found, part);
    }
  std::size_t index = 0;
  int part = 0;
  EXPECT_FALSE(ControlOfId(ControlId(OptionControls().size()), index, part));
  EXPECT_FALSE(ControlOfId(1, index, part));
}

// ---- geometry ---------------------------------------------------------------

// An upper bound of a caption's width in the 12-pixel UI font: Japanese
// characters are as wide as the font is high, Latin ones narrower.
int TextWidth(std::string_view text) {
  int width = 0;
  for (std::size_t i = 0; i < text.size();) {
    const support::Utf8Char c = support::DecodeUtf8At(text, i);
    width += c.code < 0x80 ? 8 : 12;
    i += c.length;
  }
  return width;
}

constexpr int kBoxWidth = 20;  // a check box's or radio button's box and gap

struct Leaf {
  std::string what;
  OptionsPlace place;
};

std::vector<Leaf> LeavesOf(const OptionControl& c) {
  const ControlParts p = PartsOf(c);
  const std::string n(c.name);
  std::vector<Leaf> leaves;
  auto add = [&](const std::string& what, const OptionsPlace& r) {
    if (r.width > 0) leaves.push_back({n + " " + what, r});
  };
  switch (c.kind) {
    case ControlKind::Group: break;
    case ControlKind::Radio:
      for (std::size_t i = 0; i < p.items.size(); ++i) add("item" + std::to_string(i), p.items[i]);
      break;
    default:
      add("field", p.field);
      if (!c.caption.empty() && c.labelWidth) add("caption", p.caption);
      add("updown", p.upDown);
      add("change", p.change);
      if (!c.suffix.empty()) add("suffix", p.suffix);
  }
  return leaves;
}

bool Overlap(const support::Rect& a, const support::Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}
bool Inside(const support::Rect& inner, const support::Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

// Where the window puts a place of a tab's page at `dpi`: in the window's
// coordinates, scaled as the window scales it.
support::Rect OnWindow(const OptionsPlace& onPage, int dpi) {
  const OptionsPlace& page = OptionsGeometry().page;
  return PlaceAtDpi({page.x + onPage.x, page.y + onPage.y, onPage.width, onPage.height}, dpi);
}

class OptionsAtDpi : public testing::TestWithParam<int> {};

TEST_P(OptionsAtDpi, NothingOverlapsOrLeavesItsPageOrItsGroup) {
  const int dpi = GetParam();
  const support::Rect page = OnWindow({0, 0, OptionsGeometry().page.width, OptionsGeometry().page.height}, dpi);
  for (const auto& tab : VisibleTabs(OptionsMode::Memo)) {
    std::vector<Leaf> leaves;
    std::vector<const OptionControl*> groups;
    for (const auto& c : OptionControls()) {
      if (c.tab != tab.tab || c.hidden) continue;
      EXPECT_TRUE(Inside(OnWindow(c.place, dpi), page)) << c.name;
      if (c.kind == ControlKind::Group || c.kind == ControlKind::Radio) groups.push_back(&c);
      for (auto& leaf : LeavesOf(c)) leaves.push_back(leaf);
    }
    for (std::size_t i = 0; i < leaves.size(); ++i) {
      const support::Rect leaf = OnWindow(leaves[i].place, dpi);
      for (std::size_t j = i + 1; j < leaves.size(); ++j)
        EXPECT_FALSE(Overlap(leaf, OnWindow(leaves[j].place, dpi))) << leaves[i].what << " / " << leaves[j].what;
      for (const auto* g : groups) {
        // Inside a group, clear of its frame and of its caption.
        const OptionsPlace inner{g->place.x + 6, g->place.y + 16, g->place.width - 12, g->place.height - 20};
        EXPECT_TRUE(!Overlap(leaf, OnWindow(g->place, dpi)) || Inside(leaf, OnWindow(inner, dpi)))
            << leaves[i].what << " lies on the frame of " << g->name;
      }
    }
  }
}

// The strip, the frame round the page and the buttons under it stay in
// the client area and clear of each other at every DPI.
TEST_P(OptionsAtDpi, TheWindowsOwnPartsKeepTheirPlaces) {
  const int dpi = GetParam();
  const OptionsWindowGeometry& g = OptionsGeometry();
  const support::Rect client = PlaceAtDpi({0, 0, g.clientWidth, g.clientHeight}, dpi);
  const support::Rect tabs = PlaceAtDpi(g.tabs, dpi), frame = PlaceAtDpi(g.frame, dpi),
                      page = PlaceAtDpi(g.page, dpi), ok = PlaceAtDpi(g.okButton, dpi),
                      cancel = PlaceAtDpi(g.cancelButton, dpi);
  for (const support::Rect& part : {tabs, frame, ok, cancel}) EXPECT_TRUE(Inside(part, client)) << dpi;
  EXPECT_TRUE(Inside(page, frame));
  EXPECT_FALSE(Overlap(page, tabs));
  EXPECT_FALSE(Overlap(ok, cancel));
  EXPECT_FALSE(Overlap(ok, frame));
  EXPECT_FALSE(Overlap(cancel, frame));
}

INSTANTIATE_TEST_SUITE_P(Dpis, OptionsAtDpi, testing::Values(96, 144, 192));

TEST(OptionControls, EveryCaptionFitsItsPlace) {
  for (const auto& c : OptionControls()) {
    const ControlParts p = PartsOf(c);
    switch (c.kind) {
      case ControlKind::Check:
        EXPECT_LE(kBoxWidth + TextWidth(c.caption), c.place.width) << c.name;
        break;
      case ControlKind::Radio:
        for (std::size_t i = 0; i < c.items.size(); ++i)
          EXPECT_LE(kBoxWidth + TextWidth(c.items[i].caption), p.items[i].width) << c.name << " " << i;
        [[fallthrough]];
      case ControlKind::Group:
        EXPECT_LE(TextWidth(c.caption) + 16, c.place.width) << c.name;
        break;
      case ControlKind::Button:
        EXPECT_LE(TextWidth(c.caption) + 12, c.place.width) << c.name;
        break;
      case ControlKind::Label:
        EXPECT_LE(TextWidth(c.caption), c.place.width) << c.name;
        break;
      default:
        EXPECT_LE(TextWidth(c.caption), c.labelWidth) << c.name;
        if (!c.suffix.empty()) EXPECT_LE(TextWidth(c.suffix), p.suffix.width) << c.name;
    }
  }
}

}  // namespace
}  // namespace settings
