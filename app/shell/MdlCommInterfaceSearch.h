// The opener of the patient search dialog (a procedure of MdlCommInterface).
#pragma once

namespace MdlCommInterface {

// Opens the patient search modally. True when the dialog ran: BolSelect then tells whether a patient
// was chosen (gPatientInfo holds that patient) or the user went back (gPatientInfo unchanged). False when
// the dialog could not start: message 113/899 has been shown and BolSelect is left as it was.
bool PFuBolPatientSearch(bool& BolSelect);

} // namespace MdlCommInterface
