#include "app/recordcore/KarteTrap.h"

#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"

namespace MdlKarteMain {

bool trapped(const QString& proc, const QString& number, const std::exception& e, EnMsgDispIcon icon,
             const QString& added, const QString& title) {
    PFuBolPutLog(proc, errorDescription(e));
    PFuDispMessage(QStringLiteral("011"), number, EnMsgDispButton::O, icon, added, title);
    return false;
}

bool stepFailed(const QString& proc, const QString& number, const std::exception& e, const QString& title) {
    return trapped(proc, number, e, EnMsgDispIcon::W, proc + QStringLiteral("()"), title);
}

} // namespace MdlKarteMain
