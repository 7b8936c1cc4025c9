// Shared pieces of the common-services classes: their plain error boxes and property setters.
#pragma once
#include <QString>
#include <exception>

#include "platform/error/VbError.h"

namespace veltrum {

// The library's title: the caption of its own plain boxes.
inline const QString kTitle = QStringLiteral("Veltrum");

// The plain box of a failing property setter: label, CR LF, "Err.Source -> " source, CR LF,
// description; OK only, no icon, caption Veltrum.
void showPropertyError(const QString& label, const QString& source, const QString& description);

// Runs the work of a property setter. A failure shows the property's plain box (with the source
// of a run-time error, else source) and leaves the rest of the property as it was.
template <typename Set> void setProperty(const QString& label, const QString& source, Set set) {
    try {
        set();
    } catch (const VbError& e) {
        showPropertyError(label, e.source(), e.description());
    } catch (const std::exception& e) {
        showPropertyError(label, source, errorDescription(e));
    }
}

} // namespace veltrum
