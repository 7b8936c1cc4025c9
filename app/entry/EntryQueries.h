// The database reads of the instruction entry screen: the cleaning items it lists and the count of
// overlapping visits, their SQL texts, and the one way such a read runs and reports its failure.
#pragma once
#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace ado {
class Recordset;
}

namespace entryqueries {

// The cleaning implements of the master, by code.
QString cleaningMasterSql();
// The cleaning items a stored visit keeps, by select_no.
QString storedCleaningSql(const QString& personalId, const QString& entry, int entryNo);
// Every row of a cleaning query as (first column, second column); Null reads as "".
std::vector<std::pair<QString, QString>> readCleaningRows(ado::Recordset& rs);

// Instruction visits of other patients by the same staff member on the same day whose times overlap
// start-end (both "hh:mm"): a start or an end strictly inside a stored visit, or the very same times.
QString overlapCountSql(const QString& personalId, const QString& staffClassCode, const QString& staffCode,
                        const QString& date, const QString& start, const QString& end);

// What the log keeps of a failing query: its words alone, or its words and then the query.
enum class QueryLog { Plain, WithQuery };

// Runs one read on a connection of its own and hands the open recordset to read. No connection: the
// log line "コネクション確立に失敗" under proc. A failing query: the log line "ＳＱＬの実行に失敗" under
// proc (and the query after it, as asked), then message 032/<failureMessage>. An error while reading:
// a log line with its description and the same message with a line break and the description. False
// after any failure.
bool runRead(const QString& proc, const QString& sql, const QString& failureMessage,
             const std::function<void(ado::Recordset&)>& read, QueryLog log = QueryLog::WithQuery);

} // namespace entryqueries
