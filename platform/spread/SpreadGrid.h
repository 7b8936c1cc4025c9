// The spreadsheet grid: cells addressed by a Row/Col cursor, spans, pictures, colours, sizes, selection,
// text export and printing of the sheet.
//
// Where each member of the old grid control went (its number, its name, the member here):
//   1      Action (0 active cell, 29 clear selection)    setAction
//   2, 3   ActiveCol, ActiveRow                          activeCol(), activeRow()
//   12     BlockMode                                     blockMode(), setBlockMode
//   18     CellType (0 date, 1 edit, 5 static text,      cellType(), setCellType (CellType enum)
//          9 picture, 10 check box "1"/"0")
//   22     Col, 102 Row (0 headers, -1 every one)        col(), setCol, row(), setRow
//   23     Col2, 103 Row2 (far corner of the block)      col2(), setCol2, row2(), setRow2
//   27     ColsFrozen                                    colsFrozen(), setColsFrozen
//   56     GridColor                                     gridColor(), setGridColor
//   60     hDCPrinter                                    setHDCPrinter(QPrinter*), hDCPrinter()
//   67, 68 MaxCols, MaxRows                              maxCols(), setMaxCols, maxRows(), setMaxRows
//   69     MaxTextCellHeight                             maxTextCellHeight()
//   76     OperationMode                                 operationMode(), setOperationMode
//   78-89  PrintAbortMsg, PrintBorder, PrintColHeaders,  setPrintAbortMsg, setPrintBorder,
//          PrintColor, PrintFooter, PrintGrid,           setPrintColHeaders, setPrintColor, setPrintFooter,
//          PrintHeader, PrintJobName, PrintMargin-       setPrintGrid, setPrintHeader, setPrintJobName,
//          Bottom/Left/Right/Top (twips)                 setPrintMarginBottom/Left/Right/Top
//   92-95  PrintRowHeaders, PrintShadows, PrintType,     setPrintRowHeaders, setPrintShadows, setPrintType,
//          PrintUseDataMax                               setPrintUseDataMax
//   (ours) rows a printed page must hold                 printFitRows(), setPrintFitRows
//   98     ReDraw                                        reDraw(), setReDraw
//   106    RowPageBreak (the cursor row)                 rowPageBreak(), setRowPageBreak
//   118    SelModeIndex                                  selModeIndex(), setSelModeIndex
//   120    SelModeSelected (the cursor row)              selModeSelected(), setSelModeSelected
//   155, 156, 158, 159, 275                              setTypeEditCharCase, setTypeEditCharSet,
//          TypeEditCharCase/CharSet/MultiLine/Password,  setTypeEditMultiLine, setTypeEditPassword,
//          TypeMaxEditLen                                setTypeEditMaxLen
//   168, 280  TypeHAlign, TypeVAlign                     setTypeHAlign, setTypeVAlign
//   176, 177, 179  TypePictCenter/MaintainScale/Stretch  setTypePictCenter/MaintainScale/Stretch
//   178    TypePictPicture                               typePictPicture(), setTypePictPicture
//   182-185  TypeTextPrefix/Shadow/ShadowIn/WordWrap     setTypeTextPrefix/Shadow/ShadowIn/WordWrap
//   191    UnitType (2 twips)                            unitType(), setUnitType
//   194    UserResizeRow                                 setUserResizeRow
//   207, 208, 211, 212  FontBold/Italic/Strikethru/      fontBold() ... setFontUnderline
//          Underline
//   209, 210  FontName, FontSize                         fontName(), setFontName, fontSize(), setFontSize
//   217, 220  ColWidth(col), RowHeight(row; -1 all)      colWidth, setColWidth, rowHeight, setRowHeight
//   235, 258  ColWidthToTwips, RowHeightToTwips          colWidthToTwips, rowHeightToTwips
//   252, 269  GetText, SetText                           getText, setText
//   259    SaveTabFile                                   saveTabFile
//   462    PrintSheet                                    printSheet
//   471, 476  DeleteRows, InsertRows (MaxRows stays)     deleteRows, insertRows
//   480, 483  SetActiveCell, ShowCell                    setActiveCell, showCell
//   481    SetCellBorder                                 setCellBorder
//   489    SelModeSelCount                               selModeSelCount()
//   490-492  AddCellSpan, GetCellSpan, RemoveCellSpan    addCellSpan, getCellSpan, removeCellSpan
//   500    SearchCol                                     searchCol
//   -501, -513  BackColor, ForeColor (0x00BBGGRR)        backColor(), setBackColor, foreColor(), setForeColor
//   -517   Text (cursor cell, block or Row -1)           text(), setTextValue
//   214, 282, 283, 285, 330, 373 (kept, not read)        setting(id), setSetting(id, value)
//   Enabled                                              QWidget::setEnabled
//   events Click, DblClick, KeyDown, GotFocus            signals of the same names (also Change and
//                                                        ButtonClicked for edited and check-box cells)
// setSetting also takes 27, 76, 191 and 194 by number and hands them to the members above.
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
    void setText(int col, int row, QString text);
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
    // 0 normal; 1 read only: no cell can be edited, and a click toggles the clicked row's selected flag
    // as in 4, so a Click handler that inverts the flag back leaves the choice unchanged; 2 row mode;
    // 3 one selected row; 4 a click toggles its row; 5 extended (Ctrl toggles, Shift extends).
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
    // 0 (the default): rows print at their height. N: the printed cells shrink (never grow; the page
    // header and footer keep their size) so that each run of rows between page breaks fits one page, a
    // run of more than N rows counted by its tallest N consecutive rows; the same scale on every page.
    int printFitRows() const;
    void setPrintFitRows(int rows);
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
