#include "app/recordbook/KarteMonthView.h"

#include <QCoreApplication>
#include <QDate>

#include "app/recordbook/KarteCharts.h"
#include "app/recordbook/KarteMonthChain.h"
#include "app/recordcore/KarteGlobals.h"
#include "app/recordcore/KarteTrap.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"
#include "platform/gdi/GdiFont.h"
#include "platform/spread/SpreadGrid.h"
#include "platform/text/Era.h"

namespace MdlKarteMain {
namespace {

const QString kGothic = QStringLiteral("ＭＳ ゴシック");
const QString kCrLf = QStringLiteral("\r\n");

// Rows of an empty month, and the free rows after the last line of a month.
constexpr int kEmptyMonthRows = 30;
constexpr int kSpareRows = 15;

bool isDeleted(const QString& delMark) {
    return delMark == QLatin1String("1");
}

int lineColor(bool changed) {
    return changed ? kUnsavedColor : kSavedColor;
}

// The font of the cursor cells with every flag off.
void plainFont(SpreadGrid& g, double size) {
    g.setFontName(kGothic);
    g.setFontSize(size);
    g.setFontBold(false);
    g.setFontItalic(false);
    g.setFontStrikethru(false);
    g.setFontUnderline(false);
}

// The cursor cells as empty static text, top-left aligned; the date column wraps, the hidden ones do not.
void emptyStaticText(SpreadGrid& g, bool wordWrap) {
    g.setCellType(SpreadGrid::CellTypeStaticText);
    g.setSetting(373, 0);
    g.setSetting(330, false);
    g.setTypeHAlign(0);
    g.setTypeVAlign(0);
    g.setTypeTextShadow(false);
    g.setTypeTextShadowIn(false);
    g.setTypeTextWordWrap(wordWrap);
    g.setTypeTextPrefix(false);
    g.setTextValue(QString());
}

void enablePageButtons(KarteSheet& sheet) {
    if (auto* next = sheet.CmdPageCange[0].data())
        next->setEnabled(gLngMonthNextRec != 0);
    if (auto* prev = sheet.CmdPageCange[1].data()) {
        bool on = false;
        if (gLngMonthFirstRec != 0 && gLngMonthFirstRec != gIntKarteHead)
            on = lineAt(gLngMonthFirstRec).prv_rec_no != 0;
        prev->setEnabled(on);
    }
}

// Keeps the screen busy while a month is laid: no click gets in halfway, the window stays put.
class LayingGuard {
public:
    explicit LayingGuard(KarteSheet& sheet) : sheet_(sheet), wasLaying_(sheet.laying) {
        sheet_.laying = true;
        if (QWidget* f = sheet_.form.data()) {
            wasEnabled_ = f->isEnabled();
            f->setEnabled(false);
        }
    }
    ~LayingGuard() {
        sheet_.laying = wasLaying_;
        if (QWidget* f = sheet_.form.data())
            f->setEnabled(wasEnabled_);
    }

private:
    KarteSheet& sheet_;
    bool wasLaying_;
    bool wasEnabled_ = true;
};

} // namespace

QString karteEraDate(const QString& stored) {
    const QDate date = QDate::fromString(stored, QStringLiteral("yyyy/MM/dd"));
    if (!date.isValid() || era::eraIndex(date) < 0)
        return stored;
    return era::format(date, QStringLiteral("ggee/mm/dd"));
}

long lineRows(KarteSheet& sheet, const KarteLine& line) {
    if (line.obj_id == kObjAppeals)
        return PSuKarteTextDraw(sheet, appealsAt(line.detail_index).appeals, line.changed, line.del_mark);
    if (line.obj_id == kObjInspection) {
        const QString& cls = sisyuKensaAt(line.detail_index).inspection_cls;
        if (cls == QLatin1String("1"))
            return 12;
        if (cls == QLatin1String("2"))
            return 20;
        if (cls == QLatin1String("3") || cls == QLatin1String("4") || cls == QLatin1String("5"))
            return 7;
        return 1;
    }
    if (line.obj_id == kObjInstruction)
        return 8;
    return 1;
}

bool PFuBolKarteMonthDisp(KarteSheet& sheet, long selectRec) {
    SpreadGrid& g = sheet.grid();
    try {
        LayingGuard busy(sheet);
        g.setReDraw(false);
        const std::vector<long> recs = monthRecs();
        g.setMaxRows(gLngMonthFirstRec == 0 ? kEmptyMonthRows : static_cast<int>(recs.size()) + kSpareRows);
        PSuKarteRowFormat(sheet, 0);

        long row = 1;
        long selectedRow = 0;
        for (long rec : recs) {
            QCoreApplication::processEvents();
            long rowsUsed = 0;
            long r = rec;
            bool keepRows = false;
            const long first = row;
            if (!PFlBolKarteSpdDataSet(sheet, row, r, rowsUsed, keepRows)) {
                g.setReDraw(true);
                return false;
            }
            if (selectRec > 0 && selectRec == rec)
                selectedRow = first;
            row = first + rowsUsed;
        }

        if (selectedRow > 0) {
            g.setActiveCell(1, static_cast<int>(selectedRow));
        } else if (!recs.empty()) {
            g.showCell(1, std::max(1, g.maxRows() - kEmptyMonthRows), 0);
            g.setActiveCell(1, g.maxRows() - (kSpareRows - 1));
        } else {
            g.showCell(1, 1, 0);
            g.setActiveCell(1, 1);
        }
        g.setReDraw(true);
        enablePageButtons(sheet);
        return true;
    } catch (const std::exception& e) {
        g.setReDraw(true);
        return trapped(QStringLiteral("PFuBolKarteMonthDisp"), QStringLiteral("900"), e,
                       EnMsgDispIcon::Manual, kCrLf + errorDescription(e));
    }
}

bool PFlBolKarteSpdDataSet(KarteSheet& sheet, long& row, long& rec, long& rowsUsed, bool& keepRows) {
    SpreadGrid& g = sheet.grid();
    try {
        const KarteLine& line = lineAt(rec);
        const bool rowFree = g.getText(4, static_cast<int>(row)).isEmpty();
        // Every line sets its own row count, so no line is ever laid over the next.
        rowsUsed = lineRows(sheet, line);

        if (!keepRows && rowFree) {
            if (row == g.maxRows())
                PSuKarteRowInsert(sheet, g.maxRows() + 1, 4);
            if (rowsUsed > 1)
                PSuKarteRowInsert(sheet, row, rowsUsed - 1);
        }
        const int top = static_cast<int>(row);
        const int bottom = static_cast<int>(row + rowsUsed - 1);

        if (rowsUsed <= 1) {
            g.setText(5, top, QStringLiteral("0"));
        } else {
            g.setText(5, top, QStringLiteral("1"));
            for (int r = top + 1; r <= bottom; ++r)
                g.setText(5, r, QStringLiteral("@"));
        }

        g.setBlockMode(true);
        g.setCol(1);
        g.setCol2(3);
        g.setRow(top);
        g.setRow2(bottom);
        g.setBackColor(lineColor(line.changed));
        for (int side : {SpreadGrid::BorderLeft, SpreadGrid::BorderRight, SpreadGrid::BorderTop,
                         SpreadGrid::BorderBottom})
            g.setCellBorder(1, top, 3, bottom, side, kLineBorderColor, 1);
        g.setFontStrikethru(isDeleted(line.del_mark));
        g.setBlockMode(false);

        g.setCol(1);
        g.setRow(top);
        g.setFontSize(8);
        g.setText(1, top, karteEraDate(line.karte_date));

        PSuSetPartCell(sheet, 2, top, line.part, line.part_text, line.changed, line.del_mark);

        if (line.obj_id == kObjAppeals) {
            FuLngKarteSpdPictSet(sheet, 3, top);
        } else {
            bool chart = true;
            g.setRow(top); // the charts size themselves from the current row
            if (line.obj_id == kObjInstruction) {
                SuDrawObJittisidou(sheet.ImageCanvas1, g, line.detail_index, line.del_mark);
            } else if (line.obj_id == kObjInspection &&
                       sisyuKensaAt(line.detail_index).inspection_cls == QLatin1String("1")) {
                PSuDrawKihonKensa(sheet.ImageCanvas1, g, line.detail_index, line.del_mark);
            } else if (line.obj_id == kObjInspection &&
                       sisyuKensaAt(line.detail_index).inspection_cls == QLatin1String("2")) {
                SuDrawSeimituKensa(sheet.ImageCanvas1, g, line.detail_index, line.del_mark);
            } else {
                chart = false;
            }
            if (chart)
                PSuSetCanvasCell(sheet, 3, top, 3, bottom);
        }

        g.setText(4, top, QString::number(line.rec_no));
        g.setText(6, top, line.karte_date);
        return true;
    } catch (const std::exception& e) {
        g.setBlockMode(false);
        g.setReDraw(true);
        return stepFailed(QStringLiteral("PFlBolKarteSpdDataSet"), QStringLiteral("900"), e);
    }
}

long PSuKarteTextDraw(KarteSheet& sheet, const QString& text, bool changed, const QString& delMark) {
    sheet.PicText1.setBackColor(static_cast<gdi::OleColor>(lineColor(changed)));
    sheet.PicText1.setPPoBolDelMark(isDeleted(delMark));
    sheet.PicText1.setPPoStrDText(text);
    return sheet.PicText1.CellRows();
}

// The picture-cell settings every picture cell of a line gets.
static void pictureCell(SpreadGrid& g, long col, long row, const QPixmap& picture, bool keepStretch) {
    g.setCol(static_cast<int>(col));
    g.setRow(static_cast<int>(row));
    g.setCellType(SpreadGrid::CellTypePicture);
    g.setTypeHAlign(0);
    g.setTypeVAlign(0);
    g.setTypePictMaintainScale(false);
    if (!keepStretch)
        g.setTypePictStretch(false);
    g.setTypePictPicture(picture);
}

long FuLngKarteSpdPictSet(KarteSheet& sheet, long col, long row) {
    SpreadGrid& g = sheet.grid();
    const long rows = sheet.PicText1.CellRows();
    g.setBlockMode(false);
    for (long r = row; r < row + rows; ++r)
        PSuRemoveCellSpan(g, r, col);
    g.addCellSpan(static_cast<int>(col), static_cast<int>(row), 1, static_cast<int>(rows));
    pictureCell(g, col, row, QPixmap::fromImage(sheet.PicText1.Picture()), false);
    return rows;
}

void PSuSetPartCell(KarteSheet& sheet, long col, long row, const QString& part, const QString& partText,
                    bool changed, const QString& delMark) {
    PicPart& p = sheet.PicPart1;
    p.setBackColor(static_cast<gdi::OleColor>(lineColor(changed)));
    p.setPPoBolDelMark(isDeleted(delMark));
    p.setPPoStrParts33(part);
    p.setPPoStrPartsText(partText);
    p.PSuRedraw();
    pictureCell(sheet.grid(), col, row, QPixmap::fromImage(p.Picture()), false);
}

void PSuSetCanvasCell(KarteSheet& sheet, long col1, long row1, long col2, long row2) {
    SpreadGrid& g = sheet.grid();
    g.setBlockMode(false);
    for (long r = row1; r <= row2; ++r)
        for (long c = col1; c <= col2; ++c)
            PSuRemoveCellSpan(g, r, c);
    g.addCellSpan(static_cast<int>(col1), static_cast<int>(row1), static_cast<int>(col2 - col1 + 1),
                  static_cast<int>(row2 - row1 + 1));
    pictureCell(g, col1, row1, QPixmap::fromImage(sheet.ImageCanvas1.PFuGetPicture()), true);
}

void PSuRemoveCellSpan(SpreadGrid& grid, long row, long col) {
    const int r1 = row == -1 ? 0 : static_cast<int>(row);
    const int r2 = row == -1 ? grid.maxRows() : static_cast<int>(row);
    const int c1 = col == -1 ? 1 : static_cast<int>(col);
    const int c2 = col == -1 ? grid.maxCols() : static_cast<int>(col);
    for (int r = r1; r <= r2; ++r) {
        for (int c = c1; c <= c2; ++c) {
            int anchorCol = 0;
            int anchorRow = 0;
            if (grid.getCellSpan(c, r, &anchorCol, &anchorRow, nullptr, nullptr))
                grid.removeCellSpan(anchorCol, anchorRow);
        }
    }
}

void PSuKarteRowFormat(KarteSheet& sheet, long row) {
    SpreadGrid& g = sheet.grid();
    const bool all = row == 0;
    g.setBlockMode(false);
    if (all)
        PSuRemoveCellSpan(g, -1, -1);
    g.setRow(all ? -1 : static_cast<int>(row));
    if (all) {
        for (int r = 0; r <= g.maxRows(); ++r)
            g.setRowHeight(r, kKarteRowHeight);
    } else {
        g.setRowHeight(static_cast<int>(row), kKarteRowHeight);
    }
    g.setUserResizeRow(2);

    g.setCol(1);
    emptyStaticText(g, true);

    g.setCol(2);
    g.setCellType(SpreadGrid::CellTypePicture);
    g.setTypeHAlign(0);
    g.setTypeVAlign(2);
    g.setTypePictMaintainScale(false);
    g.setTypePictStretch(false);
    g.setTypePictPicture(QPixmap());

    g.setCol(3);
    g.setCellType(SpreadGrid::CellTypeEdit);
    g.setSetting(373, 0);
    g.setSetting(330, false);
    g.setTypeHAlign(0);
    g.setTypeVAlign(2);
    g.setTypeEditCharSet(0);
    g.setTypeEditCharCase(1);
    g.setTypeEditMultiLine(true);
    g.setTypeEditPassword(false);
    g.setTypeEditMaxLen(256);
    g.setTextValue(QString());

    g.setBlockMode(true);
    g.setRow(all ? 1 : static_cast<int>(row));
    g.setRow2(all ? g.maxRows() : static_cast<int>(row));
    g.setCol(4);
    g.setCol2(g.maxCols());
    emptyStaticText(g, false);

    g.setCol(3);
    g.setCol2(g.maxCols());
    plainFont(g, 10);

    g.setCol(1);
    g.setCol2(1);
    plainFont(g, 8);
    g.setTypeHAlign(0);
    g.setTypeVAlign(2);

    g.setCol(1);
    g.setCol2(3);
    g.setBackColor(kSavedColor);
    g.setBlockMode(false);
}

void PSuKarteRowInsert(KarteSheet& sheet, long row, long count) {
    SpreadGrid& g = sheet.grid();
    g.setMaxRows(g.maxRows() + static_cast<int>(count));
    g.insertRows(static_cast<int>(row), static_cast<int>(count));
    for (long r = row; r < row + count; ++r)
        PSuKarteRowFormat(sheet, r);
}

namespace {

// Width of the column and height of row 1, both in twips; the cursor left on (col, 1).
QSize cellTwips(SpreadGrid& g, long col) {
    g.setRow(1);
    g.setCol(static_cast<int>(col));
    return {g.colWidthToTwips(g.colWidth(static_cast<int>(col))), g.rowHeightToTwips(g.rowHeight(1))};
}

} // namespace

void PSuPicTextInit(KarteSheet& sheet, long col) {
    SpreadGrid& g = sheet.grid();
    const QSize cell = cellTwips(g, col);
    PicText& t = sheet.PicText1;
    t.setBackColor(static_cast<gdi::OleColor>(g.backColor()));
    t.setForeColor(static_cast<gdi::OleColor>(g.foreColor()));
    t.setCellBorderColor(static_cast<gdi::OleColor>(g.gridColor()));
    t.setCellWidth(cell.width());
    t.setCellHeight(cell.height());
    t.setCellBorderWidth(1);
    t.setFont(gdi::logicalFont(kGothic, 12));
    t.setFontFullDP(gdi::logicalFont(kGothic, 8));
    t.setFontHalfDP(gdi::logicalFont(kGothic, 12));
}

void PSuPicPartInit(KarteSheet& sheet, long col) {
    SpreadGrid& g = sheet.grid();
    const QSize cell = cellTwips(g, col);
    PicPart& p = sheet.PicPart1;
    p.setBackColor(static_cast<gdi::OleColor>(g.backColor()));
    p.setForeColor(static_cast<gdi::OleColor>(g.foreColor()));
    p.setCellWidth(cell.width());
    p.setCellHeight(cell.height());
}

void PSuKarteSheetDesign(KarteSheet& sheet) {
    SpreadGrid& g = sheet.grid();
    g.setMaxCols(6);
    g.setDisplayColHeaders(false);
    g.setDisplayRowHeaders(false);
    g.setGridColor(kLineBorderColor);
    g.setColWidth(1, 9);
    g.setColWidth(2, 10);
    g.setColWidth(3, 56);
    for (int c = 4; c <= 6; ++c)
        g.setColHidden(c, true);
    g.setMaxRows(kEmptyMonthRows);
    sheet.ImageCanvas1.setBackColor(0xFFFFC0);
    sheet.ImageCanvas1.setFont(gdi::logicalFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
}

void PSuKarteSheetInit(KarteSheet& sheet) {
    PSuKarteRowFormat(sheet, 1);
    PSuPicPartInit(sheet, 2);
    PSuPicTextInit(sheet, 3);
    PSuImageCanvasInit(sheet);
}

void PSuImageCanvasInit(KarteSheet& sheet) {
    try {
        SpreadGrid& g = sheet.grid();
        sheet.ImageCanvas1.setWidth(g.colWidthToTwips(g.colWidth(3)));
    } catch (const std::exception& e) {
        PFuBolPutLog(QStringLiteral("PSuImageCanvasInit"), errorDescription(e));
        throw;
    }
}

} // namespace MdlKarteMain
