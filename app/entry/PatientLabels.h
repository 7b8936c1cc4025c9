// The patient labels of the entry screens: card number, name, era birthday, age and sex of the current
// patient.
#pragma once

class QWidget;

namespace patientlabels {

// Fills the form's labels LblPersonalId, LblName, LblBirthday, LblAge and LblSex from gPatientInfo. A
// birthday that is empty, or no date, leaves its label as it is: it must not keep a visit from being
// shown or entered.
void fill(const QWidget& form);

} // namespace patientlabels
