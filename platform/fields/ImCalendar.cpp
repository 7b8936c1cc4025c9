#include "platform/fields/ImCalendar.h"

#include <QLocale>
#include <algorithm>

#include "platform/text/Era.h"

ImCalendar::ImCalendar(QWidget* parent) : QCalendarWidget(parent) {
    setLocale(QLocale(QLocale::Japanese, QLocale::Japan));
    setFirstDayOfWeek(Qt::Sunday);
    setGridVisible(true);
    setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);
    setHorizontalHeaderFormat(QCalendarWidget::ShortDayNames);
    const int last = era::eraCount() - 1;
    setDateRange(era::eraFirstDay(0), QDate(era::eraFirstDay(last).year() + 98, 12, 31));
}

ImCalendar::~ImCalendar() = default;

void ImCalendar::setValue(const QDate& date) {
    setSelectedDate(std::clamp(date, minimumDate(), maximumDate()));
    setCurrentPage(selectedDate().year(), selectedDate().month());
}
