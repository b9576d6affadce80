// TEditor under Wine: text typed, replaced and pasted arrives intact, is
// stored as Shift-JIS, and colours, undo and find work on the real control.
#include "editors/editor_win.h"

#include <gtest/gtest.h>
#include <richedit.h>

#include "platform/native_services.h"
#include "platform/window_win.h"
#include "store/schedule_item.h"
#include "support/cp932.h"
#include "support/utf8.h"

namespace editors {
namespace {

// A top-level window holding one editor, forwarding its notifications.
class Host : public platform::Window, public TEditorEvents {
 public:
  explicit Host(platform::Clipboard* clipboard) {
    platform::WindowArgs a;
    a.className = L"VeldaEditorTestHost";
    a.width = 300;
    a.height = 200;
    a.style = WS_OVERLAPPEDWINDOW;
    CreateWindowFrom(a);
    TEditorArgs e;
    e.parent = hwnd();
    e.id = 7;
    e.clipboard = clipboard;
    e.events = this;
    e.fontFace = L"Noto Sans Mono CJK JP";
    created = editor.Create(e);
    editor.Move({0, 0, 280, 160});
  }

  void OnChange(const std::string& before, const TextChange& change) override {
    changes.push_back(change);
  }
  std::optional<store::Color> LineColor(int row) override {
    return row == 0 ? std::optional<store::Color>(0x0000FF) : std::nullopt;
  }

  TEditor editor;
  bool created = false;
  std::vector<TextChange> changes;

 protected:
  LRESULT OnMessage(UINT m, WPARAM w, LPARAM l) override {
    LRESULT r = 0;
    if (editor.HandleParentMessage(m, w, l, &r)) return r;
    return Default(m, w, l);
  }
};

class TEditorTest : public testing::Test {
 protected:
  void SetUp() override {
    clipboard = platform::CreateNativeClipboard();
    host = std::make_unique<Host>(clipboard.get());
    ASSERT_TRUE(host->created) << "Msftedit.dll";
    ed().SetLines({""});
  }
  TEditor& ed() { return host->editor; }

  // Each UTF-16 unit as the keyboard or the input method delivers it.
  void Type(const std::string& utf8) {
    for (char16_t unit : support::Utf8ToUtf16(utf8))
      SendMessageW(ed().hwnd(), WM_CHAR, unit, 1);
  }

  // Enter and Backspace act when the key goes down, as with a keyboard.
  void Key(unsigned key) { SendMessageW(ed().hwnd(), WM_KEYDOWN, key, 1); }

  std::unique_ptr<platform::Clipboard> clipboard;
  std::unique_ptr<Host> host;
};

TEST_F(TEditorTest, TypedJapaneseArrivesIntactAndIsStoredAsShiftJis) {
  Type("会議，第二会議室");
  Key(VK_RETURN);
  Type("昼食😀 ｶﾅ");
  EXPECT_EQ(ed().Lines(), (std::vector<std::string>{"会議，第二会議室", "昼食😀 ｶﾅ"}));
  EXPECT_TRUE(ed().Modified());
  std::string line = store::FormatItemLine(5, 1, {ed().Lines()[0], {}});
  EXPECT_EQ(support::Utf8ToCp932(line),
            " 5,1,,\x89\xEF\x8B\x63\x81\x43\x91\xE6\x93\xF1\x89\xEF\x8B\x63\x8E\xBA,,,,,,");
  EXPECT_FALSE(support::Cp932CanEncode(ed().Lines()[1]));  // the emoji has no Shift-JIS form
}

TEST_F(TEditorTest, ReplacedAndPastedTextKeepsItsLines) {
  std::wstring replace = L"予定\r\n二行目";
  SendMessageW(ed().hwnd(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(replace.c_str()));
  ASSERT_TRUE(clipboard->SetText("貼り付け\r\n三行目"));
  SendMessageW(ed().hwnd(), WM_PASTE, 0, 0);
  EXPECT_EQ(ed().Lines(), (std::vector<std::string>{"予定", "二行目貼り付け", "三行目"}));
  ed().SelectAll();
  ed().Copy();
  EXPECT_EQ(clipboard->GetText(), "予定\r\n二行目貼り付け\r\n三行目");
}

TEST_F(TEditorTest, ReportsEachChangeWithWhereItHappened) {
  ed().SetLines({"会議", "昼食"});
  ed().SetCaret({1, 0});
  Key(VK_RETURN);
  ASSERT_EQ(host->changes.size(), 1u);
  EXPECT_EQ(host->changes[0], (TextChange{7, "", "\n"}));
  EXPECT_EQ(ed().Caret(), (TextPos{2, 0}));
}

TEST_F(TEditorTest, UndoAndRedoTakeBackWholeRunsOfTyping) {
  Type("abc");
  Key(VK_RETURN);
  Type("de");
  ASSERT_TRUE(ed().CanUndo());
  ed().Undo();
  EXPECT_EQ(ed().Text(), "abc\n");
  ed().Undo();
  EXPECT_EQ(ed().Text(), "abc");
  ed().Undo();
  EXPECT_EQ(ed().Text(), "");
  EXPECT_FALSE(ed().CanUndo());
  ed().Redo();
  ed().Redo();
  EXPECT_EQ(ed().Text(), "abc\n");
  EXPECT_EQ(ed().Caret(), (TextPos{1, 0}));
}

TEST_F(TEditorTest, LinesAreDrawnInTheirOwnersColours) {
  ed().SetLines({"赤い行", "普通の行"});
  ed().SetLineColors(true);
  auto colorAt = [&](long index) {
    CHARRANGE r{index, index + 1};
    SendMessageW(ed().hwnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    SendMessageW(ed().hwnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return cf;
  };
  CHARFORMAT2W first = colorAt(1), second = colorAt(5);
  EXPECT_EQ(first.crTextColor, RGB(255, 0, 0));
  EXPECT_FALSE(first.dwEffects & CFE_AUTOCOLOR);
  EXPECT_TRUE(second.dwEffects & CFE_AUTOCOLOR);
  EXPECT_FALSE(ed().CanUndo());  // colouring is no step of its own
}

TEST_F(TEditorTest, FindsForwardAndBackwardFromTheCaret) {
  ed().SetLines({"会議 A", "会議 B", "昼食"});
  ed().SetCaret({0, 1});
  ASSERT_TRUE(ed().Find("会議", true));
  EXPECT_EQ(ed().GetSelection().start, (TextPos{1, 0}));
  EXPECT_FALSE(ed().Find("会議", true));
  ed().SetCaret({2, 0});
  ASSERT_TRUE(ed().Find("会議", false));
  EXPECT_EQ(ed().GetSelection().start, (TextPos{1, 0}));
  EXPECT_FALSE(ed().Find("なし", false));
}

TEST_F(TEditorTest, TheWheelScrollsOneLinePerNotch) {
  ed().SetLines(std::vector<std::string>(60, "行"));
  ed().SetCaret({0, 0});
  SendMessageW(ed().hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-2 * WHEEL_DELTA)), 0);
  EXPECT_EQ(ed().FirstVisibleRow(), 2);
  SendMessageW(ed().hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), 0);
  EXPECT_EQ(ed().FirstVisibleRow(), 1);
}

TEST_F(TEditorTest, WebAddressesAreMarkedAsLinks) {
  ed().SetLines({"詳細は http://example.com/a を参照"});
  auto isLink = [&](long index) {
    CHARRANGE r{index, index + 1};
    SendMessageW(ed().hwnd(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&r));
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    SendMessageW(ed().hwnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return (cf.dwEffects & CFE_LINK) != 0;
  };
  EXPECT_TRUE(isLink(10));
  EXPECT_FALSE(isLink(1));
}

TEST_F(TEditorTest, FormattingShortcutsOfTheControlAreSwallowed) {
  ed().SetLines({"abc"});
  ed().SelectAll();
  auto bold = [&] {
    CHARFORMAT2W cf{};
    cf.cbSize = sizeof cf;
    SendMessageW(ed().hwnd(), EM_GETCHARFORMAT, SCF_SELECTION, reinterpret_cast<LPARAM>(&cf));
    return (cf.dwMask & CFM_BOLD) && (cf.dwEffects & CFE_BOLD);
  };
  ASSERT_FALSE(bold());
  BYTE keys[256]{};
  GetKeyboardState(keys);
  keys[VK_CONTROL] = 0x80;
  SetKeyboardState(keys);
  SendMessageW(ed().hwnd(), WM_KEYDOWN, 'B', 0);   // bold in a rich-text control
  SendMessageW(ed().hwnd(), WM_CHAR, 0x08, 0);     // Ctrl+H: a backspace
  keys[VK_CONTROL] = 0;
  SetKeyboardState(keys);
  EXPECT_EQ(ed().Text(), "abc");
  EXPECT_FALSE(bold());
}

}  // namespace
}  // namespace editors
