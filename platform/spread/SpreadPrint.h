// Printing of the grid: page header and footer codes, pagination and the drawing of each page.
#pragma once
#include <QFont>
#include <QPoint>
#include <QSize>
#include <QString>
#include <vector>

class QPainter;
class QPrinter;

namespace spread {

class SpreadModel;

struct PrintSettings {
    QString abortMsg;
    bool border = true;
    bool colHeaders = true;
    bool color = true;
    bool grid = true;
    bool rowHeaders = true;
    bool shadows = true;
    bool useDataMax = true;
    int type = 0;
    QString header;
    QString footer;
    QString jobName;
    double marginTop = 720; // twips
    double marginBottom = 720;
    double marginLeft = 720;
    double marginRight = 720;
    // 0: rows print at their own height. N: the printed block (cells and their headers; the page header
    // and footer keep their size) shrinks so that each run of rows between page breaks fits one page,
    // a run of more than N rows counted by its tallest N consecutive rows; one scale for every page.
    int fitRows = 0;
    int gridColor = 0xC0C0C0;
    QString fontName = QStringLiteral("ＭＳ Ｐゴシック");
    double fontSize = 9.0;
};

// One run of header text in one font.
struct HeaderRun {
    QFont font;
    QString text;
};
// One line of a page header or footer: left, centred and right parts.
struct HeaderLine {
    std::vector<HeaderRun> parts[3];
    QFont lineFont; // font in force when the line ended (its height counts for an empty line)
};

// Reads header codes: /fn"name" /fz"size" /fb0 /fb1 /fi /fu /fk (bold, italic, underline, strike-out
// off or on), /fsN (keep the current font as font N), /fN (use font N), /l /c /r (left, centre,
// right from here on), /n (new line, left again), /p (the page number). Any other "/" is text.
std::vector<HeaderLine> parseHeaderCodes(const QString& codes, int page, const QFont& base);
// Height in pixels of the parsed lines (0 for none).
int headerHeightPx(const std::vector<HeaderLine>& lines);
// Draws the lines in the band from x over width, starting at y.
void drawHeaderLines(QPainter& p, const std::vector<HeaderLine>& lines, int x, int y, int width);

// The rows and columns of one printed page.
struct PageSlice {
    int row1 = 1;
    int row2 = 0; // row2 < row1: a page without rows
    int col1 = 1;
    int col2 = 0;
};

// Last row and column the print covers (data maximum or the whole grid).
int printLastRow(const SpreadModel& m, const PrintSettings& s);
int printLastCol(const SpreadModel& m, const PrintSettings& s);
// The scale of the printed block on a paper of the given size in pixels: 1 unless fitRows asks for
// less (see PrintSettings); never above 1, and above 0 however little room the margins leave.
double printScale(const SpreadModel& m, const PrintSettings& s, const QSize& paperPx);
// Pages for a paper of the given size in pixels (96 per inch): down the rows first, then across.
// A page starts at a row with a page break and wherever the next row does not fit at the print's
// scale; a full page ends above merged cells that would run over (unless they began on an earlier page).
std::vector<PageSlice> paginate(const SpreadModel& m, const PrintSettings& s, const QSize& paperPx);
// Prints every page; returns the number of pages, or -1 when the printer cannot be painted on.
int printGrid(const SpreadModel& m, const PrintSettings& s, QPrinter& printer);
// Draws the slice's cells with the headers, grid lines and border the settings ask for, from origin.
void drawBlock(QPainter& p, const SpreadModel& m, const PrintSettings& s, const QPoint& origin,
               const PageSlice& slice);
// Draws one page on a painter whose units are pixels at 96 per inch, the block at the given scale.
void drawPage(QPainter& p, const SpreadModel& m, const PrintSettings& s, const QSize& paperPx,
              const PageSlice& slice, int pageNumber, double scale = 1.0);

} // namespace spread
