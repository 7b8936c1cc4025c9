// The patient search's result list on the grid: its six columns, emptying it and laying rows into it.
#pragma once
#include <vector>

#include "app/shell/PatientQueries.h"

class SpreadGrid;

namespace patientsearch {

// List columns, numbered as the grid's.
enum ListColumn { ColCardNumber = 1, ColName, ColSex, ColBirthday, ColAddress, ColTelephone };

// Six columns with their headers and widths; the birthday column shows the era initial and the era
// year ("H15/04/01"), the address column wraps; no cell can be edited; one row is chosen at a time.
void setUpPatientList(SpreadGrid& grid);
// Empties the list: current row 0, no rows.
void clearPatientList(SpreadGrid& grid);
// Lays the rows into the empty list in their order, each row with an address made as high as the
// address needs.
void fillPatientList(SpreadGrid& grid, const std::vector<PatientRow>& rows);

} // namespace patientsearch
