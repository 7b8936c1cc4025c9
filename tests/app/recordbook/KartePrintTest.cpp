// Printing the record book: the page header, the page breaks between lines, the refusals, and months
// printed from the screen to PDF with the margins of the settings file: pages start only at the book's
// own breaks, whatever the margins and the paper.
#include <QApplication>
#include <QComboBox>
#include <QRegularExpression>
#include <numeric>
#include <optional>

#include "KarteScreenFixture.h"
#include "app/printing/FrmMKarteS_010.h"
#include "app/printing/PrintingGlobals.h"
#include "app/recordbook/KarteOpen.h"
#include "app/recordbook/MdlKartePrint.h"
#include "platform/printer/Printer.h"
#include "support/PdfTools.h"

using namespace MdlKartePrint;
using pdftools::keptFile;

namespace {

// A grid whose column 5 holds the row markers of lines of the given heights (a negative height: that
// many free rows), free rows after them up to maxRows.
std::unique_ptr<SpreadGrid> markedGrid(const std::vector<int>& lines, int maxRows) {
    auto g = std::make_unique<SpreadGrid>();
    g->setMaxCols(6);
    g->setMaxRows(maxRows);
    int row = 1;
    for (int n : lines) {
        for (int i = 0; i < std::abs(n); ++i, ++row)
            g->setText(5, row,
                       n < 0    ? QString()
                       : n == 1 ? QStringLiteral("0")
                       : i == 0 ? QStringLiteral("1")
                                : QStringLiteral("@"));
    }
    return g;
}

// count one-row lines, then the given lines, then one-row lines up to row total.
std::vector<int> oneRowLines(int count, std::vector<int> then, int total) {
    std::vector<int> lines(static_cast<size_t>(count), 1);
    lines.insert(lines.end(), then.begin(), then.end());
    const int used = count + std::accumulate(then.begin(), then.end(), 0);
    lines.insert(lines.end(), static_cast<size_t>(total - used), 1);
    return lines;
}

// What one printed page shows: its grid rows (the row header numbers, top to bottom), the height of
// the footer's text, and whether the page header, the column headers, the rows and the footer come in
// that order down the page without overlapping, inside the paper (heights in points).
struct PrintedPage {
    std::vector<int> rows;
    double footerHeight = 0;
    bool inOrder = false;
};

std::vector<PrintedPage> printedPages(const QString& pdf, double paperHeight) {
    static const QRegularExpression word(QStringLiteral(
        "<page |<word xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" yMax=\"([\\d.]+)\">([^<]*)<"));
    std::vector<std::vector<std::pair<QString, QRectF>>> words;
    for (auto it = word.globalMatch(pdftools::run("pdftotext", {"-bbox", pdf, "-"})); it.hasNext();) {
        const auto m = it.next();
        if (m.captured(0).startsWith(QStringLiteral("<page")))
            words.emplace_back();
        else if (!words.empty())
            words.back().emplace_back(m.captured(5),
                                      QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                             QPointF(m.captured(3).toDouble(), m.captured(4).toDouble())));
    }
    std::vector<PrintedPage> pages;
    for (auto& page : words) {
        std::sort(page.begin(), page.end(),
                  [](const auto& a, const auto& b) { return a.second.top() < b.second.top(); });
        QRectF occupation, colA, footer;
        for (const auto& [text, box] : page) {
            if (text.startsWith(QStringLiteral("職業:")))
                occupation = box;
            else if (text == QStringLiteral("A") && colA.isNull())
                colA = box;
            else if (text == QStringLiteral("Page"))
                footer = box;
        }
        PrintedPage out;
        out.footerHeight = footer.height();
        out.inOrder = !occupation.isNull() && !footer.isNull() && occupation.bottom() <= colA.top() &&
                      footer.bottom() <= paperHeight;
        double above = colA.bottom();
        for (const auto& [text, box] : page) {
            if (!text.contains(QRegularExpression(QStringLiteral("^\\d+$"))) || box.right() > colA.left())
                continue;
            out.rows.push_back(text.toInt());
            out.inOrder = out.inOrder && box.top() >= above;
            above = box.bottom();
        }
        out.inOrder = out.inOrder && above <= footer.top();
        pages.push_back(out);
    }
    return pages;
}

std::vector<int> breaks(SpreadGrid& g) {
    std::vector<int> rows;
    for (int r = 1; r <= g.maxRows(); ++r) {
        g.setRow(r);
        if (g.rowPageBreak())
            rows.push_back(r);
    }
    return rows;
}

} // namespace

TEST(KartePrintHeader, PatientLinesInHeaderCodes) {
    const QString fonts = QStringLiteral(
        "/fn\"ＭＳ 明朝\"/fz\"18\"/fb0/fi0/fu0/fk0/fs1/fn\"ＭＳ 明朝\"/fz\"12\"/fb0/fi0/"
        "fu0/fk0/fs2/fn\"ＭＳ 明朝\"/fz\"10\"/fb0/fi0/fu0/fk0/fs3/f1/c歯　科　診　療　録/n/n/f2");
    HeaderData d{"山田太郎", "昭和45年05月12日", "男", "東京都千代田区", "03-1234-5678", "会社員"};
    EXPECT_EQ(headerText(d),
              fonts + QStringLiteral("氏名:山田太郎　　　　　　　　　　　   生年月日:昭和45年05月12日   "
                                     "性別:男/n住所:東京都千代田区/nTEL :03-1234-5678/n職業:会社員"));
    const QString a38 = QString(38, QChar(u'あ'));
    struct Case {
        QString name, address, nameWant, addressWant;
    } cases[] = {
        {"一二三四五六七八九十一二三四五六七", a38 + "残り", "一二三四五六七八九十一二三四五",
         "/f3" + a38 + "/n残り"},
        {"", a38, QString(15, QChar(0x3000)), "/f3" + a38 + "/n"}, // exactly 38: an empty second line
        {"山", a38.left(37), "山" + QString(14, QChar(0x3000)), a38.left(37)},
    };
    for (const Case& c : cases) {
        d.name = c.name;
        d.address = c.address;
        const QString h = headerText(d);
        EXPECT_TRUE(h.contains("氏名:" + c.nameWant + "   生年月日:")) << c.name.toStdString();
        EXPECT_TRUE(h.contains("住所:" + c.addressWant + "/nTEL :")) << c.address.toStdString();
    }
    EXPECT_EQ(kFooter, QStringLiteral("/c/fn\"ＭＳ ゴシック\"/fz\"12\"Page /p"));
}

TEST(KartePrintBreaks, EveryFortyRowsNeverInsideALine) {
    struct Case {
        const char* what;
        std::vector<int> lines;
        int maxRows;
        std::vector<int> want;
    } cases[] = {
        {"forty rows or fewer: one page", {8, 8, 8, 8, 8}, 40, {}},
        {"a line over row 41 moves whole", {1, 8, 8, 8, 8, 8, 8}, 64, {34}},
        {"tests stay 40 rows apart after a moved break", oneRowLines(37, {8}, 125), 130, {38, 81, 121}},
        {"the first free row tested ends the walk", {30, -20, 50}, 110, {41}},
    };
    for (const Case& c : cases) {
        auto g = markedGrid(c.lines, c.maxRows);
        // A break an earlier print left behind must not cut this one.
        g->setRow(10);
        g->setRowPageBreak(true);
        SetPageBreak(*g);
        EXPECT_EQ(breaks(*g), c.want) << c.what;
    }
    // Walking up to the top finds no first row: no break.
    auto g = markedGrid({}, 5);
    for (int r = 1; r <= 5; ++r)
        g->setText(5, r, QStringLiteral("@"));
    long row = 5;
    SuBackSearch(*g, row);
    EXPECT_EQ(row, 0);
    EXPECT_TRUE(breaks(*g).empty());
}

class KartePrint : public KarteScreenFixture {
protected:
    void SetUp() override {
        KarteScreenFixture::SetUp();
        PSuKartePrintRegister();
        pdf = path("record-book.pdf");
        printer::clearFilePrinters();
        printer::resetCurrentPrinter();
        printer::addFilePrinter(QStringLiteral("PDF"), pdf);
        ASSERT_TRUE(printer::currentPrinter().select(QStringLiteral("PDF")));
        gBolPrintDialog = false;
        gPatientInfo.name = QStringLiteral("山田 花子");
        gPatientInfo.birthday = QStringLiteral("1970/05/12");
        gPatientInfo.sex_name = QStringLiteral("女");
        InsuranceData ins;
        ins.employ_code = QStringLiteral("0'1");
        ins.address = QStringLiteral("東京都千代田区1-2-3");
        ins.tel_no = QStringLiteral("03-1234-5678");
        gPatientInfo.insurance = insurance = {InsuranceData(), ins};
        queue("INSERT INTO m_employ_m VALUES ('0''1', '会社員')");
    }
    void TearDown() override {
        if (FrmMKarteS_010* kept = FrmMKarteS_010::loaded())
            kept->unloadForm(forms::UnloadMode::Code);
        resetPrintingGlobals();
        printer::clearFilePrinters();
        printer::resetCurrentPrinter();
        gObjIniFile.reset();
        KarteScreenFixture::TearDown();
    }

    void useSettings(const QString& printerSection) {
        ASSERT_TRUE(
            testsupport::writeBytes(path("Orvanta.ini"), text::toCp932("[Printer]\r\n" + printerSection)));
        gObjIniFile = std::make_unique<clsIniFile>();
        gObjIniFile->PoSetIniFilePath(path("Orvanta.ini"));
    }

    // A month (2024/04) of a one-row chief complaint and six instructions of eight rows: rows 1, 2-9,
    // ..., 34-41, 42-49.
    void addLongMonth() {
        addHead(1);
        addLine(1, 0, 2, QStringLiteral("100"), 1, QStringLiteral("2024/04/01"));
        addAppeals(QStringLiteral("2024/04/01"), 1, QStringLiteral("冷たい物がしみる"));
        for (int rec = 2; rec <= 7; ++rec) {
            const QString date = QStringLiteral("2024/04/%1").arg(rec, 2, 10, QChar('0'));
            addLine(rec, rec - 1, rec == 7 ? 0 : rec + 1, QStringLiteral("800"), 1, date);
            addInstruction(date, 1, QStringLiteral("1010"), {QStringLiteral("デンタルフロス")});
        }
    }

    // The kinds of line a month is made of, by the rows each takes on the grid.
    enum Kind {
        Complaint,   // 1 row
        Instruction, // 8 rows, a chart
        Inspection,  // 7 rows (pocket depth only), no chart
        Precise,     // 20 rows, a chart
    };
    // A month (2024/04) of the lines given, one a day.
    void addMonth(const std::vector<Kind>& kinds) {
        addHead(1);
        const int n = static_cast<int>(kinds.size());
        for (int i = 0; i < n; ++i) {
            const int rec = i + 1;
            const QString date = QStringLiteral("2024/04/%1").arg(rec, 2, 10, QChar('0'));
            const Kind k = kinds[static_cast<size_t>(i)];
            const QString obj = k == Complaint     ? QStringLiteral("100")
                                : k == Instruction ? QStringLiteral("800")
                                                   : QStringLiteral("250");
            addLine(rec, i, rec == n ? 0 : rec + 1, obj, 1, date);
            if (k == Complaint) {
                addAppeals(date, 1, QStringLiteral("冷たい物がしみる"));
            } else if (k == Instruction) {
                addInstruction(date, 1, QStringLiteral("1010"));
            } else if (k == Inspection) {
                addInspection(date, 1, QStringLiteral("3"), 0, 0, 0);
            } else {
                addInspection(date, 1, QStringLiteral("2"), 2, 1, 3);
                addToothRow("m_kr_plaque", date, 2, QStringLiteral("1100"));
                addToothRow("m_kr_miller", date, 1, QStringLiteral("0"));
                addToothRow("m_kr_pocket", date, 3, QStringLiteral("0  30  21  30  30  20  3"));
            }
        }
    }
    // Prints from the screen, the print dialog answered with the paper at `paper` in its list.
    static void printOnPaper(int paper) {
        modal::pushResponder([paper](QWidget& w) {
            w.findChild<QComboBox*>(QStringLiteral("cboPaper"))->setCurrentIndex(paper);
            w.findChild<QPushButton*>(QStringLiteral("cmdOK"))->click();
        });
        msgbox::clearShown();
        button("CmdPrint")->click();
        EXPECT_TRUE(boxTexts().isEmpty()) << lastBox().toStdString();
    }
    // The first row of each printed page; every page's rows follow on without a gap, between the page
    // header and the footer. footerHeight gets the footer text's height on the first page.
    std::vector<int> firstRowsPrinted(double paperHeight, double* footerHeight = nullptr) {
        std::vector<int> first;
        int next = 1;
        const auto pages = printedPages(pdf, paperHeight);
        for (size_t i = 0; i < pages.size(); ++i) {
            EXPECT_TRUE(pages[i].inOrder) << "page " << i + 1;
            first.push_back(pages[i].rows.empty() ? 0 : pages[i].rows.front());
            for (int row : pages[i].rows)
                EXPECT_EQ(row, next++) << "page " << i + 1;
        }
        if (footerHeight && !pages.empty())
            *footerHeight = pages.front().footerHeight;
        return first;
    }

    // Opens the book, runs the steps on the screen and leaves it; the print dialog (when one comes)
    // answered with its button (none: the steps answer it).
    void onScreen(const std::function<void()>& steps, const char* dialogButton = "cmdOK") {
        flush();
        modal::pushResponder([&](QWidget& w) {
            steps();
            EXPECT_TRUE(w.isEnabled());
            EXPECT_EQ(QApplication::overrideCursor(), nullptr);
            button("CmdCancel")->click();
        });
        if (dialogButton) {
            const QString answer = QString::fromLatin1(dialogButton);
            modal::pushResponder([answer](QWidget& w) { w.findChild<QPushButton*>(answer)->click(); });
        }
        ASSERT_TRUE(MdlKarteMain::PFuBolKarteMain()) << lastBox().toStdString();
    }

    QString pdf;
    std::vector<InsuranceData> insurance; // the patient's entries, the newest last
};

// Nothing printed, one message (or none when the user backs out of the print dialog), the screen back
// to normal.
TEST_F(KartePrint, RefusalsPrintNothing) {
    struct Case {
        const char* what;
        std::function<void()> prepare;
        std::function<void()> onScreen;
        const char* dialogButton;
        QStringList boxes; // the start of each message's text
    } cases[] = {
        {"empty book", [] {}, [] {}, "cmdOK", {QStringLiteral("印刷する記録がありません。")}},
        {"unsaved line",
         [this] { addStoredBook(); },
         [] {
             grid().setActiveCell(1, 9);
             button("CmdNew_7")->click();
         },
         "cmdOK",
         {QStringLiteral("保存されていない記録があります。")}},
        {"no insurance entry",
         [this] {
             addStoredBook();
             gPatientInfo.insurance.clear();
         },
         [] {},
         "cmdOK",
         {QStringLiteral("印刷見出しの作成に失敗しました。")}},
        {"print dialog cancelled", [this] { addStoredBook(); }, [] {}, "CmdCancel", {}},
        {"occupation unreadable",
         [this] {
             addStoredBook();
             queue("DROP TABLE m_employ_m");
         },
         [] {},
         "cmdOK",
         {QStringLiteral("SQLの実行に失敗しました。"), QStringLiteral("データの取得に失敗しました。")}},
    };
    setRecordBookServices({[] {
                               gKarteInfo.updated = true;
                               return true;
                           },
                           MdlKartePrint::CmdPrint_Click});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& table : recordTables())
            queue("DELETE FROM " + table);
        gPatientInfo.insurance = insurance;
        c.prepare();
        msgbox::clearShown();
        msgbox::clearAnswers();
        onScreen(
            [&] {
                c.onScreen();
                msgbox::clearShown();
                button("CmdPrint")->click();
                const QStringList boxes = boxTexts();
                ASSERT_EQ(boxes.size(), c.boxes.size()) << lastBox().toStdString();
                for (int i = 0; i < boxes.size(); ++i)
                    EXPECT_TRUE(boxes[i].startsWith(c.boxes[i])) << boxes[i].toStdString();
                msgbox::pushAnswer(1); // leaving: the unsaved line may go
            },
            c.dialogButton);
        EXPECT_FALSE(QFile::exists(pdf));
        modal::clearResponders();
    }
    EXPECT_TRUE(logText().contains(QStringLiteral("FuHeaderMake")));
}

// A month of 49 rows from the screen to PDF: two pages, the line over row 41 whole on the second,
// header and page number on each, the margins from the settings file.
TEST_F(KartePrint, TwoPageMonthToPdf) {
    addLongMonth();
    // Whole twips, halves to even; a value that is no number, or none, keeps the default.
    useSettings("PrintMarginLeft=1440\r\nPrintMarginRight=600.5\r\nPrintMarginTop=abc\r\n");
    int pages = 0;
    onScreen([&] {
        ASSERT_EQ(grid().getText(5, 34), QStringLiteral("1"));
        ASSERT_EQ(grid().getText(5, 41), QStringLiteral("@"));
        button("CmdPrint")->click();
        EXPECT_TRUE(boxTexts().isEmpty()) << lastBox().toStdString();
        EXPECT_EQ(breaks(grid()), std::vector<int>{34});
        pages = grid().lastPrintPageCount();
        EXPECT_EQ(grid().printHeader(), headerText({"山田 花子", "昭和45年05月12日", "女",
                                                    "東京都千代田区1-2-3", "03-1234-5678", "会社員"}));
        EXPECT_EQ(grid().printMarginTop(), 567);
        EXPECT_EQ(grid().printMarginBottom(), 283.5);
        EXPECT_EQ(grid().printMarginLeft(), 1440);
        EXPECT_EQ(grid().printMarginRight(), 600);
    });
    ASSERT_TRUE(QFile::exists(pdf));
    QFile::remove(keptFile("record-book.pdf"));
    QFile::copy(pdf, keptFile("record-book.pdf"));
    EXPECT_EQ(pages, 2);
    EXPECT_EQ(pdftools::pages(pdf), 2);
    EXPECT_TRUE(pdftools::run("pdfinfo", {pdf}).contains("(A4)"));
    const QRegularExpression title(QStringLiteral("歯\\s*科\\s*診\\s*療\\s*録"),
                                   QRegularExpression::UseUnicodePropertiesOption);
    for (int page : {1, 2}) {
        SCOPED_TRACE(page);
        const QString text = pdftools::text(pdf, page);
        EXPECT_TRUE(text.contains(title)) << text.toStdString();
        for (const char* s : {"氏名:山田 花子", "生年月日:昭和45年05月12日", "性別:女",
                              "住所:東京都千代田区1-2-3", "03-1234-5678", "職業:会社員"})
            EXPECT_TRUE(text.contains(QString::fromUtf8(s))) << s;
        EXPECT_TRUE(text.contains(QStringLiteral("Page %1").arg(page)));
        // The line of rows 34-41 (04/06) starts the second page.
        EXPECT_EQ(text.contains(QStringLiteral("令06/04/05")), page == 1);
        EXPECT_EQ(text.contains(QStringLiteral("令06/04/06")), page == 2);
        const QImage img = pdftools::pageImage(pdf, page, 100);
        ASSERT_FALSE(img.isNull());
        img.save(keptFile(QStringLiteral("record-book-%1.png").arg(page)));
        // Nothing left of the margin: 1440 twips is one inch, 100 pixels.
        int inkLeft = img.width();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < inkLeft; ++x)
                if (img.pixelColor(x, y).lightness() < 128)
                    inkLeft = x;
        EXPECT_NEAR(inkLeft, 100, 1);
    }
}

// With the shipped margins on A4, a page holds the page header, 40 rows and the footer: pages start at
// the book's own breaks only, and no line is cut.
TEST_F(KartePrint, PagesStartOnlyAtTheBooksOwnBreaks) {
    constexpr double kA4Pt = 842;
    useSettings(
        "PrintMarginTop=567\r\nPrintMarginBottom=567\r\nPrintMarginLeft=567\r\nPrintMarginRight=567\r\n");
    const Kind C = Complaint, I = Instruction, K = Inspection, P = Precise;
    struct Case {
        const char* what;
        std::vector<Kind> lines;
        std::vector<int> firstRows;
    } cases[] = {
        {"a 7-row inspection ends on row 40, a precise one fills rows 41-60", {C, I, I, I, I, K, P}, {1, 41}},
        {"the line ending on row 40 carries a chart", {I, I, I, I, I, P}, {1, 41}},
        {"a month of exactly 40 rows", {I, I, I, I, I}, {1}},
        {"a line over row 41 moves whole", {C, I, I, I, I, I, I, I}, {1, 34}},
        // The next test comes 40 rows after row 41, so the second page runs to row 77: it prints whole.
        {"a page longer than 40 rows after a moved break", {C, I, I, I, I, I, I, K, K, K, K}, {1, 34}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& table : recordTables())
            queue("DELETE FROM " + table);
        addMonth(c.lines);
        onScreen([&] { printOnPaper(0); }, nullptr);
        EXPECT_EQ(firstRowsPrinted(kA4Pt), c.firstRows);
        EXPECT_EQ(pdftools::pages(pdf), static_cast<int>(c.firstRows.size()));
        modal::clearResponders();
    }
}

// The month of a 7-row inspection ending on row 40 and a precise inspection on rows 41-60 prints on
// two pages, rows 1-40 and 41-60, whatever margins the settings file gives, on A4 and B5.
TEST_F(KartePrint, FortyRowsAPageForAnyMargins) {
    addMonth({Complaint, Instruction, Instruction, Instruction, Instruction, Inspection, Precise});
    const QString shipped = QStringLiteral(
        "PrintMarginTop=567\r\nPrintMarginBottom=567\r\nPrintMarginLeft=567\r\nPrintMarginRight=567\r\n");
    const QString inch = QStringLiteral(
        "PrintMarginTop=1440\r\nPrintMarginBottom=1440\r\nPrintMarginLeft=1440\r\nPrintMarginRight=1440\r\n");
    constexpr int kA4 = 0, kB5 = 4; // places in the print dialog's paper list
    constexpr double kA4Pt = 842, kB5Pt = 728.5;
    std::optional<double> footerHeight;
    struct Case {
        const char* what;
        QString margins;
        int paper;
        double heightPt;
    } cases[] = {
        {"shipped 567 all round, A4", shipped, kA4, kA4Pt},
        {"defaults: 567, the bottom 283.5, A4", QString(), kA4, kA4Pt},
        {"one inch all round, A4", inch, kA4, kA4Pt},
        {"shipped 567 all round, B5", shipped, kB5, kB5Pt},
        {"one inch all round, B5", inch, kB5, kB5Pt},
        // 4.2 inches each at the top and the bottom leave the rows about an inch and a half.
        {"margins leaving little height, A4",
         QStringLiteral("PrintMarginTop=6000\r\nPrintMarginBottom=6000\r\n"), kA4, kA4Pt},
    };
    onScreen(
        [&] {
            for (const Case& c : cases) {
                SCOPED_TRACE(c.what);
                useSettings(c.margins);
                QFile::remove(pdf);
                printOnPaper(c.paper);
                double footer = 0;
                EXPECT_EQ(firstRowsPrinted(c.heightPt, &footer), (std::vector<int>{1, 41}));
                // The cells shrink as the margins grow; the footer keeps its size.
                EXPECT_NEAR(footer, footerHeight.value_or(footer), 0.01);
                footerHeight = footer;
                EXPECT_EQ(pdftools::pages(pdf), 2);
                const QString size = pdftools::run("pdfinfo", {pdf});
                EXPECT_TRUE(size.contains(c.paper == kA4 ? "(A4)" : "516 x 729 pts")) << size.toStdString();
                const QString name =
                    QString::fromUtf8(c.what).replace(QRegularExpression("[^A-Za-z0-9]+"), "-");
                QFile::remove(keptFile("record-book-margins-" + name + ".pdf"));
                QFile::copy(pdf, keptFile("record-book-margins-" + name + ".pdf"));
            }
        },
        nullptr);
}
