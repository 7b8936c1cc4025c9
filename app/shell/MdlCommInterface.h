// Shared utilities of every screen: busy pointer, centring and captions, files and folders,
// Null-safe values, age, grid routines, the era-date key filter, date checks and era dates (the
// database compaction, also of this module, is in MdlCommInterfaceCompact.h).
#pragma once
#include <QDate>
#include <QMargins>
#include <QRect>
#include <QString>
#include <QVariant>

class QWidget;
class SpreadGrid;
namespace ado {
class Field;
}

namespace MdlCommInterface {

// 11: hourglass and the form disabled; 0: normal pointer and the form enabled. Never stacks.
void PSuMousePointer(int pointer, QWidget* form);
// Centres the form (frame included) in the available area of its screen (the screen less its panels),
// never with its top-left corner outside that area. A form larger than the area goes to the area's
// top-left corner, shrunk to the area as far as its layout allows (its body then stretches or scrolls).
void PSuFormCenter(QWidget* form);
// Where PSuFormCenter puts the form in area when the window system adds frame around it: the rectangle
// of the frame.
QRect formPlacement(const QWidget* form, const QRect& area, const QMargins& frame);
// Caption := (title, or the form name less "Frm" when the title is empty) & "－" & current caption.
void PSuFormCaption(QWidget* form, const QString& title);

// True when exactly that path is a regular, non-hidden file.
bool PFuBolFileExist(const QString& path);
// True for Null and for a text that is empty after trimming blanks.
bool PFuBolIsEmpty(const QVariant& value);
bool PFuBolIsEmpty(const ado::Field& value);
// "" for Null, else the value's text.
QString PFuStrNullToStr(const QVariant& value);
QString PFuStrNullToStr(const ado::Field& value);
// folder & name with exactly one separator between them ("/" or "\" both count).
QString PFuStrPathJoin(const QString& folder, const QString& name);
// Creates every missing level of the folder path; reports 000/812 and logs on failure.
bool PFuBolMkDir(const QString& path);
// Whole years from birth (a date text) to base (yyyymmdd, or "0" for today); -1 after 000/814.
long PFuLngGetAge(const QString& birth, const QString& base);

// Marks the row selected and makes (col,row) the active cell.
void PSuSpdCellCheck(SpreadGrid& grid, long col, long row);
// Makes the row as high as the text of (col,row) needs.
void PSuSpdCellSet(SpreadGrid& grid, long col, long row);

// Key filter of the era-date field: sets changed to true when the key edits the date,
// never clears it. keyCode -9999 means a key-press with character keyAscii. Always false.
bool PFuBolEraKeyCheck(bool& changed, int position, int keyAscii, int keyCode);

// True when start <= date <= end (date texts); 000/900 and log lines when a text is not a date.
bool PFuBolYukoDateCheck(const QString& date, const QString& start, const QString& end);
// Copies src over dst (dst replaced when present); logs on failure.
bool PFuBolFileCopy(const QString& src, const QString& dst);
// The name part of an existing regular file; fileName unchanged for a blank path.
bool PFuBolGetFileName(const QString& path, QString& fileName);
// "平成15年04月01日"; throws VbError (13) when the value holds no date.
QString PFuStrWarekiDate(const QVariant& date);

} // namespace MdlCommInterface
