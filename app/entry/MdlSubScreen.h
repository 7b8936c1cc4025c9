// The openers of the instruction entry's sub-screens: past-record viewer, tooth-part entry, small-text
// input and comment picker, and the load-state protocol they follow.
#pragma once
#include <QString>
#include <functional>

#include "app/shell/FormSupport.h"

class DrawGlyphor;
class DText;

namespace MdlSubScreen {

// The work id of the entry screens' messages.
inline const QString kWorkId = QStringLiteral("032");

// The load-state protocol for a screen of the instruction entry: loads F (prepare runs before its
// Form_Load); load state 3 shows 032/899 (OK, stop icon) and unloads it, 4 unloads it silently, both
// false; otherwise it is shown modally, readResults reads it while it is still loaded (a screen that
// unloaded itself has nothing left to read), it is unloaded and the result is true.
template <typename F>
bool openEntrySubScreen(const std::function<void(F&)>& prepare = {},
                        const std::function<void(F&)>& readResults = {}) {
    return forms::openSubScreen<F>(kWorkId, prepare, readResults);
}

// Shows history element `index` of gKarteInfo in the past-record viewer. True once it was shown, with
// delMark := the visit's stored delete mark and update := false; false after 032/899 (it could not be
// prepared), the two outputs untouched.
bool PFuBolPlaqueDetailDisp(long index, QString& delMark, bool& update);

// Edits the glyph's tooth-part code and part text on the tooth-part screen. textEnable: the part text
// can be typed; inputMode: 0 normal, 1 compressed, 2 bridge; fixInputMode: the mode cannot be changed;
// inputEnable: the panel and OK are usable. On OK the glyph takes the code and text and redraws
// itself: true. False when the user went back or closed the window, and after an error (logged, no
// message).
bool PFuBolDrawToothPart(DrawGlyphor& glyph, bool textEnable, int inputMode, bool fixInputMode,
                         bool inputEnable);

// Picks a tooth part from the empty chart (the part text can always be typed here) and, on OK, inserts
// "/{D" + code + trimmed text + "/}" at the caret of text. True also when the user went back; false
// only after an error (logged, no message).
bool PFuBolDrawTextPart(DText& text, bool textEnable, int inputMode, bool fixInputMode, bool inputEnable);

// Asks for one line of text and, on OK with a text that is not blank, inserts "/{B" + trimmed text +
// "/}" at the caret of text. True also when the user went back or typed only blanks; false only after
// an error (no message, no log line).
bool PFuBolStrInput(DText& text);

// Lets the user compose a comment from the stock comments. True once the picker was shown, with
// comment and update as it hands them back (a window closed by its frame counts as going back: "" and
// false); false after 032/899 (it could not be prepared), the two outputs untouched.
bool PFuBolCommentSelect(QString& comment, bool& update);

} // namespace MdlSubScreen
