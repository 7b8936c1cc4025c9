#include "platform/fields/EraDateMask.h"

#include <algorithm>

#include "platform/text/Era.h"

namespace fields {

namespace {

// Caret positions that hold an editable character, in order (0 stands for the whole era).
constexpr std::array<int, 7> kEditable{0, 3, 4, 6, 7, 9, 10};
constexpr int kEnd = EraDateMask::kLength - 1; // before the closing "日": after the last digit

bool isDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= QChar(0xFF10) && c <= QChar(0xFF19));
}

QChar halfWidthDigit(QChar c) {
    return c.unicode() >= 0xFF10 ? QChar(char16_t(c.unicode() - 0xFF10 + u'0')) : c;
}

} // namespace

int EraDateMask::digitIndex(int pos) {
    switch (pos) {
    case 3:
    case 4:
        return pos - 3;
    case 6:
    case 7:
        return pos - 4;
    case 9:
    case 10:
        return pos - 5;
    default:
        return -1;
    }
}

int EraDateMask::digitPosition(int index) {
    return index + 3 + index / 2;
}

void EraDateMask::clear() {
    era_ = -1;
    digits_.fill(QChar());
}

void EraDateMask::setDate(const QDate& date) {
    clear();
    const int k = era::eraIndex(date);
    if (k < 0 || era::eraYear(date) > 99)
        return;
    const QString digits = era::format(date, QStringLiteral("eemmdd"));
    era_ = k;
    for (int i = 0; i < 6; ++i)
        digits_[i] = digits[i];
}

QDate EraDateMask::date() const {
    if (era_ < 0)
        return {};
    int values[3] = {0, 0, 0};
    for (int i = 0; i < 6; ++i) {
        if (digits_[i].isNull())
            return {};
        values[i / 2] = values[i / 2] * 10 + (digits_[i].unicode() - u'0');
    }
    return era::fromEra(era_, values[0], values[1], values[2]);
}

bool EraDateMask::isEmpty() const {
    if (era_ >= 0)
        return false;
    for (QChar c : digits_)
        if (!c.isNull())
            return false;
    return true;
}

QString EraDateMask::text() const {
    QString out = era_ >= 0 ? era::eraName(era_) : QStringLiteral("＿＿");
    out += u' ';
    static const char16_t literals[3] = {u'年', u'月', u'日'};
    for (int i = 0; i < 6; ++i) {
        out += digits_[i].isNull() ? QChar(u'_') : digits_[i];
        if (i % 2 == 1)
            out += QChar(literals[i / 2]);
    }
    return out;
}

bool EraDateMask::isEditable(int pos) {
    return pos == 0 || pos == 1 || digitIndex(pos) >= 0;
}

int EraDateMask::nextEditable(int pos) {
    if (pos <= 1)
        return 0;
    for (int p : kEditable)
        if (p >= pos)
            return p;
    return kEnd;
}

int EraDateMask::previousEditable(int pos) {
    int found = 0;
    for (int p : kEditable)
        if (p < pos)
            found = p;
    return found;
}

int EraDateMask::type(int pos, QChar c) {
    if (pos <= 1 && c.unicode() < 128 && era::eraOfLetter(c) >= 0) {
        era_ = era::eraOfLetter(c);
        return 3;
    }
    if (!isDigit(c))
        return -1;
    int p = nextEditable(pos);
    if (p == 0)
        p = 3;
    const int i = digitIndex(p);
    if (i < 0)
        return -1;
    digits_[i] = halfWidthDigit(c);
    return nextEditable(p + 1);
}

int EraDateMask::eraseAt(int pos) {
    const int p = nextEditable(pos);
    if (p == 0)
        era_ = -1;
    else if (digitIndex(p) >= 0)
        digits_[digitIndex(p)] = QChar();
    return p;
}

int EraDateMask::eraseBefore(int pos) {
    if (pos <= 0)
        return 0;
    const int p = previousEditable(pos);
    eraseAt(p);
    return p;
}

void EraDateMask::eraseRange(int from, int to) {
    for (int p = std::max(from, 0); p < std::min(to, kLength); ++p) {
        if (p <= 1)
            era_ = -1;
        else if (digitIndex(p) >= 0)
            digits_[digitIndex(p)] = QChar();
    }
}

bool EraDateMask::spin(int pos, int step, const QDate& today) {
    QDate d = date();
    if (!d.isValid()) {
        setDate(today);
        return !isEmpty();
    }
    if (pos <= 1) {
        const int k = era_ + step;
        if (k < 0 || k >= era::eraCount())
            return false;
        d = era::eraFirstDay(k);
    } else if (pos <= 4) {
        d = d.addYears(step);
    } else if (pos <= 7) {
        d = d.addMonths(step);
    } else {
        d = d.addDays(step);
    }
    if (era::eraIndex(d) < 0 || era::eraYear(d) > 99)
        return false;
    setDate(d);
    return true;
}

} // namespace fields
