// Printing the record book: the month the record-list screen shows, printed by its grid with the
// patient's page header, page numbers, the settings file's margins and page breaks between lines.
#pragma once
#include <QString>

class FrmMKarte02_001;
class SpreadGrid;

namespace MdlKartePrint {

// Grid rows on one printed page.
constexpr int kPageRows = 40;
// The page footer: centred, Gothic 12 pt, "Page " and the page number.
inline const QString kFooter = QStringLiteral("/c/fn\"ＭＳ ゴシック\"/fz\"12\"Page /p");
// The print job's name.
inline const QString kJobName = QStringLiteral("歯科衛生システム");

// The print button: refuses an empty list (011/215) and a month with unsaved lines (011/214), lays
// the month again, lets the user confirm the printer for A4 portrait and prints. Traps its errors
// (011/900); the pointer and the screen are back to normal on every path.
void CmdPrint_Click(FrmMKarte02_001& screen);

// True when any row of the grid holds a line (a rec_no in column 4).
bool FuBolEditNoData(SpreadGrid& grid);
// True when a line of the shown month has unsaved changes. A broken chain throws.
bool FuBolEditChange();

// The four margins from section [Printer] of the settings file; a value that is missing or no number
// keeps its default (567 twips, the bottom 283.5). Never fails.
void SuGetPrintMargin();

// Page breaks every 40 rows; a break that would cut a line moves up to the line's first row.
void SetPageBreak(SpreadGrid& grid);
// From row, walks up over the "@" rows and sets the page break on the line's first row, which row
// then names; reaching the top sets none (row 0).
void SuBackSearch(SpreadGrid& grid, long& row);

// What the page header shows of the patient.
struct HeaderData {
    QString name;
    QString birthday;
    QString sex;
    QString address;
    QString telNo;
    QString occupation;
};
// The page header in the grid's header codes: the title, then name, birthday and sex, address,
// telephone and occupation.
QString headerText(const HeaderData& d);
// The header for the screen's patient: name, birthday and sex as the screen shows them; address,
// telephone and occupation (its name in m_employ_m, "なし" when there is none) of the newest insurance
// entry. False after its message (011/802, 011/829), with nothing left open.
bool FuHeaderMake(FrmMKarte02_001& screen, QString& header);

// Gives the record-list screen its print (the screen's other services stay as registered).
void PSuKartePrintRegister();

} // namespace MdlKartePrint
