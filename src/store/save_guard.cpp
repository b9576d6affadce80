#include "store/save_guard.h"

#include "platform/dialog_helpers.h"

namespace store {
namespace {

std::string YearMonth(const MonthSlot& slot) {
  return std::to_string(slot.year) + "年" + std::to_string(slot.month) + "月";
}

void TellNotSaved(const StoreEnv& env, const MonthSlot& slot) {
  platform::Inform(env.os.dialogs, YearMonth(slot) + "予定は保存しません。");
}

// Writes the month and counts the change up in network mode; the codes
// name the two failures.
SaveOutcome WriteAndCount(const StoreEnv& env, const MonthSlot& slot, const NetworkLink& network,
                          const char* writeCode, const char* countCode) {
  const char* failed = nullptr;
  bool written = WriteMonth(env, slot);
  if (!written)
    failed = writeCode;
  else if (network.on && env.os.fs.IsFolder(env.folders.dataFolder) && !network.CountUpdate())
    failed = countCode;
  if (failed)
    platform::Inform(env.os.dialogs, YearMonth(slot) + "のデータを書き損ねたおそれがあります(" + failed +
                                         ")。\r\nチェック願います。");
  return written ? SaveOutcome::Written : SaveOutcome::Failed;
}

SaveOutcome SaveShrunkMonth(const StoreEnv& env, const MonthSlot& slot, const NetworkLink& network) {
  platform::Dialogs& d = env.os.dialogs;
  if (!platform::AskYesNo(d, YearMonth(slot) + "予定が立ち上げ時の半分以下、または０になっています。\r\n"
                                                "この月を保存してもいいですか。\r\n"
                                                "（※大量に予定を削除した月以外は、「いいえ」（保存しない）にしてください。）",
                          false) ||
      !platform::AskYesNo(d, "本当に予定を大量に削除しましたか？", false)) {
    TellNotSaved(env, slot);
    return SaveOutcome::Refused;
  }
  return WriteAndCount(env, slot, network, "fs01", "fs02");
}

SaveOutcome SaveEmptiedMonth(const StoreEnv& env, const MonthSlot& slot, const NetworkLink& network) {
  platform::Dialogs& d = env.os.dialogs;
  if (!platform::AskYesNo(d, YearMonth(slot) + "予定が全く有りませんが、\r\n"
                                                "この月を保存してもいいですか。\r\n"
                                                "（※予定を全削除した月以外は、「いいえ」（保存しない）にしてください。）",
                          false))
    return SaveOutcome::Refused;
  if (!platform::AskYesNo(d, "本当にこのまま " + YearMonth(slot) + "予定をない状態にしてもいいですか？", false)) {
    TellNotSaved(env, slot);
    return SaveOutcome::Refused;
  }
  return WriteAndCount(env, slot, network, "fs03", "fs04");
}

}  // namespace

SaveOutcome SaveMonth(const StoreEnv& env, const MonthSlot& slot, NetworkLink& network, ShrinkGuard shrink) {
  if (slot.unread) {
    platform::Inform(env.os.dialogs, YearMonth(slot) + "の予定データが読み込めていないため、\r\n"
                                                       "ファイルを守るためこの月は保存しません。");
    return SaveOutcome::Failed;
  }
  if (!network.TakeWriteTurn()) return SaveOutcome::Skipped;
  int n = static_cast<int>(slot.lines.size());
  if (shrink == ShrinkGuard::Confirmed && n < slot.loadCount) return WriteAndCount(env, slot, network, "fs05", "fs06");
  if (ShrankTooMuch(n, slot.loadCount)) return SaveShrunkMonth(env, slot, network);
  if (n != 1) return WriteAndCount(env, slot, network, "fs05", "fs06");
  // Only the header is left: an empty month never gets a file of its own.
  if (slot.loadCount > 1) return SaveEmptiedMonth(env, slot, network);
  return SaveOutcome::Skipped;
}

}  // namespace store
