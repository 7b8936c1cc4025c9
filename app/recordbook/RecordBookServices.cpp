#include "app/recordbook/RecordBookServices.h"

#include "app/recordbook/KarteOpen.h"
#include "app/shell/FrmMKarte01_002.h"
#include "app/shell/MdlCommInterfaceSearch.h"

namespace {

RecordBookServices& services() {
    static RecordBookServices s;
    return s;
}

} // namespace

void setRecordBookServices(RecordBookServices s) {
    services() = std::move(s);
}

const RecordBookServices& recordBookServices() {
    return services();
}

void PSuRecordBookRegister() {
    FrmMKarte01_002::setRecordServices(
        {MdlCommInterface::PFuBolPatientSearch, MdlKarteMain::PFuBolKarteMain});
}
