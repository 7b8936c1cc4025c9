// The spreadsheet grid: cells addressed by a Row/Col cursor, spans, pictures, colours, sizes, selection,
// text export and printing of the sheet.
#pragma once
#include <QPixmap>
#include <QString>
#include <QVariant>
#include <QWidget>

class QPrinter;
class QTableView;

namespace spread {
class SpreadModel;
class SpreadView;
class SpreadDelegate;
} // namespace spread

// One grid control. Columns and rows count from 1; row 0 is the column-header row, column 0 the
// row-header column. Cell settings go to the cell under the addressing cursor (Row, Col), or to every row
// when Row is -1, every column when Col is -1, or to the block Col..Col2 x Row..Row2 in block mode.
// The cursor is never the user's active cell: moving it changes nothing on screen.
class SpreadGrid : public QWidget {
    Q_OBJECT
public:
    // Cell types, numbered as the program sets them.
    enum CellType {
        CellTypeDate = 0,
        CellTypeEdit = 1,
        CellTypeStaticText = 5,
        CellTypePicture = 9,
        CellTypeCheckBox = 10,
    };
    // Sides of a cell border, combined by OR.
    enum BorderSide { BorderLeft = 1, BorderRight = 2, BorderTop = 4, BorderBottom = 8 };
    // Actions.
    enum Action { ActionActiveCell = 0, ActionSelModeClear = 29 };
    // Units of ColWidth/RowHeight (UnitType): grid units, or twips.
    enum UnitType { UnitNormal = 0, UnitTwips = 2 };

    explicit SpreadGrid(QWidget* parent = nullptr);
    ~SpreadGrid() override;

    // --- size and addressing -------------------------------------------------------------------------
    int maxRows() const;
    void setMaxRows(int rows);
    int maxCols() const;
    void setMaxCols(int cols);
    int row() const;
    void setRow(int row);
    int col() const;
    void setCol(int col);
    int row2() const;
    void setRow2(int row);
    int col2() const;
    void setCol2(int col);
    bool blockMode() const;
    void setBlockMode(bool on);
    // The user's active cell; 0 when the grid has no rows (or no columns).
    int activeRow() const;
    int activeCol() const;
    void setActiveCell(int col, int row);
    // Scrolls so the cell is visible; position 0 puts it at the top-left of the view.
    void showCell(int col, int row, int position);
    // 0: make the cursor cell the active cell; 29: clear every selected row and block.
    void setAction(int action);

    // --- cells ---------------------------------------------------------------------------------------
    // "" when empty, for a picture cell or outside the grid.
    QString getText(int col, int row) const;
    bool getText(int col, int row, QString& out) const;
    void setText(int col, int row, const QString& text);
    // Text of the cursor cell; setting it fills the cursor cell, row -1 or the block.
    QString text() const;
    void setTextValue(const QString& text);
    int cellType() const;
    void setCellType(int type);
    QPixmap typePictPicture() const;
    void setTypePictPicture(const QPixmap& picture);
    // 0 left/top, 1 right/bottom, 2 centre.
    void setTypeHAlign(int align);
    void setTypeVAlign(int align);
    void setTypeTextWordWrap(bool on);
    void setTypeEditMultiLine(bool on);
    void setTypeEditMaxLen(int len);
    void setTypeEditCharCase(int mode);
    void setTypeEditCharSet(int set);
    void setTypeEditPassword(bool on);
    void setTypePictCenter(bool on);
    void setTypePictMaintainScale(bool on);
    void setTypePictStretch(bool on);
    void setTypeTextPrefix(bool on);
    void setTypeTextShadow(bool on);
    void setTypeTextShadowIn(bool on);
    // Display pattern of date cells (era tokens as in platform/text/Era.h); default "gee/mm/dd".
    void setTypeDateFormat(const QString& pattern);
    // Check box text of a checked cell is "1", of an unchecked one "0".
    bool cellChecked(int col, int row) const;

    // --- rows and spans ------------------------------------------------------------------------------
    // Blank rows before `row`; MaxRows stays, the bottom `count` rows fall off.
    void insertRows(int row, int count);
    // Rows removed; MaxRows stays, blank rows appear at the bottom.
    void deleteRows(int row, int count);
    void addCellSpan(int col, int row, int numCols, int numRows);
    // True when the cell belongs to a span; the outputs get the anchor and the size (any may be null).
    bool getCellSpan(int col, int row, int* anchorCol, int* anchorRow, int* numCols, int* numRows) const;
    void removeCellSpan(int anchorCol, int anchorRow);
    // Sides (BorderSide) of every cell in col..col2 x row..row2; colour in Windows BGR, style 0 none, 1
    // solid.
    void setCellBorder(int col, int row, int col2, int row2, int type, int color, int style);

    // --- sizes and units -----------------------------------------------------------------------------
    double colWidth(int col) const;
    void setColWidth(int col, double width);
    bool colHidden(int col) const;
    void setColHidden(int col, bool hidden);
    double rowHeight(int row) const;
    void setRowHeight(int row, double height);
    // Height in row units that the cursor cell's text needs at its column width and font (wrapped).
    double maxTextCellHeight() const;
    int colWidthToTwips(double width) const;
    int rowHeightToTwips(double height) const;
    double twipsToColWidth(int twips) const;
    double twipsToRowHeight(int twips) const;
    int unitType() const;
    void setUnitType(int type);
    // Pixel sizes behind the units (15 twips per pixel).
    int colWidthPixels(int col) const;
    int rowHeightPixels(int row) const;

    // --- look ----------------------------------------------------------------------------------------
    bool reDraw() const;
    void setReDraw(bool on);
    QString fontName() const;
    void setFontName(const QString& name);
    double fontSize() const;
    void setFontSize(double points);
    bool fontBold() const;
    void setFontBold(bool on);
    bool fontItalic() const;
    void setFontItalic(bool on);
    bool fontStrikethru() const;
    void setFontStrikethru(bool on);
    bool fontUnderline() const;
    void setFontUnderline(bool on);
    // Colours are Windows values 0x00BBGGRR.
    int backColor() const;
    void setBackColor(int bgr);
    int foreColor() const;
    void setForeColor(int bgr);
    int gridColor() const;
    void setGridColor(int bgr);
    bool displayColHeaders() const;
    void setDisplayColHeaders(bool on);
    bool displayRowHeaders() const;
    void setDisplayRowHeaders(bool on);
    int colsFrozen() const;
    void setColsFrozen(int cols);
    // 0 lets the user resize rows; 2 (or 1) keeps them fixed.
    void setUserResizeRow(int mode);
    void setUserResizeCol(int mode);

    // --- selection -----------------------------------------------------------------------------------
    bool selModeSelected() const;
    void setSelModeSelected(bool on);
    int selModeSelCount() const;
    int selModeIndex() const;
    void setSelModeIndex(int row);
    int operationMode() const;
    // 0 normal; 1 read only (clicks move the active cell, selection stays as the program sets it);
    // 2 and above select whole rows.
    void setOperationMode(int mode);
    // First row after row1, up to row2, whose text in `col` equals `text` whole (the search starts after
    // row1, so 0 searches from row 1); -1 when none. Every flags value matches exact whole text.
    int searchCol(int col, int row1, int row2, const QString& text, int flags) const;

    // --- files and printing --------------------------------------------------------------------------
    // Tab-separated cells, CR LF after each row, CP932 bytes; rows and columns up to the last that holds
    // data. Throws VbError (75) when the file cannot be written.
    bool saveTabFile(const QString& path) const;
    void setHDCPrinter(QPrinter* printer);
    QPrinter* hDCPrinter() const;
    // Prints every page to the given printer (or the one set by setHDCPrinter; no dialog is shown, the
    // caller's print set-up chose the printer). False when there is none or it cannot be painted on.
    bool printSheet(QPrinter* printer);
    bool printSheet(bool showDialog = false);
    int lastPrintPageCount() const;
    QString printAbortMsg() const;
    void setPrintAbortMsg(const QString& text);
    bool printBorder() const;
    void setPrintBorder(bool on);
    bool printColHeaders() const;
    void setPrintColHeaders(bool on);
    bool printColor() const;
    void setPrintColor(bool on);
    QString printFooter() const;
    void setPrintFooter(const QString& codes);
    bool printGrid() const;
    void setPrintGrid(bool on);
    QString printHeader() const;
    void setPrintHeader(const QString& codes);
    QString printJobName() const;
    void setPrintJobName(const QString& name);
    double printMarginBottom() const;
    void setPrintMarginBottom(double twips);
    double printMarginLeft() const;
    void setPrintMarginLeft(double twips);
    double printMarginRight() const;
    void setPrintMarginRight(double twips);
    double printMarginTop() const;
    void setPrintMarginTop(double twips);
    bool printRowHeaders() const;
    void setPrintRowHeaders(bool on);
    bool printShadows() const;
    void setPrintShadows(bool on);
    int printType() const;
    void setPrintType(int type);
    bool printUseDataMax() const;
    void setPrintUseDataMax(bool on);
    // A page starts before the cursor row (row -1: every row).
    bool rowPageBreak() const;
    void setRowPageBreak(bool on);

    // Settings the program sets by number with fixed values and nothing here reads back.
    QVariant setting(int id) const;
    void setSetting(int id, const QVariant& value);

    // --- inside access (views, tests) ----------------------------------------------------------------
    QTableView* view() const;
    // Paints the cells col1..col2 x row1..row2 (with headers when asked) as on screen at `topLeft`.
    void renderCells(class QPainter& painter, const QPoint& topLeft, int col1, int row1, int col2, int row2,
                     bool colHeaders, bool rowHeaders) const;

signals:
    void Click(int col, int row);
    void DblClick(int col, int row);
    void KeyDown(int keyCode, int shift);
    void GotFocus();
    // An edit, date or check-box cell changed by the user.
    void Change(int col, int row);
    // A check-box cell clicked by the user (after its text changed).
    void ButtonClicked(int col, int row, int buttonDown);

private:
    friend class spread::SpreadView;
    struct Impl;
    Impl* d;
};
