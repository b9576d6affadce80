#include <charconv>
#include <limits>

#include "velcal.h"

namespace velcal {
namespace {

std::optional<std::int32_t> IntOf(std::string_view text) {
  std::int32_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

std::int32_t YearOf(const std::string& text) {
  const std::optional<std::int32_t> year = IntOf(text);
  if (!year) throw UsageError("not a year: " + text);
  return *year;
}

int MonthOf(const std::string& text) {
  const std::optional<std::int32_t> month = IntOf(text);
  if (!month || *month < 1 || *month > 12) throw UsageError("not a month (1-12): " + text);
  return *month;
}

// YYYY-MM-DD; the year may carry a minus sign.
calendar::Date DateOf(const std::string& text) {
  const std::size_t monthDash = text.find('-', 1);
  const std::size_t dayDash = monthDash == std::string::npos ? monthDash : text.find('-', monthDash + 1);
  if (dayDash == std::string::npos) throw UsageError("not a date (YYYY-MM-DD): " + text);
  const auto year = IntOf(std::string_view(text).substr(0, monthDash));
  const auto month = IntOf(std::string_view(text).substr(monthDash + 1, dayDash - monthDash - 1));
  const auto day = IntOf(std::string_view(text).substr(dayDash + 1));
  // IsValidDate throws EJuliusError for the ten days of the reform.
  if (!year || !month || !day || !calendar::IsValidDate(*year, *month, *day))
    throw UsageError("not a date (YYYY-MM-DD): " + text);
  return {*year, *month, *day};
}

const std::string& ValueAfter(const std::vector<std::string>& args, std::size_t& i) {
  if (i + 1 >= args.size()) throw UsageError(args[i] + " needs a value");
  return args[++i];
}

bool TakeSwitch(const std::string& arg, Options& options) {
  if (arg == "--no-equinox") return options.equinox = false, true;
  if (arg == "--no-furikae") return options.furikae = false, true;
  if (arg == "--monday") return options.mondayFirst = true, true;
  if (arg == "--help" || arg == "-h") return options.help = true, true;
  return false;
}

// A year is shown when all its days convert there and back, up to the
// first day of the next year.
void CheckYear(std::int32_t year) {
  const bool valid = year < std::numeric_limits<std::int32_t>::max() &&
                     calendar::IsValidDate(year, 1, 1) && calendar::IsValidDate(year + 1, 1, 1);
  if (!valid) throw UsageError("year out of range: " + std::to_string(year));
}

void TakePositionals(const std::vector<std::string>& positionals, Options& options) {
  if (positionals.size() > 2) throw UsageError("too many arguments: " + positionals[2]);
  if (positionals.size() >= 1) options.year = YearOf(positionals[0]);
  if (positionals.size() == 2) options.month = MonthOf(positionals[1]);
  if (options.year) CheckYear(*options.year);
}

}  // namespace

Options ParseArguments(const std::vector<std::string>& args) {
  Options options;
  std::vector<std::string> positionals;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (TakeSwitch(arg, options)) continue;
    if (arg == "--holidays") {
      options.holidaysFile = ValueAfter(args, i);
    } else if (arg == "--special") {
      options.specialFile = ValueAfter(args, i);
    } else if (arg == "--days") {
      options.from = DateOf(ValueAfter(args, i));
      options.to = DateOf(ValueAfter(args, i));
    } else if (arg.size() > 1 && arg[0] == '-' && !IntOf(arg)) {
      throw UsageError("unknown option: " + arg);
    } else {
      positionals.push_back(arg);
    }
  }
  if (options.from && !positionals.empty()) throw UsageError("--days takes no YEAR or MONTH");
  if (options.from && calendar::DateToJulius(options.from->year, options.from->month, options.from->day) >
                          calendar::DateToJulius(options.to->year, options.to->month, options.to->day))
    throw UsageError("--days: FROM is after TO");
  TakePositionals(positionals, options);
  return options;
}

}  // namespace velcal
