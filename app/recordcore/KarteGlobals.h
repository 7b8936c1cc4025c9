// The record book's program-wide memory (one book open at a time), its erase, and the checked
// access to lines, detail elements and the chain that every record-book routine goes through.
#pragma once
#include <QString>
#include <functional>
#include <vector>

#include "app/recordcore/KarteData.h"

// ---- the book ---------------------------------------------------------------------------------------
// Indexed by rec_no; element 0 is never a line, gaps in the stored numbering are empty slots.
inline std::vector<KarteLine> gKarteLines(1);
// Detail lists; element 0 is a placeholder, a line's detail_index names its element.
inline std::vector<KarteAppealsData> gAppealsList(1);
inline std::vector<KarteSisyuKensaData> gSisyuKensaList(1);
inline std::vector<KarteJittisidouData> gJittisidouList(1);

inline int gIntKarteHead = 0;     // rec_no of the first line of the chain; 0 = empty book
inline long gLngStoredCount = 0;  // upper bound of gKarteLines at the last load or save
inline bool gBolKarteNew = false; // the patient has no m_karte row yet
inline QString gStrKarteEntTime;  // m_karte.ent_date_time ("" for a new book)
inline QString gStrKarteUpdTime;  // m_karte.upd_date_time

// ---- the shown month and the line being entered -------------------------------------------------------
inline QString gStrKarteMonth;     // yyyy/mm
inline long gLngMonthFirstRec = 0; // first line of the shown month; 0 = none
inline long gLngMonthNextRec = 0;  // first line after the shown month; 0 = the month runs to the end
inline long gLngCurRec = 0;        // the line being added or edited
inline long gLngPrevRec = 0;       // the neighbours a new line is linked between (0 = none)
inline long gLngNextRec = 0;
inline QString gStrKarteDateFrom; // bounds of the date of the line being entered (yyyy/mm/dd)
inline QString gStrKarteDateTo;
inline QString gStrParts33; // tooth-part code and part text of the visit being entered
inline QString gStrPartsText;

// Page margins of the printed record book (twips), read from the settings file before each print.
inline float gSngPrintMarginTop = 567;
inline float gSngPrintMarginBottom = 283.5;
inline float gSngPrintMarginLeft = 567;
inline float gSngPrintMarginRight = 567;

// The visit record handed to and from the instruction entry.
inline InstructEntryData gKarteInfo;

// The patient's head row as the database held it at the last load or successful save: a save
// refuses to write over a book that another workstation has saved since.
struct KarteStoredHead {
    bool exists = false;   // an m_karte row was there
    int rec_no = 0;        // its head line
    QString ent_date_time; // its stamps, Null as ""
    QString upd_date_time;
    long max_rec_no = 0; // the highest stored line number
};
inline KarteStoredHead gKarteStoredHead;

namespace MdlKarteMain {

// Empties the record book's memory: every list back to its placeholder, the visit record's mode
// and history cleared, no head, no stored line, a new book, no month, no current line. Traps its
// errors (011/900).
void PSuKarteWorkErase_End();
// Puts every value above back to its start-up state (the lists to their placeholder, texts empty,
// numbers 0, flags false): a book opened again in the same process (the tests do) starts from nothing.
void resetRecordBookGlobals();

// ---- checked access (VbError 9 for an index outside the list or a slot without a line) --------------
KarteLine& lineAt(long rec);
KarteAppealsData& appealsAt(long index);
KarteSisyuKensaData& sisyuKensaAt(long index);
KarteJittisidouData& jittisidouAt(long index);
// Throws VbError 6 (overflow) for a value a 16-bit number cannot hold.
int int16Checked(qint64 value);
// Throws VbError 6 when a new line or entry number would pass 32767.
int newNumberChecked(qint64 value);

// The lines of the chain from the head along nxt_rec_no, in record-book order. A link outside the
// book or to an empty slot, or more steps than the book has slots (a cycle), throws VbError 9.
std::vector<int> chainRecs();
// Calls visit(line) for each line of the chain, checked as chainRecs.
void walkChain(const std::function<void(KarteLine&)>& visit);

// Now as a time stamp "yyyy/mm/dd-hh:mm:ss", today as "yyyy/mm/dd", this month as "yyyy/mm".
QString timeStamp();
QString todayText();
QString monthText();

} // namespace MdlKarteMain
