// The pictures on real fonts, checked by geometry and colour at chosen pixels: the part picture, the
// text cell picture, the glyph control and a printed page of glyphs. With ORVANTA_PICTURE_DIR set the
// pictures are also written there to be looked at.
#include <gtest/gtest.h>

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "CodeBuilder.h"
#include "controls/toothchart/DrawGlyphor.h"
#include "controls/toothchart/PicPart.h"
#include "controls/toothchart/PicText.h"
#include "platform/gdi/Gdi.h"

using gdi::vbRound;

namespace {

const QColor kWhite(255, 255, 255);
const QColor kBlack(0, 0, 0);
const QColor kRed(255, 0, 0);
const QColor kSilver(192, 192, 192);

void keep(const QImage& img, const char* name) {
    const QByteArray dir = qgetenv("ORVANTA_PICTURE_DIR");
    if (dir.isEmpty())
        return;
    const QString base = QString::fromLocal8Bit(dir) + QChar('/') + QString::fromUtf8(name);
    img.save(base + QStringLiteral(".png"));
    // Four times as large, pixel for pixel, to look at.
    img.scaled(img.size() * 4, Qt::IgnoreAspectRatio, Qt::FastTransformation)
        .save(base + QStringLiteral("-x4.png"));
}

QRect inked(const QImage& img, const QColor& back, QRect within = QRect()) {
    if (within.isNull())
        within = img.rect();
    QRect box;
    for (int y = within.top(); y <= within.bottom(); ++y)
        for (int x = within.left(); x <= within.right(); ++x)
            if (img.pixelColor(x, y) != back)
                box = box.united(QRect(x, y, 1, 1));
    return box;
}

QFont gothic(double pt) {
    return gdi::logicalFont(QStringLiteral("ＭＳ ゴシック"), pt);
}

// Width in twips of a text in a font, measured as the pictures measure it.
int widthTw(const QString& s, double pt) {
    gdi::ImageSurface m(QSize(1, 1));
    m.setFont(gothic(pt));
    return vbRound(m.textWidthTw(s));
}

void setUp(PicText& p, int cellWidth = 3000) {
    p.setBackColor(0xFFFFFF);
    p.setForeColor(0x000000);
    p.setCellBorderColor(0xC0C0C0);
    p.setCellWidth(cellWidth);
    p.setCellHeight(360);
    p.setCellBorderWidth(1);
    p.Font() = gothic(12);
    p.FontFullDP() = gothic(8);
    p.FontHalfDP() = gothic(12);
}

} // namespace

TEST(PicPart, EmptyCodeGivesACellOfBackColour) {
    PicPart p;
    p.setBackColor(0xC0FFFF);
    p.setCellWidth(1500);
    p.setCellHeight(330);
    p.PSuRedraw();
    const QImage img = p.Picture();
    ASSERT_EQ(img.size(), QSize(100, 22));
    EXPECT_TRUE(inked(img, QColor(255, 255, 0xC0)).isEmpty());
    PicPart none;
    none.PSuRedraw();
    EXPECT_TRUE(none.Picture().isNull());
}

TEST(PicPart, LargestFittingFontSize) {
    const QString full = makeCode('N', {}, 'a');
    GlyphRenderer g;
    g.setPPoStrParts33(full);
    g.measure(&static_cast<const QFont&>(gothic(12)));
    const int w12 = g.PPoDrawWidth();
    const int h12 = g.PPoDrawHeight();
    struct Case {
        int width, height;
        double size;
    } cases[] = {{w12, h12, 12},
                 {w12 + 600, h12 + 600, 12},
                 {w12 - 1, h12, 10.5},
                 {w12, h12 - 1, 10.5},
                 {300, 150, 7.5}};
    for (const Case& c : cases) {
        PicPart p;
        p.setCellWidth(c.width);
        p.setCellHeight(c.height);
        p.setPPoStrParts33(full);
        p.PSuRedraw();
        EXPECT_DOUBLE_EQ(p.drawnFontSize(), c.size) << c.width << "x" << c.height;
        EXPECT_EQ(p.Picture().size(), QSize(gdi::twipsToPx(c.width), gdi::twipsToPx(c.height)));
    }
}

TEST(PicPart, GlyphCentredLinesInGlyphColourTextInPictureColour) {
    const QString code = makeCode('N', {{ToothPartCode::UpperRight, 2, 'a'},
                                        {ToothPartCode::UpperRight, 1, 'a'},
                                        {ToothPartCode::LowerLeft, 1, 'a'},
                                        {ToothPartCode::LowerLeft, 2, 'a'}});
    for (bool del : {false, true}) {
        PicPart p;
        p.setBackColor(0xFFFFFF);
        p.setForeColor(0x0000FF); // red text
        p.setCellWidth(3000);
        p.setCellHeight(900);
        p.setPPoStrParts33(code);
        p.setPPoStrPartsText(QStringLiteral("部"));
        p.setPPoBolDelMark(del);
        p.PSuRedraw();
        const QImage img = p.Picture();
        keep(img, del ? "picpart-deleted" : "picpart");

        // The same layout measured apart gives where the cross must stand.
        gdi::ImageSurface m(QSize(1, 1));
        m.setFont(gothic(12));
        const GlyphLayout::Cross c = GlyphLayout::measure(QuadSplitter::split(code), m);
        const int w = c.width + widthTw(QStringLiteral("部"), 12);
        const int offX = vbRound(3000 / 2.0 - w / 2.0);
        const int offY = vbRound(900 / 2.0 - c.height / 2.0);
        const int col = vbRound(vbRound(offX + c.right + c.centre / 2.0) / 15.0);
        const int row = vbRound((offY + c.upper) / 15.0 + 1);
        const QColor line = gdi::oleColor(0x80000012);
        EXPECT_EQ(img.pixelColor(col, row + 2), line);
        EXPECT_EQ(img.pixelColor(col - 3, row), line);
        EXPECT_EQ(img.pixelColor(col, vbRound(offY / 15.0) - 1), kWhite); // nothing above the glyph
        // Text in the picture's fore colour, centred: equal margins within a pixel.
        const QRect ink = inked(img, kWhite);
        EXPECT_NE(inked(img, kWhite, QRect(ink.left(), ink.top(), col - ink.left() - 1, row - ink.top() - 1)),
                  QRect());
        bool red = false;
        for (int y = 0; y < img.height() && !red; ++y)
            for (int x = 0; x < img.width() && !red; ++x)
                red = img.pixelColor(x, y) == kRed;
        EXPECT_TRUE(red);
        // The upper jaw's strike line only with the delete mark.
        const int strikeRow = vbRound(vbRound(offY + c.upper / 2.0) / 15.0);
        EXPECT_EQ(img.pixelColor(vbRound(offX / 15.0 + 1), strikeRow) == line, del);
    }
}

TEST(PicText, RowsSeparatorsAndHeight) {
    PicText p;
    setUp(p);
    p.setPPoStrDText(QString());
    EXPECT_EQ(p.CellRows(), 1);
    EXPECT_EQ(p.Picture().size(), QSize(200, 24));
    EXPECT_TRUE(inked(p.Picture(), kWhite).isEmpty());

    p.setPPoStrDText(QStringLiteral("a\r\rb"));
    EXPECT_EQ(p.CellRows(), 3);
    const QImage img = p.Picture();
    keep(img, "pictext-rows");
    EXPECT_EQ(img.height(), gdi::twipsToPx(1082));
    for (int y : {23, 47}) {
        EXPECT_EQ(img.pixelColor(0, y), kSilver);
        EXPECT_EQ(img.pixelColor(199, y), kSilver);
    }
    EXPECT_EQ(img.pixelColor(100, 22), kWhite);
    // "b" sits in the third row (from 722 twips).
    const QRect b = inked(img, kWhite, QRect(0, 48, 200, img.height() - 48));
    EXPECT_FALSE(b.isEmpty());
    EXPECT_TRUE(inked(img, kWhite, QRect(0, 24, 200, 23)).isEmpty());

    // A count below one keeps one row of height and the stored count.
    p.setCellRows(0);
    EXPECT_EQ(p.CellRows(), 0);
}

TEST(PicText, WrappingAddsRows) {
    const int w = widthTw(QStringLiteral("あ"), 12);
    const int perRow = (3000 - 30) / w;
    PicText p;
    setUp(p);
    p.setPPoStrDText(QString(perRow * 2 + 1, QChar(0x3042)));
    EXPECT_EQ(p.CellRows(), 3);
    p.setPPoStrDText(QString(perRow, QChar(0x3042)));
    EXPECT_EQ(p.CellRows(), 1);
    // A token wider than the row wraps even at a row's start, leaving that row empty.
    PicText narrow;
    setUp(narrow, 200);
    narrow.setPPoStrDText(QStringLiteral("あ"));
    EXPECT_EQ(narrow.CellRows(), 2);
    EXPECT_TRUE(inked(narrow.Picture(), kWhite, QRect(0, 0, narrow.Picture().width(), 23)).isEmpty());
}

TEST(PicText, RowsSizeAndSeparatorsFollowTheText) {
    const int w = widthTw(QStringLiteral("あ"), 12);
    const QString fullRow((3000 - 30) / w, QChar(0x3042));
    QStringList lines;
    for (int i = 0; i < 300; ++i)
        lines << QStringLiteral("冷たい物がしみる %1").arg(i);
    const struct Case {
        const char* name;
        QString text;
        int rows;
    } cases[] = {
        {"empty", QString(), 1},
        {"one line", QStringLiteral("冷たい物がしみる"), 1},
        {"CR breaks", QStringLiteral("a\rb\r\rc"), 4},
        {"breaks only", QStringLiteral("\r\r\r"), 4},
        {"CR LF: the LF is a character", QStringLiteral("ab\r\ncd\r\n"), 3},
        {"wrap then break", fullRow + QStringLiteral("あ\rb"), 3},
        {"marked runs",
         QStringLiteral("A/{Bx/}\r/{Xab/}/{D") +
             makeCode('N', {{ToothPartCode::UpperRight, 1, 'a'}, {ToothPartCode::LowerLeft, 1, 'a'}}) +
             QStringLiteral("/}"),
         2},
        {"300 lines", lines.join(QChar('\r')), 300},
    };
    PicText reused;
    setUp(reused);
    for (const Case& c : cases) {
        PicText fresh;
        setUp(fresh);
        fresh.setPPoStrDText(c.text);
        reused.setPPoStrDText(c.text);
        EXPECT_EQ(fresh.CellRows(), c.rows) << c.name;
        const QImage img = fresh.Picture();
        EXPECT_EQ(img.size(), QSize(200, gdi::twipsToPx(361 * (c.rows - 1) + 360))) << c.name;
        // A separator closes every row but the last: the last pixel row of each 24-pixel row.
        for (int k = 1; k < c.rows; ++k) {
            EXPECT_EQ(img.pixelColor(0, 24 * k - 1), kSilver) << c.name << " row " << k;
            EXPECT_EQ(img.pixelColor(199, 24 * k - 1), kSilver) << c.name << " row " << k;
        }
        EXPECT_EQ(img.pixelColor(199, img.height() - 1), kWhite) << c.name; // none below the last
        // A control that drew other texts before draws the same picture.
        EXPECT_EQ(reused.Picture(), img) << c.name;
        EXPECT_EQ(reused.CellRows(), c.rows) << c.name;
    }
}

TEST(PicText, EarlierRowsAreCutAtTheirBottomAndRuledOver) {
    // Rows 10 pixels high, text 32: what a row draws below the rows there are so far is cut off, the
    // separators lie over every row but the last, and the last row's text lies over its separator.
    const struct Case {
        const char* text;
        int rows;
        bool firstSeparatorWhole;
        bool belowFirstRowClear; // apart from the separators
    } cases[] = {
        {"あ\r\r", 3, true, true},
        {"あ\r", 2, true, true},
        {"\rあ", 2, false, false},
    };
    for (const Case& c : cases) {
        PicText p;
        setUp(p);
        p.setCellHeight(150);
        p.Font() = gothic(24);
        p.setPPoStrDText(QString::fromUtf8(c.text));
        ASSERT_EQ(p.CellRows(), c.rows) << c.text;
        const QImage img = p.Picture();
        bool whole = true;
        for (int x = 0; x < img.width(); ++x)
            whole = whole && img.pixelColor(x, 9) == kSilver;
        EXPECT_EQ(whole, c.firstSeparatorWhole) << c.text;
        bool clear = true;
        for (int y = 10; y < img.height(); ++y)
            if (y != 19)
                clear = clear && inked(img, kWhite, QRect(0, y, img.width(), 1)).isEmpty();
        EXPECT_EQ(clear, c.belowFirstRowClear) << c.text;
    }
}

TEST(PicText, HalfSizeRunsSitBelowTheRowMiddle) {
    PicText a;
    setUp(a);
    a.setPPoStrDText(QStringLiteral("A"));
    PicText ax;
    setUp(ax);
    ax.setPPoStrDText(QStringLiteral("A/{Bx/}"));
    keep(ax.Picture(), "pictext-half");
    const QImage i1 = a.Picture(), i2 = ax.Picture();
    QRect diff;
    for (int y = 0; y < i1.height(); ++y)
        for (int x = 0; x < i1.width(); ++x)
            if (i1.pixelColor(x, y) != i2.pixelColor(x, y))
                diff = diff.united(QRect(x, y, 1, 1));
    ASSERT_FALSE(diff.isEmpty());
    EXPECT_GE(diff.top(), 12);
    const int xStart = vbRound((30 + widthTw(QStringLiteral("A"), 12)) / 15.0);
    EXPECT_GE(diff.left(), xStart - 1);
    EXPECT_LE(diff.right(), xStart + vbRound(widthTw(QStringLiteral("x"), 6) / 15.0) + 1);
}

TEST(PicText, GlyphRunsChooseTheirFontByJaws) {
    const QString upperOnly =
        makeCode('N', {{ToothPartCode::UpperRight, 1, 'a'}, {ToothPartCode::UpperLeft, 1, 'a'}});
    const QString both =
        makeCode('N', {{ToothPartCode::UpperRight, 1, 'a'}, {ToothPartCode::LowerLeft, 1, 'a'}});
    auto inkWidth = [](const QString& code, double half, double full) {
        PicText p;
        setUp(p, 6000);
        p.FontHalfDP() = gothic(half);
        p.FontFullDP() = gothic(full);
        p.setPPoStrDText(QStringLiteral("/{D") + code + QStringLiteral("/}"));
        return inked(p.Picture(), kWhite).width();
    };
    EXPECT_GT(inkWidth(upperOnly, 20, 8), inkWidth(upperOnly, 8, 20));
    EXPECT_LT(inkWidth(both, 20, 8), inkWidth(both, 8, 20));

    PicText shown;
    setUp(shown, 6000);
    shown.setPPoStrDText(QStringLiteral("歯肉/{D") + both + QStringLiteral("下顎/}です"));
    keep(shown.Picture(), "pictext-glyph");
    EXPECT_EQ(shown.CellRows(), 1);
}

TEST(PicText, LiteralRunsAndStrikeLines) {
    // Circled-character runs, other kinds and the empty run are written as their characters.
    for (const char* t : {"/{C①/}", "/{Xab/}", "/{/}", "/{y"}) {
        PicText p;
        setUp(p);
        const QString text = QString::fromUtf8(t);
        p.setPPoStrDText(text);
        EXPECT_EQ(p.CellRows(), 1) << t;
        const QRect ink = inked(p.Picture(), kWhite);
        EXPECT_NEAR(ink.right() + 1, (30 + widthTw(text, 12)) / 15.0, 2) << t;
    }
    PicText p;
    setUp(p);
    p.setPPoBolDelMark(true);
    p.setPPoStrDText(QStringLiteral("ab\r\rc"));
    const QImage img = p.Picture();
    keep(img, "pictext-deleted");
    const int end1 = vbRound((30 + widthTw(QStringLiteral("ab"), 12)) / 15.0);
    EXPECT_EQ(img.pixelColor(0, 12), kBlack);
    EXPECT_EQ(img.pixelColor(end1 - 1, 12), kBlack);
    EXPECT_EQ(img.pixelColor(end1 + 1, 12), kWhite);
    const int row2 = vbRound((180 + 361) / 15.0);
    EXPECT_EQ(img.pixelColor(1, row2), kBlack);
    EXPECT_EQ(img.pixelColor(2, row2), kWhite); // an empty row is struck to the 30-twip margin
    const int row3 = vbRound((180 + 722) / 15.0);
    EXPECT_EQ(img.pixelColor(0, row3), kBlack);
}

TEST(DrawGlyphor, FitsItsFontAndReportsClicks) {
    DrawGlyphor g;
    g.show();
    g.setFont(gothic(12));
    g.resize(10, 10); // a resize fits the size again: it grows to the fullest glyph
    GlyphRenderer full;
    full.setPPoStrParts33(makeCode('N', {}, 'a'));
    full.setPPoStrPartsText(QString(5, QChar(0x3000)));
    full.measure(&static_cast<const QFont&>(gothic(12)));
    EXPECT_EQ(g.width(), gdi::twipsToPx(full.PPoDrawWidth()));
    EXPECT_EQ(g.height(), gdi::twipsToPx(full.PPoDrawHeight()));

    g.setBackColor(0xFFFFFF);
    g.setPPoStrParts33(
        makeCode('N', {{ToothPartCode::UpperRight, 3, 'e'}, {ToothPartCode::LowerLeft, 4, 'b'}}));
    g.setPPoStrPartsText(QStringLiteral("上下顎"));
    g.PSuDraw();
    EXPECT_GT(g.PPoDrawWidth(), 0);
    keep(g.grab().toImage(), "drawglyphor");
    EXPECT_FALSE(inked(g.picture(), kWhite).isEmpty());

    QSignalSpy clicks(&g, &DrawGlyphor::Click);
    QTest::mouseClick(&g, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    EXPECT_EQ(clicks.count(), 1);
}

TEST(GlyphPrint, PageOfGlyphsThroughThePrinterSurface) {
    QTemporaryDir tmp;
    const QByteArray keepDir = qgetenv("ORVANTA_PICTURE_DIR");
    const QString path = (keepDir.isEmpty() ? tmp.path() : QString::fromLocal8Bit(keepDir)) + "/glyphs.pdf";
    const QString codes[] = {
        makeCode('N', {}, 'a'),
        makeCode('C', {}, 'a'),
        QStringLiteral("N00a0000n00a000000000b00000000000"),
        makeCode('C', {{ToothPartCode::LowerRight, 2, 'a'},
                       {ToothPartCode::LowerRight, 1, 'r'},
                       {ToothPartCode::LowerLeft, 1, 'e'},
                       {ToothPartCode::LowerLeft, 2, 'a'}}),
    };
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                          QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
        gdi::DeviceSurface page(&printer);
        EXPECT_DOUBLE_EQ(page.twipsPerPixelX(), 1440.0 / printer.resolution());
        page.setBkMode(gdi::BkMode::Transparent);
        page.setFont(gdi::logicalFont(QStringLiteral("ＭＳ　ゴシック"), 10));
        int y = 720;
        for (const QString& code : codes) {
            GlyphLayout::Options o;
            o.rules = GlyphLayout::Rules::Print;
            o.smallerCircle = true;
            o.originPx = QPoint(0, 0);
            const GlyphLayout::Size measured = GlyphLayout::paint(nullptr, page, QuadSplitter::split(code),
                                                                  false, QStringLiteral("部位"), 720, y, o);
            const GlyphLayout::Size drawn = GlyphLayout::paint(&page, page, QuadSplitter::split(code), false,
                                                               QStringLiteral("部位"), 720, y, o);
            EXPECT_EQ(measured.width, drawn.width);
            EXPECT_EQ(measured.height, drawn.height);
            y += drawn.height + 360;
        }
        page.endDoc();
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
}
