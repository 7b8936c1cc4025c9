#include "app/entry/PatientLabels.h"

#include <QLabel>

#include "app/shell/MdlCommInterface.h"
#include "app/shell/MdlCommStructure.h"
#include "platform/error/VbError.h"
#include "platform/text/Text.h"

namespace patientlabels {
namespace {

QLabel& labelOf(const QWidget& form, const char* name) {
    auto* l = form.findChild<QLabel*>(QLatin1String(name));
    if (!l)
        throw VbError::of(9, form.objectName(), QLatin1String(name));
    return *l;
}

} // namespace

void fill(const QWidget& form) {
    labelOf(form, "LblPersonalId").setText(gPatientInfo.personal_id);
    labelOf(form, "LblName").setText(gPatientInfo.name);
    QLabel& birthday = labelOf(form, "LblBirthday");
    if (!text::vbTrim(gPatientInfo.birthday).isEmpty()) {
        try {
            birthday.setText(MdlCommInterface::PFuStrWarekiDate(gPatientInfo.birthday));
        } catch (const VbError&) {
        }
    }
    labelOf(form, "LblAge").setText(gPatientInfo.age);
    labelOf(form, "LblSex").setText(gPatientInfo.sex_name);
}

} // namespace patientlabels
