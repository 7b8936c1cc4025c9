// Printing of the grid (header codes, pagination, PDF output) and its text export.
#include <QFile>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/error/VbError.h"
#include <QTableView>

#include "platform/spread/SpreadGrid.h"
#include "platform/spread/SpreadModel.h"
#include "platform/spread/SpreadPaint.h"
#include "platform/spread/SpreadPrint.h"
#include "platform/text/Text.h"
#include "support/TestSupport.h"

using namespace spread;

namespace {

const QString kFooter = QStringLiteral("/c/fn\"ＭＳ ゴシック\"/fz\"12\"Page /p");

QString headerOfRecordBook() {
    return QStringLiteral(
        "/fn\"ＭＳ 明朝\"/fz\"18\"/fb0/fi0/fu0/fk0/fs1"
        "/fn\"ＭＳ 明朝\"/fz\"12\"/fb0/fi0/fu0/fk0/fs2"
        "/fn\"ＭＳ 明朝\"/fz\"10\"/fb0/fi0/fu0/fk0/fs3"
        "/f1/c歯　科　診　療　録/n/n/f2氏名:山田　太郎　　　　　　　　　　   生年月日:昭45/05/12   性別:男"
        "/n住所:東京都/nTEL :03-0000-0000/n職業:なし");
}

QString partText(const HeaderLine& line, int part) {
    QString s;
    for (const auto& run : line.parts[part])
        s += run.text;
    return s;
}

// A grid of `rows` rows whose column 1 holds "L1", "L2", ... and column 2 a marker.
void fillLines(SpreadGrid& g, int rows, int maxRows) {
    g.setMaxCols(3);
    g.setMaxRows(maxRows);
    g.setRowHeight(-1, 15);
    for (int r = 1; r <= rows; ++r) {
        g.setText(1, r, QStringLiteral("L%1").arg(r));
        g.setText(2, r, "0");
    }
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path) {
    auto p = std::make_unique<QPrinter>(QPrinter::HighResolution);
    p->setOutputFormat(QPrinter::PdfFormat);
    p->setOutputFileName(path);
    p->setPageSize(QPageSize(QPageSize::A4));
    p->setPageOrientation(QPageLayout::Portrait);
    return p;
}

// Text of the PDF (pages separated by form feeds), or a null string without pdftotext.
QString pdfText(const QString& pdf) {
    const QString tool = QStandardPaths::findExecutable("pdftotext");
    if (tool.isEmpty())
        return QString();
    QProcess proc;
    proc.start(tool, {"-layout", "-enc", "UTF-8", pdf, "-"});
    if (!proc.waitForFinished(30000))
        return QString();
    return QString::fromUtf8(proc.readAllStandardOutput());
}

QSize a4Px() {
    return QPageSize(QPageSize::A4).sizePixels(96);
}

} // namespace

TEST(SpreadHeaderCodes, FooterCentresPageNumberInItsFont) {
    const auto lines = parseHeaderCodes(kFooter, 2, makeFont("ＭＳ Ｐゴシック", 9));
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_TRUE(lines[0].parts[0].empty());
    ASSERT_EQ(lines[0].parts[1].size(), 1u);
    EXPECT_EQ(lines[0].parts[1][0].text, "Page 2");
    EXPECT_EQ(lines[0].parts[1][0].font.family(), "IPAGothic");
    EXPECT_EQ(lines[0].parts[1][0].font.pixelSize(), 16);
}

TEST(SpreadHeaderCodes, StoredFontsLinesAndAlignment) {
    const auto lines = parseHeaderCodes(headerOfRecordBook(), 1, makeFont("ＭＳ Ｐゴシック", 9));
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(partText(lines[0], 1), QStringLiteral("歯　科　診　療　録"));
    EXPECT_EQ(lines[0].parts[1][0].font.family(), "IPAMincho");
    EXPECT_EQ(lines[0].parts[1][0].font.pixelSize(), 24);
    EXPECT_TRUE(lines[1].parts[0].empty() && lines[1].parts[1].empty());        // the empty line of "/n/n"
    EXPECT_TRUE(partText(lines[2], 0).startsWith(QStringLiteral("氏名:山田"))); // left again after /n
    EXPECT_EQ(lines[2].parts[0][0].font.pixelSize(), 16);
    EXPECT_EQ(partText(lines[5], 0), QStringLiteral("職業:なし"));
    EXPECT_GT(headerHeightPx(lines), 24 + 4 * 16);

    // Switching fonts mid-line, bold on, right part, unknown codes as text.
    const auto mixed = parseHeaderCodes("a/fb1b/rR/x/f9c", 1, makeFont("ＭＳ ゴシック", 10));
    ASSERT_EQ(mixed.size(), 1u);
    ASSERT_EQ(mixed[0].parts[0].size(), 2u);
    EXPECT_FALSE(mixed[0].parts[0][0].font.bold());
    EXPECT_TRUE(mixed[0].parts[0][1].font.bold());
    EXPECT_EQ(partText(mixed[0], 2), "R/xc"); // "/f9" names no stored font and prints nothing
    EXPECT_TRUE(parseHeaderCodes("", 1, QFont()).empty());
    const auto strike = parseHeaderCodes("/fk1s/fk0t", 1, QFont());
    EXPECT_TRUE(strike[0].parts[0][0].font.strikeOut());
    EXPECT_FALSE(strike[0].parts[0][1].font.strikeOut());
}

TEST(SpreadPagination, RowBreakOn41GivesTwoPages) {
    SpreadGrid g;
    fillLines(g, 45, 60);
    g.setPrintHeader(headerOfRecordBook());
    g.setPrintFooter(kFooter);
    g.setPrintMarginTop(567);
    g.setPrintMarginBottom(283.5);
    g.setPrintMarginLeft(567);
    g.setPrintMarginRight(567);
    g.setRow(41);
    g.setRowPageBreak(true);
    EXPECT_TRUE(g.rowPageBreak());
    QTemporaryDir dir;
    auto printer = pdfPrinter(dir.filePath("book.pdf"));
    ASSERT_TRUE(g.printSheet(printer.get()));
    EXPECT_EQ(g.lastPrintPageCount(), 2); // rows beyond 45 hold no data and are not printed

    const QString text = pdfText(dir.filePath("book.pdf"));
    if (text.isNull())
        GTEST_SKIP() << "pdftotext not installed";
    const QStringList pages = text.split(QChar('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    EXPECT_TRUE(pages[0].contains("Page 1"));
    EXPECT_TRUE(pages[1].contains("Page 2"));
    EXPECT_TRUE(pages[0].contains("L40"));
    EXPECT_FALSE(pages[0].contains("L41"));
    EXPECT_TRUE(pages[1].contains("L41"));
    EXPECT_TRUE(pages[1].contains("L45"));
    EXPECT_FALSE(pages[1].contains("L46"));
    // The header on each page: the title on its own line, the patient lines below it.
    for (const QString& page : pages.mid(0, 2)) {
        const QStringList lines = page.split('\n');
        int title = -1, name = -1, address = -1;
        for (int i = 0; i < lines.size(); ++i) {
            const QString compact = QString(lines[i]).remove(' ').remove(QChar(0x3000));
            if (compact.contains(QStringLiteral("歯科診療録")))
                title = i;
            if (lines[i].contains(QStringLiteral("氏名:")))
                name = i;
            if (lines[i].contains(QStringLiteral("住所:")))
                address = i;
        }
        ASSERT_GE(title, 0);
        EXPECT_GT(name, title);
        EXPECT_GT(address, name);
        // Centred: the title starts well to the right of the left-aligned name line.
        const auto indent = [](const QString& l) {
            return l.size() - QString(l).remove(QRegularExpression("^\\s+")).size();
        };
        EXPECT_GT(indent(lines[title]), indent(lines[name]) + 10);
    }
}

TEST(SpreadPagination, FortyRecordRowsFitUnderTheTallestHeader) {
    // The record book pages every 40 rows; its header is tallest with a two-line address, and its
    // margins default to 567 twips (283.5 at the bottom). Rows and the header row are 15 units.
    SpreadGrid g;
    fillLines(g, 45, 60);
    g.setRowHeight(0, 15);
    g.setPrintHeader(QStringLiteral(
        "/fn\"ＭＳ 明朝\"/fz\"18\"/fb0/fi0/fu0/fk0/fs1/fn\"ＭＳ 明朝\"/fz\"12\"/fb0/fi0/fu0/fk0/fs2"
        "/fn\"ＭＳ 明朝\"/fz\"10\"/fb0/fi0/fu0/fk0/fs3/f1/c歯　科　診　療　録/n/n/f2氏名:山田　太郎"
        "　　　　　　　　　　   生年月日:昭45/05/12   性別:男/n住所:/f3東京都千代田区千代田一丁目一番一号"
        "皇居東御苑管理事務所内東京都千代田区/n千代田/nTEL :03-0000-0000/n職業:なし"));
    g.setPrintFooter(kFooter);
    g.setPrintMarginTop(567);
    g.setPrintMarginBottom(283.5);
    g.setPrintMarginLeft(567);
    g.setPrintMarginRight(567);
    g.setRow(41);
    g.setRowPageBreak(true);
    QTemporaryDir dir;
    auto printer = pdfPrinter(dir.filePath("tall.pdf"));
    ASSERT_TRUE(g.printSheet(printer.get()));
    EXPECT_EQ(g.lastPrintPageCount(), 2); // a third page would mean row 40 did not fit
}

TEST(SpreadPagination, OverflowBreaksWhereTheNextRowDoesNotFit) {
    SpreadGrid g;
    fillLines(g, 100, 100);
    g.setPrintFooter(kFooter);
    QTemporaryDir dir;
    auto printer = pdfPrinter(dir.filePath("long.pdf"));
    ASSERT_TRUE(g.printSheet(printer.get()));
    const int pages = g.lastPrintPageCount();
    // 22-pixel rows on 1123 pixels of A4 less 48-pixel margins, headers and footer.
    const int most = (a4Px().height() - 2 * 48) / g.rowHeightPixels(1);
    EXPECT_GE(pages, (100 + most - 1) / most);
    EXPECT_LE(pages, 3);

    const QString text = pdfText(dir.filePath("long.pdf"));
    if (text.isNull())
        GTEST_SKIP() << "pdftotext not installed";
    const QStringList texts = text.split(QChar('\f'), Qt::SkipEmptyParts);
    ASSERT_EQ(texts.size(), pages);
    // Every row printed exactly once, in order, pages continuing where the last stopped; full pages
    // hold as many rows as fit.
    int next = 1;
    std::vector<int> counts;
    for (const QString& page : texts) {
        QRegularExpression re("\\bL(\\d+)\\b");
        auto it = re.globalMatch(page);
        int count = 0;
        while (it.hasNext()) {
            const int n = it.next().captured(1).toInt();
            EXPECT_EQ(n, next);
            next = n + 1;
            ++count;
        }
        counts.push_back(count);
    }
    EXPECT_EQ(next, 101);
    for (size_t i = 0; i + 1 < counts.size(); ++i) {
        EXPECT_EQ(counts[i], counts[0]);
        EXPECT_GE(counts[i], most - 5);
        EXPECT_LE(counts[i], most);
    }
}

TEST(SpreadPagination, DataMaxSpansAndColumnsAcross) {
    SpreadGrid g;
    fillLines(g, 12, 30);
    QTemporaryDir dir;
    auto printer = pdfPrinter(dir.filePath("a.pdf"));
    ASSERT_TRUE(g.printSheet(printer.get()));
    EXPECT_EQ(g.lastPrintPageCount(), 1);

    // Without the data maximum every row prints: 200 rows need more pages.
    g.setMaxRows(200);
    g.setPrintUseDataMax(false);
    ASSERT_TRUE(g.printSheet(printer.get()));
    const int allRows = g.lastPrintPageCount();
    g.setPrintUseDataMax(true);
    ASSERT_TRUE(g.printSheet(printer.get()));
    EXPECT_EQ(g.lastPrintPageCount(), 1);
    EXPECT_GT(allRows, 1);

    // Columns wider than the paper continue on further pages.
    g.setMaxCols(12);
    g.setColWidth(-1, 30); // 240 px each
    g.setText(12, 1, "far");
    ASSERT_TRUE(g.printSheet(printer.get()));
    EXPECT_GE(g.lastPrintPageCount(), 3);
    EXPECT_FALSE(g.printSheet(static_cast<QPrinter*>(nullptr)));
}

TEST(SpreadPagination, PageSlicesFromTheModel) {
    // Flags set and cleared through the cursor, one row and every row.
    SpreadGrid g;
    fillLines(g, 45, 50);
    g.setRow(41);
    g.setRowPageBreak(true);
    g.setRow(20);
    g.setRowPageBreak(true);
    g.setRow(20);
    g.setRowPageBreak(false);
    QTemporaryDir dir;
    auto printer = pdfPrinter(dir.filePath("b.pdf"));
    ASSERT_TRUE(g.printSheet(printer.get()));
    EXPECT_EQ(g.lastPrintPageCount(), 2);
    g.setRow(-1);
    g.setRowPageBreak(false);
    ASSERT_TRUE(g.printSheet(printer.get()));
    EXPECT_EQ(g.lastPrintPageCount(), 1);
}

TEST(SpreadPagination, FullPageEndsAboveMergedRows) {
    PrintSettings s;
    s.footer = kFooter;
    int full = 0; // rows of a full page without merged cells
    {
        SpreadGrid g;
        fillLines(g, 100, 100);
        full = paginate(*static_cast<const SpreadModel*>(g.view()->model()), s, a4Px()).front().row2;
    }
    ASSERT_GT(full, 20);
    struct Case {
        const char* what;
        std::vector<std::pair<int, int>> spans; // first row, rows (columns 1 and 2 in turn)
        int lastRowOfPage1;
    } cases[] = {
        {"merged rows over the page end move whole", {{full - 2, 6}}, full - 3},
        {"merged rows ending on the last row that fits stay", {{full - 4, 5}}, full},
        {"merged rows overlapping them move along", {{full - 10, 12}, {full - 1, 5}}, full - 11},
        {"merged rows taller than a page are cut", {{1, full + 5}}, full},
    };
    for (const Case& c : cases) {
        SpreadGrid g;
        fillLines(g, 100, 100);
        int col = 1;
        for (const auto& [row, rows] : c.spans)
            g.addCellSpan(col++, row, 1, rows);
        const auto pages = paginate(*static_cast<const SpreadModel*>(g.view()->model()), s, a4Px());
        EXPECT_EQ(pages.front().row2, c.lastRowOfPage1) << c.what;
        EXPECT_EQ(pages.at(1).row1, c.lastRowOfPage1 + 1) << c.what;
    }
}

// The first row of each page.
std::vector<int> firstRows(const std::vector<PageSlice>& pages) {
    std::vector<int> rows;
    for (const PageSlice& p : pages)
        rows.push_back(p.row1);
    return rows;
}

TEST(SpreadPagination, FitRowsShrinksTheBlockUntilEachRunBetweenBreaksFits) {
    const QSize b5 = QPageSize(QPageSize::JisB5).sizePixels(96);
    struct Case {
        const char* what;
        int rows;
        std::vector<int> breaks;
        int fitRows;
        double marginTopBottom; // twips; left and right 567
        QSize paper;
        std::vector<int> firstRows;
        bool shrunk;
    } cases[] = {
        {"breaks every 40 rows: 40 rows a page", 120, {41, 81}, 40, 567, a4Px(), {1, 41, 81}, true},
        {"the same on B5", 120, {41, 81}, 40, 567, b5, {1, 41, 81}, true},
        {"rows that fit keep their size", 30, {}, 40, 567, a4Px(), {1}, false},
        {"a run longer than N holds N rows a page", 100, {}, 40, 567, a4Px(), {1, 41, 81}, true},
        {"runs of up to N rows between breaks print whole", 100, {8, 55}, 47, 567, a4Px(), {1, 8, 55}, true},
        {"margins leaving no room: every run still whole",
         120,
         {41, 81},
         40,
         9000,
         a4Px(),
         {1, 41, 81},
         true},
    };
    for (const Case& c : cases) {
        SpreadGrid g;
        fillLines(g, c.rows, c.rows);
        g.setRowHeight(0, 15);
        for (int r : c.breaks) {
            g.setRow(r);
            g.setRowPageBreak(true);
        }
        const auto& m = *static_cast<const SpreadModel*>(g.view()->model());
        PrintSettings s;
        s.header = headerOfRecordBook();
        s.footer = kFooter;
        s.marginTop = s.marginBottom = c.marginTopBottom;
        s.marginLeft = s.marginRight = 567;
        s.fitRows = c.fitRows;
        EXPECT_EQ(firstRows(paginate(m, s, c.paper)), c.firstRows) << c.what;
        const double scale = printScale(m, s, c.paper);
        EXPECT_GT(scale, 0) << c.what;
        EXPECT_EQ(scale < 1, c.shrunk) << c.what;
        // Without the setting the grid breaks the runs on its own where rows no longer fit.
        s.fitRows = 0;
        if (c.shrunk) {
            EXPECT_NE(firstRows(paginate(m, s, c.paper)), c.firstRows) << c.what;
        }
    }
}

TEST(SpreadPrint, JobNameReachesThePdf) {
    SpreadGrid g;
    fillLines(g, 3, 3);
    g.setPrintJobName(QStringLiteral("歯科衛生システム"));
    QTemporaryDir dir;
    auto printer = pdfPrinter(dir.filePath("job.pdf"));
    ASSERT_TRUE(g.printSheet(printer.get()));
    EXPECT_EQ(printer->docName(), QStringLiteral("歯科衛生システム"));
    EXPECT_FALSE(printer->fullPage()); // the caller's printer is left as it was
    const QString tool = QStandardPaths::findExecutable("pdfinfo");
    if (tool.isEmpty())
        GTEST_SKIP() << "pdfinfo not installed";
    QProcess proc;
    proc.start(tool, {"-enc", "UTF-8", dir.filePath("job.pdf")});
    ASSERT_TRUE(proc.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(proc.readAllStandardOutput()).contains(QStringLiteral("歯科衛生システム")));
}

TEST(SpreadTabFile, TabsCrLfAndCp932) {
    SpreadGrid g;
    g.setMaxCols(3);
    g.setMaxRows(10);
    g.setText(1, 1, QStringLiteral("歯ブラシ"));
    g.setText(3, 1, "x");
    g.setText(1, 2, QStringLiteral("ﾌﾛｽ"));
    QTemporaryDir dir;
    const QString path = dir.filePath("SpdCleaning.txt");
    EXPECT_TRUE(g.saveTabFile(path));
    const QByteArray bytes = testsupport::readBytes(path);
    EXPECT_EQ(bytes, text::toCp932(QStringLiteral("歯ブラシ\t\tx\r\nﾌﾛｽ\t\t\r\n")));
    EXPECT_THROW(g.saveTabFile(dir.filePath("missing/folder/x.txt")), VbError);
}
