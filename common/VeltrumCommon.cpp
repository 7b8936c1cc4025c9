#include "common/VeltrumCommon.h"

#include "platform/msgbox/MsgBox.h"

namespace veltrum {

void showPropertyError(const QString& label, const QString& source, const QString& description) {
    const QString text =
        label + QStringLiteral("\r\nErr.Source -> ") + source + QStringLiteral("\r\n") + description;
    msgbox::msgBoxA(msgbox::activeWindow(), text, kTitle, msgbox::MB_OK);
}

} // namespace veltrum
