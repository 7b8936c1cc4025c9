// The three charts of the record book, drawn on the record screen's hidden canvas for the month view:
// the basic and the precise periodontal inspection and the plaque chart of a practical instruction.
//
// Each chart covers N grid rows from the grid's current row (the caller sets Row; 12 basic, 20
// precise, 8 instruction), clears the canvas, draws, crosses the chart out in blue when the line is
// deleted, and leaves the picture for the caller. An error is logged and shown (011/900); the part
// drawn so far stays and the caller goes on with it.
#pragma once
#include <QString>

class ImageCanvas;
class SpreadGrid;

namespace MdlKarteMain {

// Basic inspection (inspection_cls "1") of gSisyuKensaList(detailIndex).
void PSuDrawKihonKensa(ImageCanvas& canvas, SpreadGrid& grid, long detailIndex, const QString& delMark);
// Precise inspection (inspection_cls "2") of gSisyuKensaList(detailIndex), with its plaque rate over
// the 32 permanent teeth.
void SuDrawSeimituKensa(ImageCanvas& canvas, SpreadGrid& grid, long detailIndex, const QString& delMark);
// Plaque chart of the practical instruction gJittisidouList(detailIndex), with its rate over 52 teeth.
void SuDrawObJittisidou(ImageCanvas& canvas, SpreadGrid& grid, long detailIndex, const QString& delMark);

// The letter of deciduous tooth 1..5 ("A".."E"); "" for 0.
QString FuStrNyusiChar(int n);
// True, and one more in count, when the face character is "1"; any other character, a blank or an
// absent face (a short code) is no plaque.
bool FuBolPlaqueSiteCount(const QString& face, int& count);
// One tooth of the instruction chart in the canvas's current draw rectangle: a green "M" (one more
// missing) or its four faces by quadrant ("UR", "UL", "DR", "DL"), their plaque added to plaqueCnt.
void SuSetPlaque(ImageCanvas& canvas, const QString& code, const QString& quadrant, long& plaqueCnt,
                 long& missingCnt);

} // namespace MdlKarteMain
