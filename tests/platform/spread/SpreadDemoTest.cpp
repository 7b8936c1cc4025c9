// A demo grid laid like a record-book month, shown on the screen and printed; with ORVANTA_SPREAD_DEMO
// set, the screen shot and the page are also written to /tmp/spread-demo.png and /tmp/spread-demo.pdf.
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QPrinter>
#include <QTableView>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/spread/SpreadGrid.h"

namespace {

// A chart-like picture: a frame, a diagonal and a caption, 440 x h pixels.
QPixmap chart(int h, const QColor& ink) {
    QPixmap pm(440, h);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setPen(ink);
    p.drawRect(0, 0, 439, h - 1);
    p.drawLine(0, 0, 439, h - 1);
    p.drawText(QRect(10, 10, 400, 30), Qt::AlignLeft, QStringLiteral("chart %1 px").arg(h));
    return pm;
}

void layLine(SpreadGrid& g, int row, int rows, bool changed, bool deleted, const QString& date,
             const QPixmap& picture) {
    const int back = changed ? 12648447 : 16777215;
    g.setBlockMode(true);
    g.setCol(1);
    g.setCol2(3);
    g.setRow(row);
    g.setRow2(row + rows - 1);
    g.setBackColor(back);
    for (int side : {1, 2, 4, 8})
        g.setCellBorder(1, row, 3, row + rows - 1, side, 0xC0C0C0, 1);
    g.setFontStrikethru(deleted);
    g.setBlockMode(false);
    g.setCol(1);
    g.setRow(row);
    g.setFontSize(8);
    g.setTextValue(date);
    g.setText(5, row, rows > 1 ? "1" : "0");
    for (int r = row + 1; r < row + rows; ++r)
        g.setText(5, r, "@");
    g.setCol(3);
    g.setRow(row);
    g.setCellType(SpreadGrid::CellTypePicture);
    g.setTypeHAlign(0);
    g.setTypeVAlign(0);
    g.addCellSpan(3, row, 1, rows);
    g.setTypePictPicture(picture);
    g.setText(4, row, QString::number(row));
}

void buildDemo(SpreadGrid& g) {
    g.setReDraw(false);
    g.setMaxCols(6);
    g.setMaxRows(24);
    g.setColWidth(1, 9);
    g.setColWidth(2, 8);
    g.setColWidth(3, 56.25);
    g.setColWidth(4, 4);
    g.setColWidth(5, 3);
    g.setColWidth(6, 7);
    g.setColHidden(4, true); // the line number stays in the grid but is not shown
    g.setRowHeight(-1, 15);
    g.setText(1, 0, QStringLiteral("日付"));
    g.setText(2, 0, QStringLiteral("部位"));
    g.setText(3, 0, QStringLiteral("内容"));
    g.setCol(-1);
    g.setRow(-1);
    g.setFontName(QStringLiteral("ＭＳ ゴシック"));
    g.setFontSize(10);
    g.setCol(1);
    g.setCellType(SpreadGrid::CellTypeStaticText);
    g.setTypeVAlign(2);

    layLine(g, 1, 3, false, false, QStringLiteral("平15/01/20"), chart(3 * 22, Qt::darkBlue));
    layLine(g, 4, 5, true, false, QStringLiteral("平15/02/03"), chart(5 * 22 + 30, Qt::darkGreen)); // clipped
    layLine(g, 9, 2, false, true, QStringLiteral("平15/02/17"), chart(2 * 22, Qt::darkRed));
    // A small tooth-part picture in column 2 of the first line.
    QPixmap part(40, 16);
    part.fill(QColor(255, 220, 220));
    g.setCol(2);
    g.setRow(1);
    g.setCellType(SpreadGrid::CellTypePicture);
    g.setTypePictPicture(part);
    g.setText(6, 11, QStringLiteral("Strike ｽﾄﾗｲｸ 取消"));
    g.setCol(6);
    g.setRow(11);
    g.setFontStrikethru(true);
    g.setForeColor(0x0000FF);
    g.setText(6, 12, QStringLiteral("blue back"));
    g.setRow(12);
    g.setBackColor(0xFF0000);
    g.setForeColor(0xFFFFFF);
    g.setReDraw(true);
}

} // namespace

TEST(SpreadDemo, ScreenAndPageShowPicturesSpansAndStrikeOut) {
    SpreadGrid g;
    buildDemo(g);
    g.resize(820, 560);
    g.show();
    const QImage shot = g.grab().toImage();
    ASSERT_FALSE(shot.isNull());
    // The clipped chart of the second line ends at its span: the row below it is white.
    QTableView* v = g.view();
    const QPoint origin = v->viewport()->mapTo(&g, QPoint(0, 0));
    const QRect span = v->visualRect(v->model()->index(3, 2)); // rows 4..8, column 3
    EXPECT_EQ(span.height(), 5 * 22);
    EXPECT_EQ(g.getText(4, 4), "4");
    EXPECT_TRUE(v->isColumnHidden(3));
    EXPECT_EQ(shot.pixel(origin + span.topLeft()), QColor(Qt::darkGreen).rgb());
    EXPECT_EQ(shot.pixel(origin + span.bottomLeft() + QPoint(5, 3)), qRgb(255, 255, 255));

    QTemporaryDir dir;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(dir.filePath("demo.pdf"));
    g.setPrintHeader(
        QStringLiteral("/fn\"ＭＳ 明朝\"/fz\"18\"/fs1/f1/c歯　科　診　療　録/n/fz\"10\"/fb1demo"));
    g.setPrintFooter(QStringLiteral("/c/fn\"ＭＳ ゴシック\"/fz\"12\"Page /p"));
    g.setPrintMarginTop(567);
    g.setPrintMarginBottom(283.5);
    g.setPrintMarginLeft(567);
    g.setPrintMarginRight(567);
    ASSERT_TRUE(g.printSheet(&printer));
    EXPECT_EQ(g.lastPrintPageCount(), 1);
    EXPECT_GT(QFile(dir.filePath("demo.pdf")).size(), 1000);

    if (!qEnvironmentVariableIsEmpty("ORVANTA_SPREAD_DEMO")) {
        shot.save("/tmp/spread-demo.png");
        QFile::remove("/tmp/spread-demo.pdf");
        QFile::copy(dir.filePath("demo.pdf"), "/tmp/spread-demo.pdf");
    }
}
