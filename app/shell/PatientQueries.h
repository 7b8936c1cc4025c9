// The patient search's SQL texts and recordset readers: the result list and the chosen patient.
#pragma once
#include <QString>
#include <QVariant>
#include <vector>

#include "app/shell/MdlCommStructure.h"

namespace ado {
class Recordset;
}

namespace patientsearch {

// The search options, numbered as the option buttons.
enum Option { OptAll = 0, OptTelephone = 1, OptBirthday = 2, OptCardNumber = 3, OptReading = 4 };

// One search: the SQL text and the criterion ("ALL" for every patient). A criterion that is empty after
// trimming means the search must not run.
struct Search {
    QString sql;
    QString criterion;
};
// The search over the register for the option that is on (-1: none), the text field's text as typed and
// the birthday field's value (a date or Null). Quotes in the criterion are doubled.
Search searchSql(int option, const QString& text, const QVariant& birthday);

// One row of the result list.
struct PatientRow {
    QString personalId; // trimmed
    QString name;
    QString sexName;
    QString birthday; // "yyyy/mm/dd"; "" when the stored value is Null or no date of the list's range
    QString address;
    QString telNo;
    bool fitRow = false; // the address is not empty: the row is made as high as the address needs
};
// One row per patient, from the first recordset row of each card number (the query sorts a patient's
// highest entry first), in the order the list shows them: the reverse of the query's order.
std::vector<PatientRow> readPatientRows(ado::Recordset& rs);

// The query of every insurance row of one patient, oldest entry first (the card number's quotes doubled).
QString patientSql(const QString& cardNumber);
// Fills info from the rows of patientSql: the patient fields from each row (the last one wins),
// one insurance entry per row, sex_name as given, age from the birthday up to ageBase ("0": today).
// A Null entry, name or birthday throws (it is read as text). False when the query gave no row.
bool readPatientInfo(ado::Recordset& rs, const QString& sexName, const QString& ageBase, PatientInfo& info);

} // namespace patientsearch
