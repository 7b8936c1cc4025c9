// The record selection screen: which visits it lists and how, the openings that show nothing, the
// refusals of the print button, and whole print runs to PDF checked with poppler's tools.
#include <QDir>
#include <QImage>
#include <QPushButton>
#include <QRegularExpression>

#include "SheetFixture.h"
#include "app/printing/EkListRows.h"
#include "app/printing/FrmMKarte03_005.h"
#include "platform/error/VbError.h"
#include "platform/spread/SpreadGrid.h"

using namespace sheettest;

namespace {

InstructVisitData listed(const QString& entry, const QString& start, const QString& end,
                         const QString& del = {}) {
    InstructVisitData v;
    v.entry = entry;
    v.inst_start_time = start;
    v.inst_end_time = end;
    v.staff_name = QStringLiteral("青木 美咲");
    v.del_mark = del;
    return v;
}

QPushButton* button(QWidget& w, const char* name) {
    return w.findChild<QPushButton*>(QString::fromLatin1(name));
}
FrmMKarte03_005& screenOf(QWidget& w) {
    return *qobject_cast<FrmMKarte03_005*>(&w);
}

} // namespace

TEST(EkListRowsTest, ListedVisitsOrderAndTexts) {
    InstructEntryData r;
    r.history = {listed("2023/12/01", "14:00", "14:30"), listed("2024/01/10", "09:00", "09:20", "1"),
                 listed("2024/02/05", "9:5", "")};
    struct Case {
        InstructVisitData current;
        std::vector<int> indexes;
    };
    const Case cases[] = {
        {listed("2024/04/01", "10:00", "10:40"), {-1, 2, 0}},
        {listed("2024/04/01", "", ""), {2, 0}},                // no start time yet
        {listed("2024/04/01", "10:00", "10:40", "1"), {2, 0}}, // marked deleted
    };
    for (const Case& c : cases) {
        r.visit = c.current;
        std::vector<int> got;
        for (const EkListRow& row : EkListRows::build(r)) {
            got.push_back(row.historyIndex);
            EXPECT_EQ(row.current, row.historyIndex == kCurrentVisit);
        }
        EXPECT_EQ(got, c.indexes);
    }
    r.visit = cases[0].current;
    const std::vector<EkListRow> rows = EkListRows::build(r);
    EXPECT_EQ(rows[0].dateText, QStringLiteral("令06年04月01日"));
    EXPECT_EQ(rows[0].timeText, QStringLiteral("10時00分～10時40分"));
    EXPECT_EQ(rows[1].timeText, QStringLiteral("09時05分～")); // an end time not given stays empty
    EXPECT_EQ(rows[2].dateText, QStringLiteral("令05年12月01日"));
    EXPECT_EQ(rows[2].staffText, QStringLiteral("青木 美咲"));
    EXPECT_EQ(EkListRows::dateText("2019/04/30", "gggee年mm月dd日"), QStringLiteral("平成31年04月30日"));
    r.history.push_back(listed("2024/02/30", "09:00", "09:20"));
    EXPECT_THROW(EkListRows::build(r), VbError);
}

class SelectionScreenTest : public SheetFixture {
protected:
    void SetUp() override {
        SheetFixture::SetUp();
        gKarteInfo.mode = QStringLiteral("1");
        gKarteInfo.visit = permanentVisit("2024/06/03", "今日の担当");
        gKarteInfo.visit.cleaning_imp = QStringList{"歯ブラシ", "デンタルフロス", "歯間ブラシ"};
        gKarteInfo.visit.inst_point = QStringLiteral("上顎/{D") + QStringLiteral("N000000aaa0000000") +
                                      QString(16, u'0') +
                                      QStringLiteral("頬側/}のブラッシング\r/{B要注意/}/{C1/}/{/}");
        gKarteInfo.visit.communicate_point = QStringLiteral("申し送りメモ");
        for (int i = 0; i < 6; ++i) {
            InstructVisitData v =
                visit(QStringLiteral("2024/0%1/1%1").arg(i + 1), QStringLiteral("過去%1").arg(i),
                      {{0, "1100"}, {1, "0000"}, {9, "0011"}, {32, "1000"}, {40, "0000"}});
            v.cleaning_imp = QStringList{QStringLiteral("歯ブラシ")};
            v.inst_point =
                QStringLiteral("第%1回の指導内容。歯と歯の間を丁寧に磨くよう説明した。").arg(i + 1);
            gKarteInfo.history.push_back(v);
        }
    }
};

TEST_F(SelectionScreenTest, OpeningsThatShowNothing) {
    // No start time and nothing stored: nothing to list, no message.
    gKarteInfo.visit.inst_start_time.clear();
    gKarteInfo.history.clear();
    EXPECT_FALSE(FrmMKarte03_005::PFuBolEkListView());
    EXPECT_TRUE(msgbox::shown().isEmpty());
    EXPECT_TRUE(modal::shown().isEmpty());
    EXPECT_EQ(FrmMKarte03_005::loaded(), nullptr);
    // A stored visit whose date cannot be read: the list fails, 033/900 then 033/899.
    gKarteInfo.history.push_back(listed("2024/13/01", "09:00", "09:30"));
    EXPECT_FALSE(FrmMKarte03_005::PFuBolEkListView());
    const QStringList shown = shownTexts();
    ASSERT_EQ(shown.size(), 2);
    EXPECT_TRUE(shown[0].startsWith(QStringLiteral("予期しないエラーが発生しました。\r\n")));
    EXPECT_EQ(shown[1], QStringLiteral("画面の表示に失敗しました。"));
    EXPECT_EQ(logLines().first().first, QStringLiteral("FuBolEkListSerach"));
    EXPECT_TRUE(modal::shown().isEmpty());
}

// The list as shown; printing with nothing ticked or backing out of the print dialog keeps the screen
// with its ticks.
TEST_F(SelectionScreenTest, ListAndRefusals) {
    useFilePrinter();
    QStringList column1, dates;
    bool stillShown = false;
    QString ticksAfter;
    modal::pushResponder([&](QWidget& w) {
        SpreadGrid& grid = *screenOf(w).SpdEkList();
        for (int r = 1; r <= grid.maxRows(); ++r) {
            column1 << grid.getText(1, r);
            dates << grid.getText(2, r);
        }
        w.grab().save(keptFile(QStringLiteral("selection-screen.png")));
        grid.setText(1, 1, QStringLiteral("0"));
        button(w, "CmdPrint")->click(); // nothing ticked: 033/201
        grid.setText(1, 3, QStringLiteral("1"));
        button(w, "CmdPrint")->click(); // print dialog: "戻る" (next responder)
        stillShown = w.isVisible();
        for (int r = 1; r <= grid.maxRows(); ++r)
            ticksAfter += grid.getText(1, r);
        button(w, "CmdCancel")->click();
    });
    modal::pushResponder([](QWidget& w) { button(w, "CmdCancel")->click(); });
    EXPECT_TRUE(FrmMKarte03_005::PFuBolEkListView());
    EXPECT_EQ(column1, QStringList({"1", "0", "0", "0", "0", "0", "0"}));
    EXPECT_EQ(dates.first(), QStringLiteral("令06年06月03日"));
    EXPECT_EQ(dates.last(), QStringLiteral("令06年01月11日"));
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("印刷する記録を選択してください。")});
    EXPECT_TRUE(stillShown);
    EXPECT_EQ(ticksAfter, QStringLiteral("0010000"));
    EXPECT_FALSE(QFile::exists(path("out.pdf")));
    EXPECT_EQ(FrmMKarte03_005::loaded(), nullptr);
}

// Every visit ticked, printed through the program's dialog onto the PDF printer: pages, texts, colours
// and the frame on the paper; then the same in grayscale.
TEST_F(SelectionScreenTest, PrintsTheRecordSheetToPdf) {
    for (const bool colour : {true, false}) {
        SCOPED_TRACE(colour);
        const QString pdf =
            useFilePrinter(keptFile(colour ? "record-sheet-colour.pdf" : "record-sheet-gray.pdf"));
        QFile::remove(pdf);
        printer::currentPrinter().setColorMode(colour ? printer::kColor : printer::kMonochrome);
        PageFrame frame;
        modal::pushResponder([&](QWidget& w) {
            SpreadGrid& grid = *screenOf(w).SpdEkList();
            for (int r = 1; r <= grid.maxRows(); ++r)
                grid.setText(1, r, QStringLiteral("1"));
            button(w, "CmdPrint")->click();
            frame = screenOf(w).pageFrame();
        });
        modal::pushResponder([](QWidget& w) { button(w, "cmdOK")->click(); });
        ASSERT_TRUE(FrmMKarte03_005::PFuBolEkListView());
        EXPECT_EQ(FrmMKarte03_005::loaded(), nullptr); // closed after the job
        EXPECT_TRUE(msgbox::shown().isEmpty());
        EXPECT_EQ(frame.left, 1080);
        EXPECT_EQ(frame.top, 720);
        EXPECT_EQ(frame.right, 11906 - 1080);
        EXPECT_EQ(frame.bottom, 16838 - 720);

        ASSERT_TRUE(QFile::exists(pdf));
        const int pages = pdfPages(pdf);
        EXPECT_GE(pages, 2);
        EXPECT_TRUE(tool("pdfinfo", {pdf}).contains(QStringLiteral("(A4)")));
        // The reader gives the font's wave dash as U+301C; the chart's letters stand in cells of their own.
        QString all = pdfText(pdf);
        all.replace(QChar(0x301C), QChar(0xFF5E));
        for (const char* s :
             {"さくら歯科クリニック", "プラークコントロールレコード", "実地指導記録", "診察券番号", "000123",
              "山田 花子 様", "昭和55年05月12日", "実地指導日", "令和06年06月03日", "09時30分～10時00分",
              "佐藤 一郎", "今日の担当", "プラーク付着", "清掃具", "歯ブラシ、デンタルフロス、歯間ブラシ",
              "指導内容", "のブラッシング", "要注意", "/{/}"})
            EXPECT_TRUE(all.contains(QString::fromUtf8(s))) << s;
        EXPECT_TRUE(all.contains(QRegularExpression(QStringLiteral("E +D +C +B +A +A +B +C +D +E"))));
        EXPECT_TRUE(all.contains(
            QRegularExpression(QStringLiteral("8 +7 +6 +5 +4 +3 +2 +1 +1 +2 +3 +4 +5 +6 +7 +8"))));
        EXPECT_FALSE(all.contains(QStringLiteral("申し送り")));
        EXPECT_EQ(all.count(QStringLiteral("プラークコントロールレコード")), pages);
        // The visit being edited comes last.
        EXPECT_GT(all.lastIndexOf(QStringLiteral("今日の担当")), all.lastIndexOf(QStringLiteral("過去0")));
        EXPECT_EQ(all.contains(QStringLiteral("MT")), !colour);

        // Page 1 at 100 dpi: grey labels start at the frame's left (19.05 mm = 75 px); red plaque faces;
        // green absent teeth only in colour.
        const QString png = path(QStringLiteral("page"));
        tool(QStringLiteral("pdftoppm"),
             {"-r", "100", "-f", "1", "-l", "1", "-png", "-singlefile", pdf, png});
        const QImage img(png + QStringLiteral(".png"));
        ASSERT_FALSE(img.isNull());
        int greyLeft = img.width(), red = 0, green = 0, inkRight = 0;
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x) {
                const QColor c = img.pixelColor(x, y);
                if (c == kGrey)
                    greyLeft = std::min(greyLeft, x);
                red += c == kPlaqueRed;
                green += c == kLostGreen;
                if (c.lightness() < 128)
                    inkRight = std::max(inkRight, x);
            }
        EXPECT_NEAR(greyLeft, 75, 1);
        EXPECT_LE(inkRight, 752); // nothing beyond R (190.96 mm)
        EXPECT_EQ(red > 0, colour);
        EXPECT_EQ(green > 0, colour);
    }
}
