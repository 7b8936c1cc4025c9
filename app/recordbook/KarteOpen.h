// Opening a patient's record book: the record-list screen prepared, the patient panel and face photo
// filled, the book loaded under the wait window and the month of its last line laid.
#pragma once

class FrmMKarte02_001;

namespace MdlKarteMain {

// Opens the current patient's book on the record-list screen and shows it modally; true once the user
// has left it, false when the opening failed (the screen is then never shown).
bool PFuBolKarteMain();
// The patient panel, the face photo, the book and its last month for the current patient; true when
// all are in place. Traps its errors (011/900).
bool PFuBolPersonalGet(FrmMKarte02_001& screen);
// Empties the temporary image folder; a folder or a file that cannot go throws.
void PSuTempFileClear();

} // namespace MdlKarteMain
