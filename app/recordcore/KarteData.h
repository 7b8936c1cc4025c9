// The shapes of a record book in memory: the record line, its detail records, the visit record
// handed to the instruction entry, and the 52-tooth order of every tooth array and column list.
#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

// ---- the 52-tooth order -------------------------------------------------------------------------
// Permanent tooth t (1..8) of quadrant q (0 upper right, 1 upper left, 2 lower right, 3 lower left)
// is q * 8 + t - 1; deciduous tooth n (A = 1 .. E = 5) is 32 + q * 5 + n - 1.
inline constexpr int kToothCount = 52;
using ToothValues = std::array<QString, kToothCount>;

// The column suffixes in index order: ur1 .. ur8, ul1 .., dr1 .., dl1 .., ura .. ure, ula .., dra .., dla ..
const std::array<QString, kToothCount>& ToothOrder52();
// "prefix + ur1, prefix + ur2, ..., prefix + dle": the tooth columns of a table, in tooth order.
QString toothColumnList(const QString& prefix);
// The quadrant (0..3) of a tooth index.
int toothQuadrant(int index);

// ---- tooth values -----------------------------------------------------------------------------------
// A Null mobility or plaque column reads as a missing tooth.
inline const QString kMissingTooth = QStringLiteral("M");
// A Null pocket column reads as "M" and three blanks, four times; readers test the first character.
inline const QString kMissingPocket = QStringLiteral("M   M   M   M   ");
// The plaque value of a present tooth not yet examined.
inline const QString kBlankPlaque = QStringLiteral("    ");

// ---- record lines -----------------------------------------------------------------------------------
// Line kinds (obj_id).
inline const QString kObjAppeals = QStringLiteral("100");
inline const QString kObjInspection = QStringLiteral("250");
inline const QString kObjInstruction = QStringLiteral("800");

// Line states.
inline const QString kLineNew = QStringLiteral("2");           // not yet stored
inline const QString kLineStored = QStringLiteral("3");        // stored
inline const QString kLineDeleting = QStringLiteral("4");      // deleted in memory, not yet stored so
inline const QString kLineStoredDeleted = QStringLiteral("5"); // stored as deleted

// One record line: its m_kh_record columns and its edit state. Numbers the database keeps in 16 bits
// are int here and checked on every way in.
struct KarteLine {
    int rec_no = 0;            // the index in gKarteLines; 0 = an empty slot
    int prv_rec_no = 0;        // 0 = none
    int nxt_rec_no = 0;        // 0 = none
    bool link_changed = false; // the links changed since the last save
    QString obj_id;            // "100", "250" or "800"
    long detail_index = 0;     // the element in the detail list of its kind
    int entry_no = 0;          // 0 for a line not yet saved
    int nest_level = 0;
    QString karte_date; // yyyy/mm/dd
    QString part;       // tooth-part code, trimmed
    QString part_text;
    std::array<QString, 4> ref; // quadrant masks ur, ul, dr, dl, trimmed
    QString claim;              // trimmed
    QString del_mark;           // "1" = deleted
    QString ent_date_time, ent_staff_class_code, ent_staff_code, ent_staff_name;
    QString del_date_time, del_staff_class_code, del_staff_code, del_staff_name;
    QString line_state;   // kLineNew .. kLineStoredDeleted
    QString stored_mark;  // "1" once the line is in the database
    bool changed = false; // unsaved changes (shown in the unsaved colour)
};

// ---- detail records ---------------------------------------------------------------------------------
struct KarteAppealsData {
    QString entry;
    int entry_no = 0;
    QString appeals;
    QString addition;
};

struct KarteSisyuKensaData {
    QString entry;
    int entry_no = 0;
    QString inspection_cls; // "1" basic, "2" precise, "3" plaque only, "4" mobility only, "5" pocket only
    int entry_no_mi = 0;    // 0 = no mobility row
    ToothValues miller;
    int entry_no_po = 0; // 0 = no pocket row
    ToothValues pocket;  // one pocket text (six sites of bleeding mark and depth) per tooth
    int entry_no_pl = 0; // 0 = no plaque row
    ToothValues plaque;
    QString inst_point;
};

struct KarteJittisidouData {
    QString entry;
    int entry_no = 0;
    QString inst_start_time, inst_end_time; // hh:mm
    QString inst_point, communicate_point;
    ToothValues plaque;
    QStringList cleaning_imp; // in select_no order; empty when the visit has none
};

// ---- the visit record of the instruction entry ------------------------------------------------------
struct InstructVisitData {
    QString entry;
    int entry_no = 0;
    QString inst_start_time, inst_end_time;
    QString inst_point, communicate_point;
    ToothValues plaque;
    QStringList cleaning_imp; // empty when the visit has none
    QString del_mark;         // "1" = deleted
    QString staff_name;       // the name shown as the visit's staff
};

struct InstructEntryData {
    // "1" a new visit; "2".."5" the edited line's state; "6" view only; "" while no book is open.
    QString mode;
    InstructVisitData visit;
    bool changed = false;
    // The last history element up to the line above the edited row; -1 = none.
    long history_ubound = -1;
    // Every undeleted instruction visit of the book but the edited one, in chain order.
    std::vector<InstructVisitData> history;
    // Set by the entry screen when the user hands the visit back, cleared when he cancels.
    bool updated = false;
};

// Copies the instruction fields a visit and its detail record share, all but entry_no (which each
// hand-over treats its own way).
template <typename To, typename From> void copyInstructionFields(To& to, const From& from) {
    to.entry = from.entry;
    to.inst_start_time = from.inst_start_time;
    to.inst_end_time = from.inst_end_time;
    to.inst_point = from.inst_point;
    to.communicate_point = from.communicate_point;
    to.plaque = from.plaque;
    to.cleaning_imp = from.cleaning_imp;
}

// Upper bound of a list whose element 0 is a placeholder, -1 when the list is empty.
template <typename List> long ubound(const List& list) {
    return static_cast<long>(list.size()) - 1;
}
