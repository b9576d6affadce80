#include "editors/memo_rules.h"

#include <gtest/gtest.h>

namespace editors {
namespace {

TEST(MemoTitle, DocumentsAndTheChangedMark) {
  EXPECT_EQ(MemoTitle(MemoKind::Memo, MemoDoc::Memo, "C:\\V\\Data\\CaMemo.kdf", true),
            "メモ : C:\\V\\Data\\CaMemo.kdf(更新)");
  EXPECT_EQ(MemoTitle(MemoKind::Memo, MemoDoc::Editor, "無題", false), "Editor : 無題");
  EXPECT_EQ(MemoTitle(MemoKind::Memo, MemoDoc::ReadMe, "x", true), "ReadMe.txt");
  EXPECT_EQ(MemoTitle(MemoKind::Search, MemoDoc::Memo, "kensaku.txt", true), "【検索】");
  EXPECT_EQ(MemoTitle(MemoKind::Search, MemoDoc::Usage, "x", false), "使用法");
  EXPECT_EQ(MemoDocName(MemoKind::Memo, MemoDoc::ReadMe), "Readme.txt");
  EXPECT_EQ(MemoDocName(MemoKind::Search, MemoDoc::Memo), "検索");
  EXPECT_EQ(CaretPanelText(0, 0), "    1 行:   1 桁");
  EXPECT_EQ(CaretPanelText(11999, 79), "12000 行:  80 桁");
}

TEST(HoldsUntitledName, InAnyLetterCase) {
  EXPECT_TRUE(HoldsUntitledName("C:\\Velda\\Files\\無題.txt"));
  EXPECT_TRUE(HoldsUntitledName("無題.TxT"));
  EXPECT_TRUE(HoldsUntitledName("old無題.txt.bak"));
  EXPECT_FALSE(HoldsUntitledName("無題2.txt"));
  EXPECT_FALSE(HoldsUntitledName("メモ.txt"));
}

struct PlaceCase {
  Bounds window;
  Bounds expected;
};
class PlaceMemoWindowTest : public testing::TestWithParam<PlaceCase> {};

TEST_P(PlaceMemoWindowTest, InsideTheWorkArea) {
  const Bounds area{0, 30, 1280, 994};  // a task bar at the top
  EXPECT_EQ(PlaceMemoWindow(GetParam().window, area), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceMemoWindowTest,
    testing::Values(PlaceCase{{100, 100, 640, 480}, {100, 100, 640, 480}},     // inside: stays
                    PlaceCase{{900, 100, 640, 480}, {320, 287, 640, 480}},     // right edge out
                    PlaceCase{{100, 0, 640, 480}, {320, 287, 640, 480}},       // above the area
                    PlaceCase{{-5, 100, 641, 481}, {320, 287, 641, 481}},      // odd sizes round
                    PlaceCase{{50, 50, 1400, 400}, {0, 30, 1400, 400}},        // wider than the area
                    PlaceCase{{50, 50, 400, 1000}, {0, 30, 400, 1000}}));      // taller

TEST(JumpTopRow, AboveOrNearTheBottom) {
  // Line 50 in a view of 20 rows, vCLine1 2, vCLine2 3.
  EXPECT_EQ(JumpTopRow(50, 20, 2, 3, false), 48);
  EXPECT_EQ(JumpTopRow(50, 20, 2, 3, true), 33);
  EXPECT_EQ(JumpTopRow(1, 20, 2, 3, false), 0);
  EXPECT_EQ(JumpTopRow(5, 20, 2, 3, true), 0);
  EXPECT_FALSE(JumpNearBottom(false, false));
  EXPECT_TRUE(JumpNearBottom(true, false));
  EXPECT_TRUE(JumpNearBottom(false, true));
  EXPECT_FALSE(JumpNearBottom(true, true));
}

TEST(DecideLink, WebAddressesOpenFileLinksOnlyWhenTheFileExists) {
  std::vector<std::string> asked;
  auto exists = [&](const std::string& path) {
    asked.push_back(path);
    return path == "C:\\Memo\\todo.txt" || path == "C:/Memo/todo.txt";
  };
  EXPECT_EQ(DecideLink("https://example.com/a", exists).open, "https://example.com/a");
  EXPECT_TRUE(asked.empty());
  EXPECT_EQ(DecideLink("file://C:\\Memo\\todo.txt", exists).open, "C:\\Memo\\todo.txt");
  EXPECT_EQ(DecideLink("FILE:C:\\Memo\\todo.txt", exists).open, "C:\\Memo\\todo.txt");
  EXPECT_EQ(DecideLink("file:///C:/Memo/todo.txt", exists).open, "C:/Memo/todo.txt");
  LinkAction missing = DecideLink("file://C:\\none.txt", exists);
  EXPECT_TRUE(missing.open.empty());
  EXPECT_EQ(missing.message, "指定されたファイル[ C:\\none.txt ]が存在しません。\r\n中止します。");
}

struct KeyCase {
  MemoKeyStroke stroke;
  MemoKey key;
};
class DecideMemoKeyTest : public testing::TestWithParam<KeyCase> {};

TEST_P(DecideMemoKeyTest, Table) { EXPECT_EQ(DecideMemoKey(GetParam().stroke), GetParam().key); }

constexpr unsigned kRight = 0x27, kLeft = 0x25, kReturn = 0x0D, kF2 = 0x71, kF3 = 0x72, kInsert = 0x2D;
INSTANTIATE_TEST_SUITE_P(
    Keys, DecideMemoKeyTest,
    testing::Values(KeyCase{{'M', false, false, true}, MemoKey::Close},
                    KeyCase{{kRight, false, false, true}, MemoKey::CloseToMonth},
                    KeyCase{{kLeft, false, false, true}, MemoKey::CloseToYear},
                    KeyCase{{kReturn, true, false, false}, MemoKey::Swallow},
                    KeyCase{{kReturn, true, false, false, true}, MemoKey::Close},
                    KeyCase{{kReturn, false, false, false, true}, MemoKey::None},
                    KeyCase{{'N', true}, MemoKey::New}, KeyCase{{'O', true}, MemoKey::Open},
                    KeyCase{{'F', true}, MemoKey::FindDialog}, KeyCase{{kF2}, MemoKey::Close},
                    KeyCase{{kF3}, MemoKey::FindNext}, KeyCase{{kF3, false, true}, MemoKey::FindPrevious},
                    KeyCase{{kInsert}, MemoKey::ToggleInsert}, KeyCase{{kInsert, false, true}, MemoKey::None},
                    KeyCase{{kInsert, true}, MemoKey::None}, KeyCase{{'M'}, MemoKey::None},
                    KeyCase{{'F', true, true}, MemoKey::None}));


}  // namespace
}  // namespace editors
