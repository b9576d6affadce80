#pragma once
// The calendar engine: day numbers, holiday and special-day rules, the
// lunisolar table and rokuyo.
#include "calendar/comma_text.h"
#include "calendar/day_classifier.h"
#include "calendar/day_rules.h"
#include "calendar/julius.h"
#include "calendar/old_calendar.h"
