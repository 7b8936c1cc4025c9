// The opener of the instruction entry screen, and its registration with the record book.
#pragma once

namespace MdlPlaqueEntry {

// Opens the instruction entry screen on the visit the record book has prepared in gKarteInfo. The
// visit's updated flag is cleared first, so a screen closed by its window frame hands nothing back.
// False after 032/899 (the screen could not be prepared); true once it was shown, with the screen's
// result in gKarteInfo.
bool PFuBolPlaqueEntryDisp();

// Lets the record-list screen's instruction and line-edit buttons open the entry screen. Only that
// routine of the record book's services is set; the others stay as they were.
void PSuPlaqueEntryRegister();

} // namespace MdlPlaqueEntry
