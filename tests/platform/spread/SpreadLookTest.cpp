// Units, text heights and what the grid paints: pictures, colours, borders, strike-out.
#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include "platform/spread/SpreadGrid.h"
#include "platform/spread/SpreadPaint.h"

#include <QTableView>

namespace {

// The grid's cells 1..cols x 1..rows painted without headers on a white image.
QImage render(const SpreadGrid& g, int cols, int rows) {
    int w = 0, h = 0;
    for (int c = 1; c <= cols; ++c)
        w += g.colWidthPixels(c);
    for (int r = 1; r <= rows; ++r)
        h += g.rowHeightPixels(r);
    QImage img(w + 10, h + 10, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    g.renderCells(p, QPoint(0, 0), 1, 1, cols, rows, false, false);
    return img;
}

QRgb rgb(int r, int g, int b) {
    return qRgb(r, g, b);
}

} // namespace

TEST(SpreadUnits, RowAndColumnUnitsConvertToWholePixels) {
    SpreadGrid g;
    EXPECT_EQ(g.rowHeightToTwips(15), 330);
    EXPECT_DOUBLE_EQ(g.twipsToRowHeight(330), 15.0);
    EXPECT_EQ(g.colWidthToTwips(56.25), 6750);
    EXPECT_DOUBLE_EQ(g.twipsToColWidth(6750), 56.25);
    for (double h : {0.5, 7.3, 12.34, 15.0, 21.9, 100.01})
        EXPECT_EQ(g.rowHeightToTwips(h) % 15, 0) << h;
    for (double w : {3.12, 10.12, 31.25, 46.75})
        EXPECT_EQ(g.colWidthToTwips(w) % 15, 0) << w;

    g.setMaxCols(6);
    g.setMaxRows(3);
    g.setRowHeight(2, 15);
    EXPECT_EQ(g.rowHeightPixels(2), 22);
    EXPECT_DOUBLE_EQ(g.rowHeight(2), 15.0);
    g.setColWidth(3, 56.25);
    EXPECT_EQ(g.colWidthPixels(3), 450);
    EXPECT_EQ(g.colWidthToTwips(g.colWidth(3)), 6750);
    // A canvas sized from the twips of a row fills the row exactly.
    EXPECT_EQ(g.rowHeightToTwips(g.rowHeight(2)) / 15, g.rowHeightPixels(2));
}

TEST(SpreadUnits, TwipsUnitTypeAndAllRowsHeight) {
    SpreadGrid g;
    g.setMaxCols(4);
    g.setMaxRows(2);
    g.setSetting(191, 2);
    g.setRowHeight(-1, 360);
    EXPECT_EQ(g.rowHeightPixels(1), 24);
    EXPECT_EQ(g.rowHeightPixels(2), 24);
    EXPECT_DOUBLE_EQ(g.rowHeight(1), 360.0);
    g.setMaxRows(5);
    EXPECT_EQ(g.rowHeightPixels(5), 24); // rows added later take the new height
    g.setSetting(27, g.setting(67).toInt());
    EXPECT_EQ(g.colsFrozen(), 4);
}

TEST(SpreadUnits, MaxTextCellHeightWrapsOnlyInMultiLineCells) {
    SpreadGrid g;
    g.setMaxCols(5);
    g.setMaxRows(3);
    g.setColWidth(5, 12); // 96 px
    const QString address = QStringLiteral("東京都千代田区千代田一丁目一番一号　皇居東御苑管理事務所内");
    g.setText(5, 1, address);
    g.setText(5, 2, "short");

    g.setCol(5);
    g.setRow(2);
    const double oneLine = g.maxTextCellHeight();
    g.setRow(1);
    EXPECT_DOUBLE_EQ(g.maxTextCellHeight(), oneLine); // an edit cell keeps one line

    g.setRow(-1);
    g.setCellType(SpreadGrid::CellTypeStaticText);
    g.setTypeTextWordWrap(true);
    g.setRow(1);
    const double wrapped = g.maxTextCellHeight();
    EXPECT_GT(wrapped, oneLine * 3);

    // Col := 5; Row := 1; h := MaxTextCellHeight; RowHeight(1) := h
    g.setRowHeight(1, wrapped);
    const int px = g.rowHeightPixels(1);
    const QFont f = spread::makeFont(g.fontName(), g.fontSize());
    EXPECT_EQ(px, spread::textHeightPx(f, address, g.colWidthPixels(5), true));
    EXPECT_NEAR(g.rowHeight(1), wrapped, 1e-9);

    // A wider column needs fewer lines; a bigger font more height.
    g.setColWidth(5, 80);
    EXPECT_LT(g.maxTextCellHeight(), wrapped);
    g.setFontSize(20);
    EXPECT_GT(g.maxTextCellHeight(), oneLine);

    // Explicit line breaks count in a multi-line edit cell.
    g.setRow(3);
    g.setCellType(SpreadGrid::CellTypeEdit);
    g.setTypeEditMultiLine(true);
    g.setTextValue("a\r\nb\r\nc");
    g.setFontSize(9);
    const double three = g.maxTextCellHeight();
    g.setTypeEditMultiLine(false);
    EXPECT_GT(three, g.maxTextCellHeight() * 2);
}

TEST(SpreadUnits, FontNamesAreSubstitutedAndSizedInPixels) {
    EXPECT_EQ(spread::substituteFontFamily(QStringLiteral("ＭＳ ゴシック")), "IPAGothic");
    EXPECT_EQ(spread::substituteFontFamily(QStringLiteral("ＭＳ Ｐゴシック")), "IPAPGothic");
    EXPECT_EQ(spread::substituteFontFamily(QStringLiteral("ＭＳ 明朝")), "IPAMincho");
    EXPECT_EQ(spread::substituteFontFamily("DejaVu Sans"), "DejaVu Sans");
    EXPECT_EQ(spread::makeFont(QStringLiteral("ＭＳ ゴシック"), 12).pixelSize(), 16);
    EXPECT_EQ(spread::makeFont(QStringLiteral("ＭＳ ゴシック"), 10).pixelSize(), 13);
    SpreadGrid g;
    g.setMaxCols(2);
    g.setMaxRows(2);
    g.setFontName(QStringLiteral("ＭＳ ゴシック"));
    EXPECT_EQ(g.fontName(), QStringLiteral("ＭＳ ゴシック")); // read back as set
}

TEST(SpreadLook, ColoursAreWindowsBgrValues) {
    SpreadGrid g;
    g.setMaxCols(3);
    g.setMaxRows(1);
    g.setRow(1);
    g.setCol(1);
    g.setBackColor(255);
    g.setCol(2);
    g.setBackColor(0xFF0000);
    g.setCol(3);
    g.setBackColor(0x408040);
    const QImage img = render(g, 3, 1);
    EXPECT_EQ(img.pixel(5, 5), rgb(255, 0, 0));
    EXPECT_EQ(img.pixel(g.colWidthPixels(1) + 5, 5), rgb(0, 0, 255));
    EXPECT_EQ(img.pixel(g.colWidthPixels(1) * 2 + 5, 5), rgb(64, 128, 64));
    EXPECT_EQ(g.gridColor(), 0xC0C0C0);
    // The grid line is the last pixel column of the cell.
    EXPECT_EQ(img.pixel(g.colWidthPixels(1) - 1, 5), rgb(192, 192, 192));
}

TEST(SpreadLook, PicturesSitTopLeftUnscaledAndClippedToTheSpan) {
    SpreadGrid g;
    g.setMaxCols(3);
    g.setMaxRows(6);
    g.setColWidth(-1, 10); // 80 px
    const int rowH = g.rowHeightPixels(1);
    g.setBlockMode(false);
    g.setCol(2);
    g.setRow(2);
    g.setCellType(SpreadGrid::CellTypePicture);
    g.setTypeHAlign(0);
    g.setTypeVAlign(0);
    QPixmap big(300, 200);
    big.fill(Qt::red);
    g.addCellSpan(2, 2, 1, 2);
    g.setTypePictPicture(big);
    g.setRow(5);
    g.setCellType(SpreadGrid::CellTypePicture);
    QPixmap small(10, 6);
    small.fill(Qt::blue);
    g.setTypePictPicture(small);

    const QImage img = render(g, 3, 6);
    const int x = 80;            // left of column 2
    const int y = rowH;          // top of row 2
    const int bottom = 3 * rowH; // below row 3: outside the span
    EXPECT_EQ(img.pixel(x, y), rgb(255, 0, 0));
    EXPECT_EQ(img.pixel(x + 78, y + 2 * rowH - 2), rgb(255, 0, 0)); // fills the span
    EXPECT_NE(img.pixel(x + 40, bottom + 3), rgb(255, 0, 0));       // not below it
    EXPECT_NE(img.pixel(x + 85, y + 3), rgb(255, 0, 0));            // not right of it
    EXPECT_NE(img.pixel(x - 3, y + 3), rgb(255, 0, 0));

    const int y5 = 4 * rowH;
    EXPECT_EQ(img.pixel(x, y5), rgb(0, 0, 255));
    EXPECT_EQ(img.pixel(x + 9, y5 + 5), rgb(0, 0, 255));
    EXPECT_EQ(img.pixel(x + 10, y5 + 2), rgb(255, 255, 255)); // natural size, not stretched
    EXPECT_EQ(img.pixel(x + 2, y5 + 6), rgb(255, 255, 255));
}

TEST(SpreadLook, BordersAndStrikeOut) {
    SpreadGrid g;
    g.setMaxCols(3);
    g.setMaxRows(3);
    g.setColWidth(-1, 10);
    g.setGridColor(0xFFFFFF); // white grid lines: only borders show
    const int rowH = g.rowHeightPixels(1);
    g.setCellBorder(2, 2, 2, 2, SpreadGrid::BorderLeft | SpreadGrid::BorderBottom, 0x0000FF, 1);
    QImage img = render(g, 3, 3);
    // Bottom border: the last pixel row of cell (2,2).
    EXPECT_EQ(img.pixel(80 + 40, 2 * rowH - 1), rgb(255, 0, 0));
    // Left border: drawn on the line shared with the neighbour on the left.
    EXPECT_EQ(img.pixel(79, rowH + rowH / 2), rgb(255, 0, 0));
    EXPECT_EQ(img.pixel(160 - 1, rowH + rowH / 2), rgb(255, 255, 255));
    EXPECT_EQ(img.pixel(80 + 40, rowH - 1), rgb(255, 255, 255));

    g.setText(1, 1, QStringLiteral("ーーーー"));
    g.setText(1, 3, QStringLiteral("ーーーー"));
    g.setCol(1);
    g.setRow(3);
    g.setFontStrikethru(true);
    EXPECT_TRUE(g.fontStrikethru());
    img = render(g, 3, 3);
    auto inkRows = [&](int top) {
        int rows = 0;
        for (int y = top + 1; y < top + rowH - 1; ++y) {
            for (int x = 2; x < 70; ++x) {
                if (qGray(img.pixel(x, y)) < 128) {
                    ++rows;
                    break;
                }
            }
        }
        return rows;
    };
    EXPECT_GT(inkRows(2 * rowH), inkRows(0)); // the strike-out line adds ink
}

TEST(SpreadLook, ScreenGrabShowsTheCells) {
    SpreadGrid g;
    g.setMaxCols(3);
    g.setMaxRows(4);
    g.setCol(2);
    g.setRow(3);
    g.setBackColor(0x00FF00);
    g.resize(400, 200);
    g.show();
    const QImage shot = g.grab().toImage();
    const QRect r = g.view()->visualRect(g.view()->model()->index(2, 1));
    const QPoint origin = g.view()->viewport()->mapTo(&g, QPoint(0, 0));
    EXPECT_EQ(shot.pixel(origin + r.center()), rgb(0, 255, 0));
}
