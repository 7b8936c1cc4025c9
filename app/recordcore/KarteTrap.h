// The trap of a record-book routine that hit a run-time error: a log line under its name, its
// numbered message of work id 011, and false for its caller.
#pragma once
#include <QString>
#include <exception>

#include "common/clsMessage.h"

namespace MdlKarteMain {

// Logs the error's description under proc, shows 011/number (OK) with the icon, added text and title,
// and returns false.
bool trapped(const QString& proc, const QString& number, const std::exception& e, EnMsgDispIcon icon,
             const QString& added, const QString& title = QString());
// The common form: exclamation icon, the added text "proc()".
bool stepFailed(const QString& proc, const QString& number, const std::exception& e,
                const QString& title = QString());

} // namespace MdlKarteMain
