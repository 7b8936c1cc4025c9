#include "app/entry/EntryClock.h"

namespace entryclock {
namespace {

std::function<QDateTime()>& source() {
    static std::function<QDateTime()> s;
    return s;
}

} // namespace

QDateTime now() {
    return source() ? source()() : QDateTime::currentDateTime();
}

double timer() {
    return now().time().msecsSinceStartOfDay() / 1000.0;
}

void setNowSource(std::function<QDateTime()> s) {
    source() = std::move(s);
}

} // namespace entryclock
