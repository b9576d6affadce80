#pragma once
// velcal: calendars, day kinds, names and rokuyo from the command line, on
// the program's own calendar engine.
//
//   velcal [YEAR [MONTH]]        a month (today's by default) or a year
//   velcal --days FROM TO        one line per date, tab-separated:
//                                date, weekday 1..7, kind flags, names, rokuyo
//
// Options: --holidays FILE, --special FILE, --no-equinox, --no-furikae,
// --monday. Output is UTF-8; a bad argument ends with one line on stderr
// and exit status 2.
#include <cstdint>
#include <iosfwd>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "calendar/calendar.h"
#include "platform/datetime.h"
#include "platform/filesystem.h"

namespace velcal {

inline constexpr int kExitOk = 0;
inline constexpr int kExitBadArgument = 2;

// A bad argument; the message is shown as it stands.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct Options {
  std::optional<std::int32_t> year;
  std::optional<int> month;
  std::optional<calendar::Date> from, to;  // --days
  std::optional<std::string> holidaysFile;
  std::optional<std::string> specialFile;
  bool equinox = true;
  bool furikae = true;
  bool mondayFirst = false;
  bool help = false;
};

// Throws UsageError, or EJuliusError for a date in the reform gap.
Options ParseArguments(const std::vector<std::string>& args);

// What the program needs from outside.
struct Environment {
  platform::FileSystem& fs;
  std::string programFolder;  // with separator
  platform::DateTime today;
  std::ostream& out;
  std::ostream& err;
};

int Run(const std::vector<std::string>& args, Environment& env);

// The printed forms, for a classifier set up by Run.
void PrintMonth(const calendar::DayClassifier& days, std::int32_t year, int month,
                bool mondayFirst, std::ostream& out);
void PrintYear(const calendar::DayClassifier& days, std::int32_t year, bool mondayFirst,
               std::ostream& out);
void PrintDays(const calendar::DayClassifier& days, calendar::DayNumber from,
               calendar::DayNumber to, std::ostream& out);

}  // namespace velcal
