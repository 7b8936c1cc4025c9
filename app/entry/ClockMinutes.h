// The minutes between two clock times as the entry screens count them (the runtime's DateDiff "n").
#pragma once
#include <QString>
#include <optional>

namespace clockminutes {

// Whole minutes from start to end (negative when end lies before start), counting the minute
// boundaries passed; nothing when either text is not a date or time.
std::optional<long> minutesBetween(const QString& start, const QString& end);

// The minutes a screen shows between its two time controls' texts: nothing while either is blank or
// cannot be read.
std::optional<long> shownMinutes(const QString& start, const QString& end);

} // namespace clockminutes
