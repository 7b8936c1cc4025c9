// The plaque control record's formats and routines: per-tooth plaque codes, the working matrices,
// the plaque cells of a screen, the plaque rate on its labels, and two checks on item grids.
//
// A plaque code is "M" (after trimming) for a lost tooth, else four "1"/"0" face flags; "" is "0000".
// Character k names a face of the cell by quadrant: upper right R L U D, upper left L R U D, lower
// right R L D U, lower left L R D U (toward the midline, away from it, outer face, inner face).
//
// The cell routines work on any cell type with the plaque cell's members Lost()/setLost(bool),
// PlaqueU()/setPlaqueU(bool), and the same for PlaqueD, PlaqueL, PlaqueR; a cell list is anything
// indexable by tooth index holding cells or pointers to cells.
#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <iterator>
#include <stdexcept>
#include <type_traits>

class SpreadGrid;

namespace MdlPlaque {

using PermanentMatrix = std::array<std::array<QString, 8>, 4>;
using DeciduousMatrix = std::array<std::array<QString, 5>, 4>;

struct PlaqueFaces {
    bool U = false, D = false, L = false, R = false;
};

// True for a lost tooth: the code is "M" after trimming blanks.
bool isLostCode(const QString& code);
// The fixed four-character matrix entry of a code: "M   " for a lost tooth, "0000" for an empty
// code, else the trimmed code cut or padded with blanks to four characters.
QString matrixEntry(const QString& code);
// The faces a (four-character) code sets on a tooth of the quadrant (0..3); only "1" sets a face.
PlaqueFaces facesOf(const QString& code, int quadrant);
// The four-character code of the faces set on a tooth of the quadrant (0..3): the inverse of facesOf.
QString codeOf(const PlaqueFaces& faces, int quadrant);
// The plaque rate faces / (present x 4) x 100 as "##0.00", halves rounded up; "" with no present tooth.
QString plaqueRateText(long faces, long present);
// The three label texts: present teeth, plaque faces, rate; all "" with no present tooth.
std::array<QString, 3> plaqueLabelTexts(long present, long faces);

// Marks the first not yet selected row whose column 1 equals each key (a key given twice marks two
// rows); rows selected before stay. Traps its errors: false after one.
bool FuBolSpdCheckSet(SpreadGrid& grid, const QStringList& keys);
// True when no row's column 1 is exactly "1". No trap of its own.
bool FuBolSpdNoCheck(SpreadGrid& grid);

namespace detail {
template <typename T> auto& deref(T& x) {
    if constexpr (std::is_pointer_v<std::remove_cvref_t<T>>)
        return *x;
    else
        return x;
}
template <typename Cells> auto& cellAt(Cells& cells, long index) {
    if (index < 0 || index >= static_cast<long>(std::size(cells)))
        throw std::out_of_range("plaque cell index");
    return deref(cells[static_cast<size_t>(index)]);
}
template <typename Cell> void setFaces(Cell& cell, const PlaqueFaces& f) {
    cell.setPlaqueU(f.U);
    cell.setPlaqueD(f.D);
    cell.setPlaqueL(f.L);
    cell.setPlaqueR(f.R);
}
} // namespace detail

// Fills one working matrix from the 52 codes, starting at codes[startIndex], tooth fastest; a lost
// tooth also gets its cell marked lost (never unmarked here). False after a run-time error, with the
// entries and cells written so far kept.
template <typename Codes, typename Matrix, typename Cells>
bool FuBolPlaqueStrToArry(const Codes& codes, Matrix& matrix, long startIndex, long rowLength, Cells& cells) {
    try {
        long next = startIndex;
        for (size_t q = 0; q < matrix.size(); ++q) {
            for (size_t t = 0; t < matrix[q].size(); ++t, ++next) {
                if (next < 0 || next >= static_cast<long>(std::size(codes)))
                    throw std::out_of_range("plaque code index");
                const QString entry = matrixEntry(codes[static_cast<size_t>(next)]);
                if (isLostCode(entry))
                    detail::cellAt(cells,
                                   static_cast<long>(q) * rowLength + static_cast<long>(t) + startIndex)
                        .setLost(true);
                matrix[q][t] = entry;
            }
        }
        return true;
    } catch (...) {
        return false;
    }
}

// Shows one working matrix on the cells: lost teeth marked lost, the others unmarked with their
// four faces set from the entry. False after a run-time error.
template <typename Matrix, typename Cells>
bool FuBolPlaqueArryToCtl(const Matrix& matrix, long startIndex, long rowLength, Cells& cells) {
    try {
        for (size_t q = 0; q < matrix.size(); ++q) {
            for (size_t t = 0; t < matrix[q].size(); ++t) {
                auto& cell = detail::cellAt(cells, static_cast<long>(q) * rowLength + static_cast<long>(t) +
                                                       startIndex);
                if (isLostCode(matrix[q][t])) {
                    cell.setLost(true);
                } else {
                    cell.setLost(false);
                    detail::setFaces(cell, facesOf(matrix[q][t], static_cast<int>(q)));
                }
            }
        }
        return true;
    } catch (...) {
        return false;
    }
}

// Counts the host's plaque cells and writes present teeth, plaque faces and the rate on its labels.
// The host offers plaqueCells() (a range of cells or cell pointers) and lblLost(), lblPlaqueCnt(),
// lblPlaqueRitu() (labels, or pointers to them, with setText). No trap of its own.
template <typename Host> void PSuPlaqueRituDisp(Host& host) {
    long present = 0, faces = 0;
    for (auto&& c : host.plaqueCells()) {
        auto& cell = detail::deref(c);
        if (cell.Lost())
            continue;
        ++present;
        faces += (cell.PlaqueU() ? 1 : 0) + (cell.PlaqueD() ? 1 : 0) + (cell.PlaqueL() ? 1 : 0) +
                 (cell.PlaqueR() ? 1 : 0);
    }
    const std::array<QString, 3> texts = plaqueLabelTexts(present, faces);
    auto&& lost = host.lblLost();
    auto&& count = host.lblPlaqueCnt();
    auto&& rate = host.lblPlaqueRitu();
    detail::deref(lost).setText(texts[0]);
    detail::deref(count).setText(texts[1]);
    detail::deref(rate).setText(texts[2]);
}

} // namespace MdlPlaque
