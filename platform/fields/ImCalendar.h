// The month calendar: one date, read and written through Value, over the era table's range.
#pragma once
#include <QCalendarWidget>
#include <QDate>

// A month calendar in Japanese, weeks starting on Sunday, limited to the dates the era date field can
// hold (明治 1 to 令和 99), so that every date chosen here can be written into one.
class ImCalendar : public QCalendarWidget {
    Q_OBJECT
    Q_PROPERTY(QDate Value READ Value WRITE setValue USER true)
public:
    explicit ImCalendar(QWidget* parent = nullptr);
    ~ImCalendar() override;

    QDate Value() const { return selectedDate(); }
    // Selects the date and shows its month; a date outside the range selects the nearest end.
    void setValue(const QDate& date);
};
