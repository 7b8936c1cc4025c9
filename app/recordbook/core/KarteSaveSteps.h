// What the steps of the save share: the trap of a step that hit a run-time error.
#pragma once
#include <QString>
#include <exception>

namespace MdlKarteMain {

// Logs the error under the step's name, shows 011/number with "name()" (and the title) and returns false.
bool saveStepFailed(const QString& proc, const QString& number, const std::exception& e,
                    const QString& title = QString());

} // namespace MdlKarteMain
