#include "shell/period_edit.h"

#include <gtest/gtest.h>

#include "platform/doubles_testutil.h"
#include "shell/edit_flows_testutil.h"

namespace shell {
namespace {

using calendar::DateToJulius;
using Lines = std::vector<std::string>;
using store::DayPart;

constexpr char kTrip[] = "2004, 3, 5,A,2004, 3,12,E,2004, 3, 8,2,clRed,出張，大阪,PC07,,,,,";

PeriodMarks Marks(int startDay, int startPart, int endDay, int endPart) {
  return {{DateToJulius(2004, 3, startDay), startPart}, {DateToJulius(2004, 3, endDay), endPart}};
}

class PeriodEditTest : public ::testing::Test {
 protected:
  PeriodEditTest() {
    folders.dataFolder = "data/";
    settings.udKFutosa = 1;
    settings.edtKColor = store::kClBlue;
    fake.system.computerName = "PC01";
    host.periods.lines.push_back(kTrip);
  }
  void GoNetwork() { edit.SetSharedFolder(&shared); }
  const Lines& List() const { return host.periods.lines; }

  platform::FakeServices fake;
  store::Folders folders;
  settings::Settings settings;
  FakeEditHost host;
  FakeDayEditor editor;
  FakeSharedFolder shared;
  PeriodEdit edit{fake.services, folders, settings, host, editor};
};

// ---- new periods -----------------------------------------------------------------

TEST_F(PeriodEditTest, ANewPeriodOpensWithTheMarkedDaysAndTheDefaults) {
  edit.NewPeriod(Marks(5, 2, 12, 3));
  ASSERT_EQ(editor.periods.size(), 1u);
  const editors::PeriodPage& page = editor.periods[0];
  EXPECT_TRUE(page.isNew);
  EXPECT_EQ(page.start, (store::PeriodDate{2004, 3, 5}));
  EXPECT_EQ(page.startPart, DayPart::Noon);
  EXPECT_EQ(page.end, (store::PeriodDate{2004, 3, 12}));
  EXPECT_EQ(page.endPart, DayPart::Evening);
  EXPECT_EQ(page.summary, (store::PeriodDate{2004, 3, 8}));  // halfway, fraction dropped
  EXPECT_EQ(page.text, "");
  EXPECT_EQ(page.thickness, 1);
  EXPECT_EQ(page.color, store::kClBlue);
}

TEST_F(PeriodEditTest, AWrittenNewPeriodIsAppendedByteExact) {
  editor.Write([&] {
    editors::PeriodPage page = editors::PeriodPageOf(
        store::NewPeriodItem(DateToJulius(2004, 3, 5), 2, DateToJulius(2004, 3, 12), 3, 1, "clBlue", "PC01"),
        true, editors::kDefaultEntryColor, store::kClBlue);
    page.text = "研修,東京";
    return page;
  }());
  EXPECT_TRUE(edit.NewPeriod(Marks(5, 2, 12, 3)));
  EXPECT_EQ(List().back(), "2004, 3, 5,A,2004, 3,12,E,2004, 3, 8,1,clBlue,研修，東京,PC01,,,,,");
  EXPECT_EQ(host.log, Lines{"CommitPeriods"});  // on disk at once
  EXPECT_EQ(host.refreshes, 1);
}

// A line whose end lies before its start is never drawn and so could never
// be selected or deleted again: refused, the list as it was.
TEST_F(PeriodEditTest, APeriodEditedToEndBeforeItStartsIsRefused) {
  editors::PeriodPage page = editors::PeriodPageOf(store::ParsePeriodItem(kTrip), false,
                                                   editors::kDefaultEntryColor, store::kClBlue);
  page.end = {page.start.year, page.start.month, page.start.day - 1};
  editor.Write(page);
  const Lines before = List();
  EXPECT_FALSE(edit.EditPeriod(1));
  EXPECT_EQ(List(), before);
  EXPECT_EQ(fake.dialogs.Texts(), Lines{"初めと終わりが逆です。"});
  EXPECT_TRUE(host.log.empty());
}

TEST_F(PeriodEditTest, AMonthEdgeDragCoversBothMonths) {
  edit.NewPeriod({{DateToJulius(2004, 3, 30), 3}, {DateToJulius(2004, 4, 2), 1}});
  ASSERT_EQ(editor.periods.size(), 1u);
  EXPECT_EQ(editor.periods[0].start, (store::PeriodDate{2004, 3, 30}));
  EXPECT_EQ(editor.periods[0].end, (store::PeriodDate{2004, 4, 2}));
  EXPECT_EQ(editor.periods[0].summary, (store::PeriodDate{2004, 3, 31}));
  EXPECT_EQ(editor.periods[0].endPart, DayPart::Morning);
}

struct ReversedCase {
  PeriodMarks marks;
  bool reversed;
};

class ReversedTest : public PeriodEditTest, public ::testing::WithParamInterface<ReversedCase> {};

TEST_P(ReversedTest, AnEndBeforeTheStartIsRefused) {
  const ReversedCase& c = GetParam();
  EXPECT_EQ(MarksReversed(c.marks), c.reversed);
  edit.NewPeriod(c.marks);
  EXPECT_EQ(editor.shown, c.reversed ? 0 : 1);
  EXPECT_EQ(fake.dialogs.Texts(), c.reversed ? Lines{"初めと終わりが逆です。"} : Lines{});
}

INSTANTIATE_TEST_SUITE_P(Marks, ReversedTest,
                         ::testing::Values(ReversedCase{Marks(12, 1, 9, 3), true},
                                           ReversedCase{Marks(5, 3, 5, 1), true},
                                           ReversedCase{Marks(5, 1, 5, 1), false},
                                           ReversedCase{Marks(5, 3, 6, 1), false},
                                           ReversedCase{Marks(5, 1, 5, 3), false}));

// ---- changing and deleting -----------------------------------------------------------

TEST_F(PeriodEditTest, AChangeShowsTheLineAndKeepsItsAuthor) {
  editor.Write([] {
    editors::PeriodPage page;
    page.isNew = false;
    page.start = {2004, 3, 6};
    page.startPart = DayPart::Morning;
    page.end = {2004, 3, 12};
    page.summary = {2004, 3, 9};
    page.text = "1,000円";
    page.thickness = 3;
    page.color = 0x0000FF;
    return page;
  }());
  host.periods.lines.push_back("2004, 4, 1,M,2004, 4, 2,E,2004, 4, 1,1,clBlue,後,PC02,,,,,");
  host.periods.selected = 1;
  EXPECT_TRUE(edit.EditPeriod(1));
  const editors::PeriodPage& shown = editor.periods[0];
  EXPECT_FALSE(shown.isNew);
  EXPECT_EQ(shown.text, "出張，大阪");
  EXPECT_EQ(shown.thickness, 2);
  EXPECT_EQ(shown.color, 0x0000FFu);
  EXPECT_EQ(List(), (Lines{List()[0], "2004, 4, 1,M,2004, 4, 2,E,2004, 4, 1,1,clBlue,後,PC02,,,,,",
                           "2004, 3, 6,M,2004, 3,12,E,2004, 3, 9,3,clRed,1，000円,PC07,,,,,"}));
  EXPECT_EQ(host.periods.selected, 0);
}

TEST_F(PeriodEditTest, AnInvalidDateStoresNothing) {
  editors::PeriodPage page = editors::PeriodPageOf(store::ParsePeriodItem(kTrip), false,
                                                   editors::kDefaultEntryColor, store::kClBlue);
  page.start = {2004, 2, 30};
  editor.Write(page);
  EXPECT_FALSE(edit.EditPeriod(1));
  EXPECT_EQ(fake.dialogs.Texts(), (Lines{"不正な日付：2004/02/30", "登録いたしません。"}));
  EXPECT_EQ(List()[1], kTrip);
}

TEST_F(PeriodEditTest, ACancelledChangeKeepsTheLine) {
  editor.CancelPeriodDroppingSelection();
  host.periods.selected = 1;
  EXPECT_FALSE(edit.EditPeriod(1));
  EXPECT_EQ(List()[1], kTrip);
  EXPECT_EQ(host.periods.selected, 0);
}

TEST_F(PeriodEditTest, NoLineOutsideTheListIsEdited) {
  EXPECT_FALSE(edit.EditPeriod(0));  // the header
  EXPECT_FALSE(edit.EditPeriod(2));
  EXPECT_EQ(editor.shown, 0);
}

TEST_F(PeriodEditTest, DeleteAsksWithNoAsTheDefault) {
  host.periods.selected = 1;
  EXPECT_FALSE(edit.DeletePeriod());  // the default answer
  ASSERT_EQ(fake.dialogs.shown.size(), 1u);
  EXPECT_EQ(fake.dialogs.shown[0].text, "この予定を削除してもいいですか？");
  EXPECT_EQ(fake.dialogs.shown[0].caption, "確認");
  EXPECT_EQ(List().size(), 2u);
  fake.dialogs.Answer(platform::MsgResult::Yes);
  EXPECT_TRUE(edit.DeletePeriod());
  EXPECT_EQ(List().size(), 1u);
  EXPECT_EQ(host.periods.selected, 0);
  EXPECT_EQ(host.log, Lines{"CommitPeriods"});
}

TEST_F(PeriodEditTest, DeleteWithoutASelectionAsksNothing) {
  EXPECT_FALSE(edit.DeletePeriod());
  EXPECT_TRUE(fake.dialogs.shown.empty());
}

// ---- network mode ----------------------------------------------------------------------

TEST_F(PeriodEditTest, NetworkChangeLocksRereadsSavesAndReleases) {
  GoNetwork();
  editor.Write(editors::PeriodPageOf(store::ParsePeriodItem(kTrip), false, editors::kDefaultEntryColor,
                                     store::kClBlue));
  EXPECT_TRUE(edit.EditPeriod(1));
  EXPECT_EQ(shared.log, (Lines{"ServiceLockPresent", "Acquire CaFromTo.lock", "Acquire CaFromTo.lock",
                               "Holds CaFromTo.lock", "Release CaFromTo.lock"}));
  EXPECT_EQ(host.log, (Lines{"RereadPeriods", "CommitPeriods", "SavePeriods"}));
}

// The lock removed by maintenance (or taken by another computer) while the
// page showed: the period is not written; asked, the page opens again on the
// list read afresh with what was typed.
TEST_F(PeriodEditTest, ALockLostWhileThePageShowedRefusesTheWriteAndOpensThePageAgain) {
  GoNetwork();
  shared.holdAnswers = {false};
  editors::PeriodPage typed = editors::PeriodPageOf(store::ParsePeriodItem(kTrip), false,
                                                    editors::kDefaultEntryColor, store::kClBlue);
  typed.text = "出張（延長）";
  editor.Write(typed);
  editor.Write(typed);
  EXPECT_TRUE(edit.EditPeriod(1));
  ASSERT_EQ(editor.periods.size(), 2u);
  EXPECT_EQ(editor.periods[1].text, "出張（延長）");
  EXPECT_EQ(fake.dialogs.shown.size(), 1u);
  EXPECT_EQ(host.log, (Lines{"RereadPeriods", "RereadPeriods", "CommitPeriods", "SavePeriods"}));
}

TEST_F(PeriodEditTest, ADeletionWhoseLockWasLostDeletesAndWritesNothing) {
  GoNetwork();
  host.periods.selected = 1;
  shared.holdAnswers = {false};
  fake.dialogs.Answer(platform::MsgResult::Yes);
  const Lines before = List();
  EXPECT_FALSE(edit.DeletePeriod());
  EXPECT_EQ(host.log, (Lines{"RereadPeriods"}));
  EXPECT_EQ(List(), before);
  ASSERT_EQ(fake.dialogs.shown.size(), 2u);
  EXPECT_NE(fake.dialogs.Texts()[1].find("もう一度、削除からお願いいたします。"), std::string::npos);
  EXPECT_EQ(shared.log.back(), "Lost CaFromTo.lock");
}

// A list that could not be read again is no base for a change: it would
// be written over everyone's periods. The lock is released, not abandoned.
TEST_F(PeriodEditTest, AFailedRereadRefusesTheEditAndReleasesTheLock) {
  GoNetwork();
  host.periodsUnreadable = true;
  editor.Write(editors::PeriodPageOf(store::ParsePeriodItem(kTrip), false, editors::kDefaultEntryColor,
                                     store::kClBlue));
  EXPECT_FALSE(edit.EditPeriod(1));
  EXPECT_EQ(editor.shown, 0);
  EXPECT_EQ(host.log, (Lines{"RereadPeriods"}));
  EXPECT_EQ(shared.log.back(), "Release CaFromTo.lock");
}

TEST_F(PeriodEditTest, APeriodChangedByAnotherComputerIsNotOpened) {
  GoNetwork();
  host.periodsOnDisk = {List()[0], "2004, 3, 5,A,2004, 3,13,E,2004, 3, 8,2,clRed,出張，大阪,PC07,,,,,"};
  EXPECT_FALSE(edit.EditPeriod(1));
  EXPECT_EQ(editor.shown, 0);
  EXPECT_EQ(fake.dialogs.Texts(),
            (Lines{"他の方によって、期間予定データが変更されています。\r\n"
                   "もう一度、期間予定の指定処理からお願いいたします。"}));
  EXPECT_EQ(shared.log.back(), "Release CaFromTo.lock");
}

TEST_F(PeriodEditTest, APeriodDeletedByAnotherComputerIsNotDeletedAgain) {
  GoNetwork();
  host.periods.selected = 1;
  host.periodsOnDisk = {List()[0]};
  EXPECT_FALSE(edit.DeletePeriod());
  EXPECT_EQ(fake.dialogs.shown.size(), 1u);  // the changed-by-another text, no question
  EXPECT_EQ(shared.log.back(), "Release CaFromTo.lock");
}

TEST_F(PeriodEditTest, NetworkDeleteSavesWhateverTheAnswer) {
  GoNetwork();
  host.periods.selected = 1;
  EXPECT_FALSE(edit.DeletePeriod());
  EXPECT_EQ(host.log, (Lines{"RereadPeriods", "NotePeriodEdit", "SavePeriods"}));
}

TEST_F(PeriodEditTest, MaintenanceStopsEveryNetworkPeriodEdit) {
  GoNetwork();
  shared.maintenance = true;
  host.periods.selected = 1;
  edit.EditPeriod(1);
  edit.NewPeriod(Marks(5, 1, 6, 3));
  edit.DeletePeriod();
  EXPECT_EQ(editor.shown, 0);
  EXPECT_TRUE(fake.dialogs.shown.empty());
  EXPECT_EQ(shared.log, (Lines(3, "ServiceLockPresent")));
}

TEST_F(PeriodEditTest, ALockTakenOverAfterTheRereadIsNotReleased) {
  GoNetwork();
  shared.acquireAnswers = {true, false};
  EXPECT_FALSE(edit.NewPeriod(Marks(5, 1, 6, 3)));
  EXPECT_EQ(editor.shown, 0);
  EXPECT_EQ(shared.log.back(), "Refused CaFromTo.lock");
}

TEST_F(PeriodEditTest, AVanishedFolderStopsWithoutARelease) {
  GoNetwork();
  host.periodFolderGone = true;
  EXPECT_FALSE(edit.EditPeriod(1));
  EXPECT_EQ(shared.log.back(), "Acquire CaFromTo.lock");
}

}  // namespace
}  // namespace shell
