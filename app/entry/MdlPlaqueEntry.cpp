#include "app/entry/MdlPlaqueEntry.h"

#include "app/entry/FrmMKarte03_002.h"
#include "app/entry/MdlSubScreen.h"
#include "app/recordbook/RecordBookServices.h"
#include "app/recordcore/KarteGlobals.h"

namespace MdlPlaqueEntry {

bool PFuBolPlaqueEntryDisp() {
    // Only the screen's own buttons hand a visit back; a flag left from an earlier accept must not.
    gKarteInfo.updated = false;
    return MdlSubScreen::openEntrySubScreen<FrmMKarte03_002>();
}

void PSuPlaqueEntryRegister() {
    RecordBookServices services = recordBookServices();
    services.plaqueEntryDisp = PFuBolPlaqueEntryDisp;
    setRecordBookServices(std::move(services));
}

} // namespace MdlPlaqueEntry
