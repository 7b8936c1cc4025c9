// The texts the instruction entry screen builds: the duration question's added text and the history
// panel's date and times.
#pragma once
#include <QDateTime>
#include <QString>

namespace entrytexts {

// The runtime's Str of a whole number: a blank before a number that is not negative (" 9", "-3").
QString vbStr(long long value);

// The question on an entered end time: " 9時 5分まで 5分間でよろしいですか？" for the end "09:05" and 5
// minutes (hour and minute as the runtime's Val of characters 1-2 and 4-5 of the end text).
QString durationQuestion(const QString& end, long minutes);
// The question proposing the time now as the end: " 10時 31分まで 31分間でよろしいですか？".
QString proposalQuestion(const QDateTime& now, long minutes);

// "令06年04月01日" (one-letter era) of a date text; a text that is no date comes back as it is.
QString historyDate(const QString& entry);
// "10時00分～10時30分" of two clock times; an empty time stays empty, one that is no time stays as it is.
QString historyTimes(const QString& start, const QString& end);

} // namespace entrytexts
