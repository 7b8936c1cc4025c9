// Taking a visit handed back by the instruction entry into the chain in memory: a new line linked
// in at the chosen place, a new line refreshed, a stored line marked deleted or unmarked.
#pragma once
#include <QString>
#include <array>
#include <functional>

namespace MdlKarteMain {

// The four quadrant masks (upper right, upper left, lower right, lower left) of a tooth-part code,
// as the screen's hidden quadrant splitter gives them.
using QuadMasks = std::function<std::array<QString, 4>(const QString& parts33)>;

// Any splitter with the members PPoStrParts33 (let), PSuSeparation and PPoStrURB/ULB/DRB/DLB.
template <typename PartControl> QuadMasks quadMasksOf(PartControl& control) {
    return [&control](const QString& parts33) {
        control.setPPoStrParts33(parts33);
        control.PSuSeparation();
        return std::array<QString, 4>{control.PPoStrURB(), control.PPoStrULB(), control.PPoStrDRB(),
                                      control.PPoStrDLB()};
    };
}

// mode "1" appends a line linked between gLngPrevRec and gLngNextRec (gLngCurRec := it); "2"
// restamps the unsaved line gLngCurRec; "3" marks it deleted when delMark is "1"; "4" takes the mark
// back when delMark is not "1". Every mode flags the line changed. No trap of its own: a line number
// beyond 32767, a link to no line or an insert that would cut the chain off throws VbError.
void PSuKarteLineAdd(const QString& mode, const QString& delMark);
// The visit's content into line gLngCurRec (mode "1" first creates its instruction element; modes
// other than "1" and "2" keep the stored content). No trap of its own.
void PSuKarteLineDataSet(const QString& mode, const QuadMasks& masks);

} // namespace MdlKarteMain
