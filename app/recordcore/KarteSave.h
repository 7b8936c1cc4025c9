// Saving the record book: every unsaved change of the open patient in one transaction on a
// connection of its own; new lines inserted with their detail rows, stored lines only relinked or
// marked deleted, then the patient's head row.
#pragma once
#include <QString>

namespace ado {
class Connection;
}

namespace MdlKarteMain {

// True when some line of the chain has unsaved changes. No trap of its own (a broken chain throws).
bool FuBolKarteChanged();
// The whole save; true when everything was committed. On failure nothing is written, the edits
// stay in memory unsaved and the save can be tried again. A book that another workstation has
// saved since it was loaded is not written (011/830).
bool PFuBolKarteUpdate();

// The steps of the save, each on the save's connection and inside its transaction.
bool FuBolKarteUpdate(ado::Connection& con);
bool FuBolKarteRecordUpd(ado::Connection& con, long rec);
bool FuBolSyusoInsert(ado::Connection& con, long rec, long detailIndex);
bool FuBolSisyuKensaInsert(ado::Connection& con, long rec, long detailIndex);
bool FuBolJittisidouInsert(ado::Connection& con, long rec, long detailIndex);
// MAX(entry_no) + 1 of the table for the patient and date, 1 when there is none.
bool FuBolGetEntryNo(ado::Connection& con, const QString& table, const QString& entry, long& entryNo);

// The quoted SQL literal of a text: every single quote doubled.
QString sqlText(const QString& value);

} // namespace MdlKarteMain
