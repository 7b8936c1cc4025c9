// Speed of the spreadsheet grid: the patient list filled row by row at the top, a record-book month laid
// with pictures and spans, and a grid of 100,000 rows painted and grown.
#include <QApplication>
#include <QPainter>
#include <QPixmap>
#include <QTableView>
#include <benchmark/benchmark.h>

#include "platform/spread/SpreadGrid.h"

#include "WidgetBenchMain.h"

namespace {

QString addressOf(int i) {
    static const QStringList parts{
        QStringLiteral("東京都千代田区千代田"), QStringLiteral("神奈川県横浜市中区本町"),
        QStringLiteral("大阪府大阪市北区梅田"), QStringLiteral("北海道札幌市中央区北一条西")};
    return parts[i % parts.size()] + QString::number(i % 9 + 1) + QStringLiteral("丁目") +
           QString::number(i % 30) + QStringLiteral("番地　コーポラス") + QString::number(i % 7) +
           QStringLiteral("号室");
}

// Col := col; Row := row; h := MaxTextCellHeight; RowHeight(row) := h
void cellSet(SpreadGrid& g, int col, int row) {
    g.setCol(col);
    g.setRow(row);
    const double h = g.maxTextCellHeight();
    g.setRowHeight(row, h);
}

void setUpPatientList(SpreadGrid& g) {
    g.setMaxCols(6);
    const double widths[] = {11, 31.25, 3.12, 10.12, 46.75, 20.5};
    for (int c = 1; c <= 6; ++c)
        g.setColWidth(c, widths[c - 1]);
    g.setCol(-1);
    g.setRow(-1);
    g.setCellType(SpreadGrid::CellTypeStaticText);
    g.setCol(5);
    g.setTypeTextWordWrap(true);
    g.setCol(4);
    g.setCellType(SpreadGrid::CellTypeDate);
    g.resize(1000, 600);
    g.show();
}

// The patient search: every new patient inserted at the top, six cells, the address row fitted.
void BM_PatientListFill10000(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    std::vector<QString> ids, names, addresses;
    for (int i = 0; i < n; ++i) {
        ids.push_back(QStringLiteral("%1").arg(i, 8, 10, QChar('0')));
        names.push_back(QStringLiteral("患者　%1").arg(i));
        addresses.push_back(addressOf(i));
    }
    SpreadGrid g;
    setUpPatientList(g);
    for (auto _ : state) {
        g.setRow(0);
        g.setMaxRows(0);
        g.setReDraw(false);
        int row = 1;
        for (int i = 0; i < n; ++i) {
            g.setMaxRows(row);
            g.insertRows(1, 1);
            g.setText(1, 1, ids[i]);
            g.setText(2, 1, names[i]);
            g.setText(3, 1, QStringLiteral("男"));
            g.setText(4, 1, QStringLiteral("1970/05/12"));
            g.setText(5, 1, addresses[i]);
            g.setText(6, 1, QStringLiteral("03-0000-0000"));
            cellSet(g, 5, 1);
            ++row;
        }
        g.setReDraw(true);
        QApplication::processEvents();
    }
    if (g.maxRows() != n || g.getText(1, n) != ids[0])
        state.SkipWithError("wrong fill");
    state.SetItemsProcessed(state.iterations() * n);
}
BENCHMARK(BM_PatientListFill10000)->Arg(10000)->Unit(benchmark::kMillisecond);

QPixmap picture(int w, int h, const QColor& c) {
    QPixmap pm(w, h);
    pm.fill(c);
    return pm;
}

void formatAll(SpreadGrid& g) {
    g.setBlockMode(false);
    g.setRow(-1);
    g.setRowHeight(-1, 15);
    g.setCol(1);
    g.setCellType(SpreadGrid::CellTypeStaticText);
    g.setTypeTextWordWrap(true);
    g.setTextValue(QString());
    g.setCol(2);
    g.setCellType(SpreadGrid::CellTypePicture);
    g.setTypePictPicture(QPixmap());
    g.setCol(3);
    g.setCellType(SpreadGrid::CellTypeEdit);
    g.setTypeEditMultiLine(true);
    g.setTypeEditMaxLen(256);
    g.setTextValue(QString());
    g.setBlockMode(true);
    g.setRow(1);
    g.setRow2(g.maxRows());
    g.setCol(4);
    g.setCol2(g.maxCols());
    g.setCellType(SpreadGrid::CellTypeStaticText);
    g.setTextValue(QString());
    g.setCol(3);
    g.setFontName(QStringLiteral("ＭＳ ゴシック"));
    g.setFontSize(10);
    g.setFontStrikethru(false);
    g.setCol(1);
    g.setCol2(3);
    g.setBackColor(16777215);
    g.setBlockMode(false);
}

// A month of 100 lines over 400 rows: every line a tooth-part picture and a spanned content picture.
void BM_RecordMonth400Rows200Pictures(benchmark::State& state) {
    const QPixmap part = picture(60, 20, QColor(255, 220, 220));
    std::vector<QPixmap> charts;
    for (int rows = 1; rows <= 8; ++rows)
        charts.push_back(picture(440, rows * 22, QColor(220, 255, 220)));
    SpreadGrid g;
    g.setMaxCols(6);
    g.setColWidth(3, 56.25);
    g.resize(900, 700);
    g.show();
    for (auto _ : state) {
        g.setReDraw(false);
        for (int a = 1; a <= g.maxRows(); ++a) { // spans of the last month go first
            int ac = 0, ar = 0;
            if (g.getCellSpan(3, a, &ac, &ar, nullptr, nullptr))
                g.removeCellSpan(ac, ar);
        }
        g.setMaxRows(400);
        formatAll(g);
        int row = 1;
        for (int line = 0; line < 100; ++line) {
            const int rows = 1 + (line % 7); // 1..7 rows, 400 rows in all
            g.setText(5, row, rows > 1 ? QStringLiteral("1") : QStringLiteral("0"));
            for (int r = row + 1; r < row + rows; ++r)
                g.setText(5, r, QStringLiteral("@"));
            g.setBlockMode(true);
            g.setCol(1);
            g.setCol2(3);
            g.setRow(row);
            g.setRow2(row + rows - 1);
            g.setBackColor(line % 3 ? 16777215 : 12648447);
            for (int side : {1, 2, 4, 8})
                g.setCellBorder(1, row, 3, row + rows - 1, side, 0xC0C0C0, 1);
            g.setFontStrikethru(line % 10 == 0);
            g.setBlockMode(false);
            g.setCol(1);
            g.setRow(row);
            g.setFontSize(8);
            g.setTextValue(QStringLiteral("平15/01/20"));
            g.setCol(2);
            g.setCellType(SpreadGrid::CellTypePicture);
            g.setTypePictPicture(part);
            g.setCol(3);
            g.setCellType(SpreadGrid::CellTypePicture);
            g.setTypeHAlign(0);
            g.setTypeVAlign(0);
            g.addCellSpan(3, row, 1, rows);
            g.setTypePictPicture(charts[rows - 1]);
            g.setText(4, row, QString::number(line + 1));
            g.setText(6, row, QStringLiteral("2003/01/20"));
            row += rows;
        }
        g.setActiveCell(1, row);
        g.setReDraw(true);
        QApplication::processEvents();
    }
    state.SetItemsProcessed(state.iterations() * 200);
}
BENCHMARK(BM_RecordMonth400Rows200Pictures)->Unit(benchmark::kMillisecond);

// One row inserted at the top of a live (redrawn) grid of 100,000 rows.
void BM_InsertTopRowOf100000Live(benchmark::State& state) {
    SpreadGrid g;
    g.setMaxCols(6);
    g.setMaxRows(100000);
    for (int r = 1; r <= 100000; r += 97)
        g.setText(1, r, QString::number(r));
    g.resize(900, 700);
    g.show();
    QApplication::processEvents();
    for (auto _ : state) {
        g.insertRows(1, 1);
        g.setText(1, 1, QStringLiteral("new"));
    }
}
BENCHMARK(BM_InsertTopRowOf100000Live)->Unit(benchmark::kMicrosecond);

// Painting one screen of a 100,000-row grid scrolled to its middle.
void BM_PaintScreenOf100000Rows(benchmark::State& state) {
    SpreadGrid g;
    g.setMaxCols(6);
    g.setMaxRows(100000);
    for (int r = 1; r <= 100000; ++r)
        g.setText(2, r, QStringLiteral("行 %1").arg(r));
    g.resize(900, 700);
    g.show();
    g.showCell(1, 50000, 0);
    QApplication::processEvents();
    for (auto _ : state) {
        QPixmap shot = g.grab();
        benchmark::DoNotOptimize(shot);
    }
}
BENCHMARK(BM_PaintScreenOf100000Rows)->Unit(benchmark::kMillisecond);

} // namespace

ORVANTA_WIDGET_BENCHMARK_MAIN()
