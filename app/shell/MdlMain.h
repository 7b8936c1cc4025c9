// Start-up and end of the program.
#pragma once
class QApplication;

namespace MdlMain {
// Runs the start-up procedure and, when the login form is shown, the event loop.
int runProgram(QApplication& app);
} // namespace MdlMain
