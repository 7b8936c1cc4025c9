#include "platform/text/Era.h"

#include <array>

#include "platform/text/Text.h"

namespace era {

namespace {

struct EraRow {
    const char16_t* name;
    const char16_t* kanji;
    char16_t letter;
    int year, month, day; // first day
};

// The one era table of the program. A date belongs to the last era whose first day is on or before it.
constexpr std::array<EraRow, 5> kEras{{
    {u"明治", u"明", u'M', 1868, 9, 8},
    {u"大正", u"大", u'T', 1912, 7, 30},
    {u"昭和", u"昭", u'S', 1926, 12, 25},
    {u"平成", u"平", u'H', 1989, 1, 8},
    {u"令和", u"令", u'R', 2019, 5, 1},
}};

bool inTable(int index) {
    return index >= 0 && index < static_cast<int>(kEras.size());
}

QString twoDigits(int n) {
    return n < 0 ? QString::number(n) : QString::number(n).rightJustified(2, u'0');
}

bool isBlank(QChar c) {
    return c == u' ' || c == QChar(0x3000);
}
bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// A small cursor over the date text.
struct Cursor {
    const QString& s;
    qsizetype i = 0;

    bool atEnd() const { return i >= s.size(); }
    void skipBlanks() {
        while (!atEnd() && isBlank(s[i]))
            ++i;
    }
    bool take(QChar c) {
        if (!atEnd() && s[i] == c) {
            ++i;
            return true;
        }
        return false;
    }
    bool take(QStringView word) {
        if (QStringView(s).mid(i).startsWith(word)) {
            i += word.size();
            return true;
        }
        return false;
    }
    // 1..maxDigits ASCII digits; false (cursor unchanged) when there is none or too many.
    bool number(int maxDigits, int& out) {
        qsizetype j = i;
        int v = 0;
        while (j < s.size() && isAsciiDigit(s[j])) {
            if (j - i >= maxDigits)
                return false;
            v = v * 10 + (s[j].unicode() - u'0');
            ++j;
        }
        if (j == i)
            return false;
        i = j;
        out = v;
        return true;
    }
};

// Era prefix: full name, one kanji or letter. -1 when the text does not start with one.
int takeEra(Cursor& c) {
    for (int k = 0; k < static_cast<int>(kEras.size()); ++k)
        if (c.take(QStringView(kEras[k].name)))
            return k;
    for (int k = 0; k < static_cast<int>(kEras.size()); ++k)
        if (c.take(QStringView(kEras[k].kanji)))
            return k;
    if (!c.atEnd()) {
        const int k = eraOfLetter(c.s[c.i]);
        if (k >= 0) {
            ++c.i;
            return k;
        }
    }
    return -1;
}

// Month and day after the year: "m月d日" when the year ended in 年, else "m<sep>d".
bool takeMonthDay(Cursor& c, bool kanjiStyle, QChar sep, int& month, int& day) {
    c.skipBlanks();
    if (!c.number(2, month))
        return false;
    c.skipBlanks();
    if (kanjiStyle ? !c.take(QChar(u'月')) : !c.take(sep))
        return false;
    c.skipBlanks();
    if (!c.number(2, day))
        return false;
    if (kanjiStyle) {
        c.skipBlanks();
        if (!c.take(QChar(u'日')))
            return false;
    }
    return c.atEnd();
}

// The separator after the year: 年 (kanji style) or one of / - .
bool takeYearSeparator(Cursor& c, bool& kanjiStyle, QChar& sep) {
    c.skipBlanks();
    if (c.take(QChar(u'年'))) {
        kanjiStyle = true;
        return true;
    }
    if (!c.atEnd() && (c.s[c.i] == u'/' || c.s[c.i] == u'-' || c.s[c.i] == u'.')) {
        kanjiStyle = false;
        sep = c.s[c.i];
        ++c.i;
        return true;
    }
    return false;
}

} // namespace

int eraCount() {
    return static_cast<int>(kEras.size());
}

QDate eraFirstDay(int index) {
    if (!inTable(index))
        return {};
    return QDate(kEras[index].year, kEras[index].month, kEras[index].day);
}

QString eraName(int index) {
    return inTable(index) ? QString::fromUtf16(kEras[index].name) : QString();
}
QString eraKanji(int index) {
    return inTable(index) ? QString::fromUtf16(kEras[index].kanji) : QString();
}
QString eraLetter(int index) {
    return inTable(index) ? QString(QChar(kEras[index].letter)) : QString();
}

int eraOfLetter(QChar c) {
    const QChar up = c.unicode() < 128 ? c.toUpper() : c;
    for (int k = 0; k < static_cast<int>(kEras.size()); ++k)
        if (up == QChar(kEras[k].letter))
            return k;
    return -1;
}

int eraIndex(const QDate& date) {
    if (!date.isValid())
        return -1;
    for (int k = static_cast<int>(kEras.size()) - 1; k >= 0; --k)
        if (date >= eraFirstDay(k))
            return k;
    return -1;
}

int eraYear(const QDate& date) {
    const int k = eraIndex(date);
    return date.year() - (k < 0 ? kEras[0].year : kEras[k].year) + 1;
}

QDate fromEra(int index, int year, int month, int day) {
    if (!inTable(index) || year < 1)
        return {};
    const QDate d(kEras[index].year + year - 1, month, day);
    if (!d.isValid() || eraIndex(d) != index)
        return {};
    return d;
}

QString format(const QDate& date, const QString& pattern) {
    if (!date.isValid())
        return QString();
    QString out;
    out.reserve(pattern.size() + 8);
    const int k = eraIndex(date);
    qsizetype i = 0;
    while (i < pattern.size()) {
        const QChar c = pattern[i].toLower();
        if (c != u'g' && c != u'e' && c != u'y' && c != u'm' && c != u'd') {
            out += pattern[i++];
            continue;
        }
        qsizetype n = 0;
        while (i + n < pattern.size() && pattern[i + n].toLower() == c)
            ++n;
        i += n;
        if (c == u'g')
            out += n == 1 ? eraLetter(k) : n == 2 ? eraKanji(k) : eraName(k);
        else if (c == u'e')
            out += n == 1 ? QString::number(eraYear(date)) : twoDigits(eraYear(date));
        else if (c == u'y')
            out +=
                n >= 3 ? QString::number(date.year()).rightJustified(4, u'0') : twoDigits(date.year() % 100);
        else {
            const int v = c == u'm' ? date.month() : date.day();
            out += n >= 2 ? twoDigits(v) : QString::number(v);
        }
    }
    return out;
}

QString warekiText(const QDate& date) {
    return format(date, QStringLiteral("gggee年mm月dd日"));
}

QDate parseDate(const QString& text) {
    const QString s = text::vbTrim(text);
    Cursor c{s};
    int month = 0, day = 0;
    bool kanjiStyle = false;
    QChar sep;

    const int k = takeEra(c);
    if (k >= 0) {
        c.skipBlanks();
        int year = 0;
        if (c.take(QChar(u'元')))
            year = 1;
        else if (!c.number(3, year))
            return {};
        if (!takeYearSeparator(c, kanjiStyle, sep) || !takeMonthDay(c, kanjiStyle, sep, month, day))
            return {};
        return fromEra(k, year, month, day);
    }

    int year = 0;
    const qsizetype start = c.i;
    if (!c.number(4, year) || c.i - start != 4)
        return {};
    if (!takeYearSeparator(c, kanjiStyle, sep) || !takeMonthDay(c, kanjiStyle, sep, month, day))
        return {};
    const QDate d(year, month, day);
    return d.isValid() ? d : QDate();
}

} // namespace era
