// Start-up and end of the program: the single instance, the start-up sequence and the release at the end.
#pragma once
#include <QString>
#include <functional>

class QApplication;

namespace MdlMain {

// Sets the application up, runs Main on the program folder and, when the login form is shown,
// the event loop. The process exit code.
int runProgram(QApplication& app);

// The start-up procedure on the program's own folder.
bool Main();
// The start-up procedure on the given program folder. True when the login form was shown;
// false when the program is to end (second instance or a start-up failure).
bool Main(const QString& appDir);

// Drops the common services, then runs the release routines the screen folders registered (the
// printing drops its kept print dialog, without closing its window).
void PSuCommObjRelease();
// Registers a routine for PSuCommObjRelease: how a screen folder hands its own end-of-program step to
// the shell, which includes no screen folder. A routine registered again under the same name replaces
// the earlier one; an empty routine removes it.
void setReleaseRoutine(const QString& name, std::function<void()> routine);

// Tests: called with the number of each start-up step from 8 to 27 as it begins; what it throws
// is an unexpected error of that step. Empty to stop.
void setStepProbe(std::function<void(int step)> probe);

// ---- second running copy ---------------------------------------------------------------------
// True when another copy of the program, run by this user, holds the instance lock. The first call takes
// the lock, which this process then keeps until it ends; when no lock can be made the check lets the
// program start.
bool FuBolPrevInstance();
// Where the instance lock lives; empty restores the default: in the user's runtime folder when only the
// user can write there, else in a folder of the program's under the user's home.
void setInstanceLockPath(const QString& path);
QString instanceLockPath();
// Gives the lock up (the next check takes it again).
void releaseInstanceLock();

} // namespace MdlMain
