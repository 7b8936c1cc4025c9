// The runtime's date conversion of a text, its "is a date or time" test and Format(..., "hh:mm"),
// shared by the time entry control and the screens that check the times it gives.
#pragma once
#include <QDateTime>
#include <QString>
#include <optional>

namespace quorvin {

// The date and time a text stands for, read as the runtime's date conversion reads it:
//   a time "h:m" or "h:m:s" (hours 0-23; 0-12 with "AM"/"PM" after it or "午前"/"午後" before or after it),
//   a date "y/m/d" or "y-m-d" (a year of four digits, or of one or two taken as 1930-2029),
//   "m/d" (this year) or "yyyy/m" (the first of the month),
//   or a date, blanks and a time.
// A date alone is midnight; a time alone lies on 1899/12/30, the runtime's day zero. Blanks (U+0020,
// U+3000) around and between the parts are ignored. Anything else (a lone number, "25:00", "abc") gives
// nothing.
std::optional<QDateTime> vbCDate(const QString& text);

// True when vbCDate reads the text.
bool vbIsDate(const QString& text);

// Format(text, "hh:mm"): the clock time of a text vbCDate reads ("9:5" gives "09:05", a date alone
// "00:00"); a text it cannot read comes back unchanged, as the runtime's Format gives it.
QString vbFormatClock(const QString& text);

} // namespace quorvin
