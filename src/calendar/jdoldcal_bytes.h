#pragma once
// The lunisolar month table as compiled into the library from its data
// file (jdoldcal.dat), for builds that have no resource to read it from.
#include <string_view>

namespace calendar {

std::string_view EmbeddedJdOldCalText();

}  // namespace calendar
