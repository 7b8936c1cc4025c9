#include "app/shell/MdlCommInterfaceSearch.h"

#include "app/shell/FrmMKarteS_005.h"

namespace MdlCommInterface {

bool PFuBolPatientSearch(bool& BolSelect) {
    // A successful choice unloads the dialog itself: it tells of the choice by its signal.
    bool chosen = false;
    const bool ran =
        forms::openSubScreen<FrmMKarteS_005>(QStringLiteral("113"), [&chosen](FrmMKarteS_005& form) {
            QObject::connect(&form, &FrmMKarteS_005::patientChosen, [&chosen] { chosen = true; });
        });
    if (ran)
        BolSelect = chosen;
    return ran;
}

} // namespace MdlCommInterface
