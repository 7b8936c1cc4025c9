#include "app/entry/EntryTexts.h"

#include "controls/timeentry/ClockText.h"
#include "platform/text/Era.h"
#include "platform/text/Text.h"

namespace entrytexts {
namespace {

const QString kUntil = QStringLiteral("分まで");
const QString kQuestion = QStringLiteral("分間でよろしいですか？");

// Format(text, pattern) of a date or time text: a text the runtime cannot read as one is given back.
QString clockPart(const QString& time) {
    const auto at = quorvin::vbCDate(time);
    return at ? text::vbFormatDateTime(*at, QStringLiteral("hh時nn分")) : time;
}

} // namespace

QString vbStr(long long value) {
    return value < 0 ? QString::number(value) : u' ' + QString::number(value);
}

QString durationQuestion(const QString& end, long minutes) {
    const auto hour = static_cast<long long>(text::vbVal(text::vbMid(end, 1, 2)));
    const auto minute = static_cast<long long>(text::vbVal(text::vbMid(end, 4, 2)));
    return vbStr(hour) + u'時' + vbStr(minute) + kUntil + vbStr(minutes) + kQuestion;
}

QString proposalQuestion(const QDateTime& now, long minutes) {
    return u' ' + text::vbFormatDateTime(now, QStringLiteral("h")) + QStringLiteral("時 ") +
           text::vbFormatDateTime(now, QStringLiteral("n")) + kUntil + vbStr(minutes) + kQuestion;
}

QString historyDate(const QString& entry) {
    const auto at = quorvin::vbCDate(entry);
    return at ? era::format(at->date(), QStringLiteral("ggee年mm月dd日")) : entry;
}

QString historyTimes(const QString& start, const QString& end) {
    return clockPart(start) + QStringLiteral("～") + clockPart(end);
}

} // namespace entrytexts
