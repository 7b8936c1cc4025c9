// Printing the record book: the page header, the page breaks between lines, the refusals, and a
// two-page month printed from the screen to PDF with the margins of the settings file.
#include <QApplication>
#include <QRegularExpression>
#include <numeric>

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

    // Opens the book, runs the steps on the screen and leaves it; the print dialog (when one comes)
    // answered with its button.
    void onScreen(const std::function<void()>& steps, const char* dialogButton = "cmdOK") {
        flush();
        modal::pushResponder([&](QWidget& w) {
            steps();
            EXPECT_TRUE(w.isEnabled());
            EXPECT_EQ(QApplication::overrideCursor(), nullptr);
            button("CmdCancel")->click();
        });
        const QString answer = QString::fromLatin1(dialogButton);
        modal::pushResponder([answer](QWidget& w) { w.findChild<QPushButton*>(answer)->click(); });
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
