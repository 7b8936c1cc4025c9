// The plaque chart of an entry screen: its 52 cells gathered by name, and a visit's plaque codes shown
// on them through the two working matrices.
#pragma once
#include <QString>
#include <array>

#include "app/recordbook/core/KarteData.h"
#include "app/recordbook/core/MdlPlaque.h"

class PlaqueCheck;
class QWidget;

namespace plaquechart {

// The cells in tooth order: cell i is <prefix>_<i>.
using Cells = std::array<PlaqueCheck*, kToothCount>;

// The form's cells <prefix>_0 .. <prefix>_51; throws VbError 9 when one of them is missing.
Cells gatherCells(const QWidget& form, const QString& prefix);

// The stored codes into the working matrices (lost teeth marked on the cells), then the matrices onto
// the cells, permanent before deciduous; false at the first step that fails.
bool showPlaqueCodes(const ToothValues& codes, MdlPlaque::PermanentMatrix& permanent,
                     MdlPlaque::DeciduousMatrix& deciduous, Cells& cells);

} // namespace plaquechart
