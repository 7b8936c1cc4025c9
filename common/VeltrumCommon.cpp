#include "common/VeltrumCommon.h"

#include <cmath>
#include <limits>

#include "platform/error/VbError.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/text/Text.h"

namespace veltrum {

void showPropertyError(const QString& label, const QString& source, const QString& description) {
    const QString text =
        label + QStringLiteral("\r\nErr.Source -> ") + source + QStringLiteral("\r\n") + description;
    msgbox::msgBoxA(msgbox::activeWindow(), text, kTitle, msgbox::MB_OK);
}

int32_t toLong(const QString& text, const QString& source) {
    if (!text::vbIsNumeric(text))
        throw VbError(13, source, kTypeMismatch);
    const double v = std::nearbyint(text::vbVal(text::vbTrim(text))); // default rounding: half to even
    if (!std::isfinite(v) || v < static_cast<double>(std::numeric_limits<int32_t>::min()) ||
        v > static_cast<double>(std::numeric_limits<int32_t>::max()))
        throw VbError(6, source, kOverflow);
    return static_cast<int32_t>(v);
}

} // namespace veltrum
