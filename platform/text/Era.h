// Japanese era dates: the one era table, era formats ("gggee年mm月dd日", "ggee/mm/dd", ...) and date parsing.
#pragma once
#include <QChar>
#include <QDate>
#include <QString>

namespace era {

// Number of eras in the table (明治, 大正, 昭和, 平成, 令和).
int eraCount();
// First day of the era (invalid outside 0..eraCount()-1).
QDate eraFirstDay(int index);
// 明治, 大正, 昭和, 平成, 令和; "" outside the table.
QString eraName(int index);
// 明, 大, 昭, 平, 令; "" outside the table.
QString eraKanji(int index);
// M, T, S, H, R; "" outside the table.
QString eraLetter(int index);
// Era of a letter (either case); -1 for any other character.
int eraOfLetter(QChar c);

// Era index of the date: the last era whose first day is on or before it; -1 before 1868-09-08
// or for an invalid date.
int eraIndex(const QDate& date);
// Year within the era (1 in the era's first year); before 明治 the year counts as in 明治.
int eraYear(const QDate& date);
// The Gregorian date of an era date; invalid when it is not a real date of that era.
QDate fromEra(int index, int year, int month, int day);

// Formats a date with era tokens: g the letter ("H"), gg one kanji ("平"), ggg the full name ("平成"),
// e the era year, ee the era year in at least two digits (year 1 is "01"); yyyy, yy, mm, m, dd, d as usual
// (letters in either case). Every other character is literal.
QString format(const QDate& date, const QString& pattern);
// "平成15年04月01日": full era name, two-digit era year, month and day.
QString warekiText(const QDate& date);

// Parses a date text: "yyyy/mm/dd", "yyyy/m/d", "yyyy年m月d日" and era texts such as "平成15年04月01日",
// "平成 15年04月01日", "平15年04月01日", "H15/04/01", "R01/05/01" (leading and trailing blanks allowed).
// Invalid when the text is not a real date.
QDate parseDate(const QString& text);

} // namespace era
