// The program's only path to its database: connect, run SQL, transactions, close.
// Every operation reports its own failure (message 000/80x and log lines) and returns false.
#pragma once
#include <QString>
#include <memory>

#include "platform/ado/Ado.h"

namespace MdlCommADODB {

// Opens a new connection on the clinic database (program folder & mdb_name, the database key).
bool PFuBolDBConnect(std::unique_ptr<ado::Connection>& con);
// mode 0: rs := static read-only recordset, rowCount := its rows.
// mode 1: SELECT -> rowCount := rows, rs emptied; other statements -> rowCount := rows affected.
// other modes: nothing.
bool PFuBolExecuteSql(const QString& sql, ado::Connection& con, long& rowCount, int mode,
                      std::unique_ptr<ado::Recordset>& rs);
bool PFuBolDbBeginTrans(ado::Connection& con);
bool PFuBolDbCommitTrans(ado::Connection& con);
bool PFuBolDbRollback(ado::Connection& con);
bool PFuDbRsClose(ado::Recordset& rs);
bool PFuDbConClose(ado::Connection& con);
// Closes whatever of the two is still open, ignoring every error, and lets both go: the error
// exit of a read, where the failure has been reported already.
void PSuDbCloseQuietly(std::unique_ptr<ado::Recordset>& rs, std::unique_ptr<ado::Connection>& con);

// The connection text as the program forms it (ConString;Data Source=...;...Password=...).
// Kept for the record only: it is never logged or shown.
QString connectionText();

} // namespace MdlCommADODB
