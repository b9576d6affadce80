#include "calendar/jdoldcal_bytes.h"
#include "calendar/old_calendar.h"

namespace calendar {

std::string_view JdOldCalText() { return EmbeddedJdOldCalText(); }

}  // namespace calendar
