// The printer object: the paper codes the program uses and their sizes in twips, orientation, colour
// and duplex codes, refused values, and the file printers of the list.
#include <QPrinter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/error/VbError.h"
#include "platform/printer/Printer.h"

using printer::Printer;

class PrinterTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        printer::clearFilePrinters();
        printer::addFilePrinter(QStringLiteral("PDF"), dir.filePath(QStringLiteral("a.pdf")));
        ASSERT_TRUE(p.select(QStringLiteral("PDF")));
    }
    void TearDown() override { printer::clearFilePrinters(); }
    QTemporaryDir dir;
    Printer p;
};

TEST_F(PrinterTest, PaperCodesAndSizesInTwips) {
    struct Case {
        int code, orientation, width, height;
    };
    const Case cases[] = {
        {9, 1, 11906, 16838},  // A4
        {9, 2, 16838, 11906},  // A4 landscape
        {8, 1, 16838, 23811},  // A3
        {11, 1, 8391, 11906},  // A5
        {12, 1, 14570, 20636}, // JIS B4, 257 x 364 mm
        {13, 1, 10318, 14570}, // JIS B5, 182 x 257 mm
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        p.setPaperSize(c.code);
        p.setOrientation(c.orientation);
        EXPECT_EQ(p.PaperSize(), c.code);
        EXPECT_EQ(p.Orientation(), c.orientation);
        EXPECT_EQ(p.Width(), c.width);
        EXPECT_EQ(p.Height(), c.height);
    }
    p.setUserPaper(2000, 3000);
    EXPECT_EQ(p.PaperSize(), printer::paper::kUser);
    p.setOrientation(1);
    EXPECT_EQ(p.Width(), 2000);
    EXPECT_EQ(p.Height(), 3000);
    // Values the printer cannot take are refused and change nothing.
    p.setPaperSize(9);
    EXPECT_THROW(p.setPaperSize(99), VbError);
    EXPECT_THROW(p.setOrientation(3), VbError);
    EXPECT_THROW(p.setColorMode(0), VbError);
    EXPECT_THROW(p.setDuplex(4), VbError);
    EXPECT_EQ(p.PaperSize(), 9);
}

TEST_F(PrinterTest, FilePrinterPagesAndCodes) {
    EXPECT_EQ(p.DeviceName(), QStringLiteral("PDF"));
    EXPECT_TRUE(printer::printerNames().endsWith(QStringLiteral("PDF")));
    EXPECT_FALSE(p.select(QStringLiteral("no such printer")));
    EXPECT_EQ(p.DeviceName(), QStringLiteral("PDF"));
    EXPECT_EQ(p.PrintQuality(), 600);
    EXPECT_DOUBLE_EQ(p.TwipsPerPixelY(), 2.4);
    EXPECT_EQ(gdi::vbRound(p.ScaleY(36)), 20); // 36 HIMETRIC in twips
    for (int mode : {1, 2}) {
        p.setColorMode(mode);
        EXPECT_EQ(p.ColorMode(), mode);
    }
    // A PDF file has one side.
    p.setDuplex(1);
    EXPECT_THROW(p.setDuplex(2), VbError);
    EXPECT_EQ(p.Duplex(), 1);
    // The paper corner is the origin: no printable-area offset.
    EXPECT_EQ(p.hDC().deviceCaps(gdi::caps::kPhysicalOffsetX), 0);
    EXPECT_EQ(p.hDC().deviceCaps(gdi::caps::kPhysicalOffsetY), 0);
    // Measuring opens no job; drawing does, NewPage adds a page, EndDoc ends it.
    p.hDC().textHeightTw(QStringLiteral("診察券番号"));
    EXPECT_FALSE(p.jobOpen());
    p.hDC().textOut(100, 100, QStringLiteral("1"));
    EXPECT_TRUE(p.jobOpen());
    p.NewPage();
    p.hDC().textOut(100, 100, QStringLiteral("2"));
    p.EndDoc();
    EXPECT_FALSE(p.jobOpen());
    QFile pdf(dir.filePath(QStringLiteral("a.pdf")));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.readAll().count("/Type /Page\n") + 0, 2);
}
