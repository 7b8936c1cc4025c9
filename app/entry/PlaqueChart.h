// The plaque chart of an entry screen: its 52 cells gathered by name, a visit's plaque codes shown on
// them through the two working matrices and read back from them, and the teeth a tooth-part code keeps.
#pragma once
#include <QString>
#include <array>

#include "app/recordcore/KarteData.h"
#include "app/recordcore/MdlPlaque.h"

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

// The code of one cell of the quadrant (0..3): "M" and three blanks for a lost tooth, else its four faces.
QString cellCode(const PlaqueCheck& cell, int quadrant);

// Present teeth and the faces set on them.
struct CellCount {
    long present = 0;
    long faces = 0;
};
CellCount countCells(const Cells& cells);

// Every cell present with no face set: a chart that shows nothing.
void clearCells(Cells& cells);

// Which of the 52 teeth (tooth order) a tooth-part code keeps: a permanent tooth whose letter is a, g
// or h, a deciduous tooth whose letter (that of permanent tooth 1..5 of its quadrant) is b, g or h. A
// code too short to hold a tooth's letter keeps none there.
std::array<bool, kToothCount> presentTeeth(const QString& parts33);

} // namespace plaquechart
