#include "velcal.h"

#include <ostream>

#include "platform/list_files.h"

namespace velcal {
namespace {

constexpr const char* kUsage =
    "usage: velcal [options] [YEAR [MONTH]]\n"
    "       velcal [options] --days FROM TO      (dates as YYYY-MM-DD)\n"
    "options:\n"
    "  --holidays FILE   holiday rules (default: Hday.dat beside velcal)\n"
    "  --special FILE    special-day rules\n"
    "  --no-equinox      no computed equinox days\n"
    "  --no-furikae      no computed substitute holidays\n"
    "  --monday          weeks start on Monday\n";

// Rule lines of a Shift-JIS file; nullopt when it cannot be read.
std::optional<std::vector<std::string>> ReadRuleFile(platform::FileSystem& fs,
                                                     const std::string& path) {
  const std::optional<std::string> bytes = fs.ReadAll(path);
  if (!bytes) return std::nullopt;
  return platform::ParseListText(*bytes);
}

void WarnParseStop(const std::optional<calendar::RuleParseError>& error, const std::string& path,
                   std::ostream& err) {
  if (!error) return;
  err << "velcal: " << path << " line " << error->line + 1 << ": \"" << error->field
      << "\" is not a number; the lines from there on are not used\n";
}

std::vector<std::string> RulesFrom(const std::optional<std::string>& given,
                                   const std::string& fallback, Environment& env) {
  const std::string path = given ? *given : fallback;
  if (path.empty()) return {};
  if (auto lines = ReadRuleFile(env.fs, path)) return *lines;
  if (given) throw UsageError("cannot read " + path);
  env.err << "velcal: no " << path << "; only the computed holidays are shown\n";
  return {};
}

void SetUp(calendar::DayClassifier& days, const Options& options, Environment& env) {
  const std::string defaultHolidays = env.programFolder + "Hday.dat";
  days.BeginUpdate();
  days.SetHolidayList(RulesFrom(options.holidaysFile, defaultHolidays, env));
  days.SetSpecialDayList(RulesFrom(options.specialFile, "", env));
  days.SetAutoEquinox(options.equinox);
  days.SetAutoFurikae(options.furikae);
  days.EndUpdate();
  WarnParseStop(days.HolidayError(), options.holidaysFile.value_or(defaultHolidays), env.err);
  WarnParseStop(days.SpecialDayError(), options.specialFile.value_or(""), env.err);
}

calendar::DayNumber DayOf(const calendar::Date& date) {
  return calendar::DateToJulius(date.year, date.month, date.day);
}

void Show(const Options& options, const calendar::DayClassifier& days, Environment& env) {
  if (options.from) {
    PrintDays(days, DayOf(*options.from), DayOf(*options.to), env.out);
  } else if (options.year && !options.month) {
    PrintYear(days, *options.year, options.mondayFirst, env.out);
  } else {
    PrintMonth(days, options.year.value_or(env.today.year), options.month.value_or(env.today.month),
               options.mondayFirst, env.out);
  }
}

}  // namespace

int Run(const std::vector<std::string>& args, Environment& env) {
  try {
    const Options options = ParseArguments(args);
    if (options.help) {
      env.out << kUsage;
      return kExitOk;
    }
    calendar::DayClassifier days;
    SetUp(days, options, env);
    Show(options, days, env);
    return kExitOk;
  } catch (const std::exception& e) {  // UsageError, EJuliusError, EJuliusRangeError
    env.err << "velcal: " << e.what() << "\n";
    return kExitBadArgument;
  }
}

}  // namespace velcal
