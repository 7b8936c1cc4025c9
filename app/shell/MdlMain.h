// Start-up and end of the program: single instance, common services, settings values, start-up data.
#pragma once
#include <QByteArray>
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
// True when another copy of the program holds the instance lock. The first call takes the lock,
// which this process then keeps until it ends; when no lock can be made the check lets the
// program start.
bool FuBolPrevInstance();
// Where the instance lock lives; empty restores the default (runtime folder, by user and program).
void setInstanceLockPath(const QString& path);
QString instanceLockPath();
// Gives the lock up (the next check takes it again).
void releaseInstanceLock();

// ---- settings values -------------------------------------------------------------------------
// Reads the thirteen settings values into the program-wide values; false when any key was
// missing or invalid (each such key is logged).
bool PFuGetIniData();
// The database password for a scrambled [CLIENT] passwd text, as raw bytes.
QByteArray FuStrPassDecode(const QString& text);
// Hexadecimal text to bytes: length halved with halves to even, a missing or non-hex digit is 0.
QByteArray FuAryHexToBytes(const QString& text);
// Bytes XORed in turn with the program's seven-character key.
QByteArray FuStrXorKey(const QByteArray& bytes);
// One byte from a pair of hexadecimal digits ("" or a missing second digit counts as 0).
unsigned char FuBytHexToByte(const QString& pair);
// A settings path with "\" taken as a separator.
QString normalisePath(const QString& path);

// ---- start-up data ---------------------------------------------------------------------------
// Creates the image subfolders staff, map and temp.
bool FuBolImageFolderMake();
// Reads the clinic's own m_clinic row into gClinicInfo.
bool FuBolClinicInfoGet();
// Reads the 192 print points of m_printinfo.
bool FuBolPrintInfoGet();

} // namespace MdlMain
