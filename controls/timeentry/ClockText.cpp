#include "controls/timeentry/ClockText.h"

#include <QStringList>

#include "platform/text/Text.h"

namespace quorvin {
namespace {

enum class Meridiem { None, Am, Pm };

bool isBlank(QChar c) {
    return c == u' ' || c == QChar(0x3000);
}

// A field of one to maxDigits ASCII digits.
std::optional<int> number(const QString& s, int maxDigits) {
    if (s.isEmpty() || s.size() > maxDigits)
        return std::nullopt;
    int v = 0;
    for (QChar c : s) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        v = v * 10 + (c.unicode() - u'0');
    }
    return v;
}

// Takes a morning/afternoon marker off either end of the text.
Meridiem takeMeridiem(QString& s) {
    struct Marker {
        QString text;
        Meridiem kind;
        bool front;
    };
    static const Marker markers[] = {
        {QStringLiteral("午前"), Meridiem::Am, true},  {QStringLiteral("午後"), Meridiem::Pm, true},
        {QStringLiteral("午前"), Meridiem::Am, false}, {QStringLiteral("午後"), Meridiem::Pm, false},
        {QStringLiteral("AM"), Meridiem::Am, false},   {QStringLiteral("PM"), Meridiem::Pm, false},
    };
    for (const Marker& m : markers) {
        const bool hit =
            m.front ? s.startsWith(m.text, Qt::CaseInsensitive) : s.endsWith(m.text, Qt::CaseInsensitive);
        if (hit) {
            s = m.front ? s.mid(m.text.size()) : s.left(s.size() - m.text.size());
            s = text::vbTrim(s);
            return m.kind;
        }
    }
    return Meridiem::None;
}

std::optional<QTime> readTime(const QString& s, Meridiem meridiem) {
    const QStringList f = s.split(u':');
    if (f.size() < 2 || f.size() > 3)
        return std::nullopt;
    const auto h = number(f[0], 2);
    const auto m = number(f[1], 2);
    const auto sec = f.size() == 3 ? number(f[2], 2) : std::optional<int>(0);
    if (!h || !m || !sec || *m > 59 || *sec > 59)
        return std::nullopt;
    int hour = *h;
    if (meridiem == Meridiem::None) {
        if (hour > 23)
            return std::nullopt;
    } else {
        if (hour > 12)
            return std::nullopt;
        if (hour == 12)
            hour = 0;
        if (meridiem == Meridiem::Pm)
            hour += 12;
    }
    return QTime(hour, *m, *sec);
}

int windowedYear(const QString& field, int value) {
    if (field.size() > 2)
        return value;
    return value < 30 ? 2000 + value : 1900 + value;
}

std::optional<QDate> readDate(const QString& s) {
    const QChar sep = s.contains(u'/') ? u'/' : u'-';
    const QStringList f = s.split(sep);
    QDate d;
    if (f.size() == 3) {
        const auto y = number(f[0], 4);
        const auto m = number(f[1], 2);
        const auto day = number(f[2], 2);
        if (!y || !m || !day || f[0].size() == 3)
            return std::nullopt;
        d = QDate(windowedYear(f[0], *y), *m, *day);
    } else if (f.size() == 2) {
        const auto a = number(f[0], 4);
        const auto b = number(f[1], 2);
        if (!a || !b)
            return std::nullopt;
        if (f[0].size() == 4)
            d = QDate(*a, *b, 1); // year and month
        else
            d = QDate(QDate::currentDate().year(), *a, *b); // month and day of this year
    }
    if (!d.isValid())
        return std::nullopt;
    return d;
}

} // namespace

std::optional<QDateTime> vbCDate(const QString& value) {
    QString s = text::vbTrim(value);
    if (s.isEmpty())
        return std::nullopt;
    const Meridiem meridiem = takeMeridiem(s);

    // One date part and one time part at most, parted by blanks.
    QStringList parts;
    QString cur;
    for (QChar c : s) {
        if (isBlank(c)) {
            if (!cur.isEmpty())
                parts << cur;
            cur.clear();
        } else {
            cur += c;
        }
    }
    if (!cur.isEmpty())
        parts << cur;

    QString datePart;
    QString timePart;
    if (parts.size() == 2) {
        datePart = parts[0];
        timePart = parts[1];
    } else if (parts.size() == 1) {
        (parts[0].contains(u':') ? timePart : datePart) = parts[0];
    } else {
        return std::nullopt;
    }
    if (meridiem != Meridiem::None && timePart.isEmpty())
        return std::nullopt;

    QDate date(1899, 12, 30);
    if (!datePart.isEmpty()) {
        if (!datePart.contains(u'/') && !datePart.contains(u'-'))
            return std::nullopt;
        const auto d = readDate(datePart);
        if (!d)
            return std::nullopt;
        date = *d;
    }
    QTime time(0, 0);
    if (!timePart.isEmpty()) {
        const auto t = readTime(timePart, meridiem);
        if (!t)
            return std::nullopt;
        time = *t;
    }
    return QDateTime(date, time);
}

bool vbIsDate(const QString& value) {
    return vbCDate(value).has_value();
}

QString vbFormatClock(const QString& value) {
    const auto dt = vbCDate(value);
    if (!dt)
        return value;
    return QString::asprintf("%02d:%02d", dt->time().hour(), dt->time().minute());
}

} // namespace quorvin
