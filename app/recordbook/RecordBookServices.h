// What the record-list screen calls in screens that arrive from elsewhere: the instruction entry and
// the record-book print. The program registers them; a button whose routine is missing stays disabled.
#pragma once
#include <functional>

class FrmMKarte02_001;

struct RecordBookServices {
    // The instruction entry screen for the visit in gKarteInfo (modal); true when it ran.
    std::function<bool()> plaqueEntryDisp;
    // Prints the month the screen shows.
    std::function<void(FrmMKarte02_001& screen)> printKarte;
};

void setRecordBookServices(RecordBookServices services);
const RecordBookServices& recordBookServices();

// Registers the record book with the menu: its record button runs the patient search, then the book.
void PSuRecordBookRegister();
