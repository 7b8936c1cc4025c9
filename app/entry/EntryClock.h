// The clock of the instruction entry: the date and time now and the system timer, which tests can set.
#pragma once
#include <QDateTime>
#include <functional>

namespace entryclock {

// The date and time now.
QDateTime now();
// Seconds since midnight of now(), with their fraction (the runtime's Timer).
double timer();
// Where now() comes from; an empty source puts the system clock back.
void setNowSource(std::function<QDateTime()> source);

} // namespace entryclock
