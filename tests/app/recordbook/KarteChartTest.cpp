// The three record-book charts checked at pixel probes of their layout: cell colours, face triangles,
// undrawn background, the rate caption against a reference rendering, the delete cross and the trap.
#include <QImage>

#include "platform/gdi/GdiFont.h"

#include "KarteScreenFixture.h"
#include "app/recordbook/KarteChartKit.h"
#include "app/recordbook/KarteCharts.h"

using namespace MdlKarteMain;

namespace {

const QColor kBack(192, 255, 255);
const QColor kCyan(0, 255, 255);
const QColor kGreen(64, 128, 64);
const QColor kRed(255, 0, 0);
const QColor kPlaque(255, 64, 64);
const QColor kBlue(0, 0, 255);

} // namespace

class KarteChart : public RecordBookFixture {
protected:
    void SetUp() override {
        RecordBookFixture::SetUp();
        grid.setMaxCols(6);
        grid.setMaxRows(40);
        grid.setColWidth(3, 56);
        grid.setRowHeight(-1, kKarteRowHeight);
        grid.setRow(1);
        canvas.setBackColor(chart::kCanvasBack);
        canvas.setFont(gdi::logicalFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
        canvas.setWidth(grid.colWidthToTwips(grid.colWidth(3)));
        msgbox::clearShown();
    }
    // An inspection element of the given values for every tooth, changed per tooth by edit.
    long inspection(const QString& cls, const QString& miller, const QString& pocket, const QString& plaque,
                    const std::function<void(KarteSisyuKensaData&)>& edit = {}) {
        KarteSisyuKensaData d;
        d.inspection_cls = cls;
        d.miller.fill(miller);
        d.pocket.fill(pocket);
        d.plaque.fill(plaque);
        if (edit)
            edit(d);
        gSisyuKensaList.push_back(d);
        return ubound(gSisyuKensaList);
    }
    long instruction(const std::function<void(ToothValues&)>& edit) {
        KarteJittisidouData d;
        d.plaque.fill(QStringLiteral("0000"));
        edit(d.plaque);
        gJittisidouList.push_back(d);
        return ubound(gJittisidouList);
    }
    QColor at(int x, int y) const { return picture().pixelColor(x, y); }
    QImage picture() const { return canvas.PFuGetPicture(); }
    bool hasColour(const QColor& c) const {
        const QImage img = picture();
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.pixelColor(x, y) == c)
                    return true;
        return false;
    }
    bool hasInk(int x1, int y1, int x2, int y2) const {
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                if (at(x, y) == Qt::black)
                    return true;
        return false;
    }
    // The caption region as the chart drew it, against the expected text drawn the same way.
    void expectCaption(int top, const QString& expected) {
        ImageCanvas ref;
        ref.setBackColor(chart::kCanvasBack);
        ref.setFont(gdi::logicalFont(QStringLiteral("ＭＳ Ｐゴシック"), 9));
        ref.setSizePx(picture().size());
        ref.setFontSize(10);
        ref.setFontBold(true);
        chart::freeText(ref, 290, top, 140, 27, expected, true);
        const QRect box(290, top, 140, 24); // the tooth numbers start at y 25
        EXPECT_EQ(picture().copy(box), ref.PFuGetPicture().copy(box)) << expected.toStdString();
    }

    SpreadGrid grid;
    ImageCanvas canvas;
};

TEST_F(KarteChart, BasicChartCellsAtTheirProbes) {
    const long i = inspection(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0 3 "), QString(),
                              [](KarteSisyuKensaData& d) {
                                  d.miller[7] = QStringLiteral("M");        // UR8
                                  d.pocket[6] = QStringLiteral("1 4 2 3 "); // UR7, bleeding
                                  d.pocket[5] = QStringLiteral("0 4 ");     // UR6, no bleeding
                                  for (int j = 32; j < kToothCount; ++j)
                                      d.miller[j] = QStringLiteral("M");
                              });
    PSuDrawKihonKensa(canvas, grid, i, QString());
    EXPECT_EQ(picture().size(), QSize(448, 12 * 22));
    const struct {
        int x, y;
        QColor c;
    } probes[] = {
        {2, 2, kBack},    {20, 140, kBack},    {400, 140, kBack},   {158, 6, kBack},      {435, 100, kBack},
        {49, 40, kGreen}, {73, 64, kRed},      {97, 64, Qt::white}, {120, 88, Qt::white}, {120, 136, kCyan},
        {9, 27, kCyan},   {46, 50, Qt::black}, {70, 50, Qt::black},
    };
    for (const auto& p : probes)
        EXPECT_EQ(at(p.x, p.y), p.c) << p.x << "," << p.y;
    EXPECT_TRUE(hasInk(76, 66, 90, 80)) << "the depth 4 is written in the red cell";
    EXPECT_FALSE(hasColour(kBlue));
    EXPECT_TRUE(msgbox::shown().isEmpty());

    // One deciduous tooth with mobility: every missing deciduous tooth turns into a green "M".
    const long k = inspection(QStringLiteral("1"), QStringLiteral("M"), QStringLiteral("0 3 "), QString(),
                              [](KarteSisyuKensaData& d) { d.miller[36] = QStringLiteral("1"); });
    PSuDrawKihonKensa(canvas, grid, k, QString());
    EXPECT_EQ(at(121, 88), Qt::white); // URE itself
    EXPECT_EQ(at(145, 88), kGreen);    // URD
    EXPECT_EQ(at(145, 172), kGreen);   // lower deciduous mobility
}

TEST_F(KarteChart, DeleteCrossIsBlueCornerToCornerOnEveryChartOnlyForTheMark) {
    const long insp =
        inspection(QStringLiteral("1"), QStringLiteral("0"), QStringLiteral("0 3 "), QStringLiteral("0000"));
    const long inst = instruction([](ToothValues&) {});
    using Draw = void (*)(ImageCanvas&, SpreadGrid&, long, const QString&);
    const struct {
        Draw draw;
        long index;
        int rows;
    } charts[] = {
        {PSuDrawKihonKensa, insp, 12}, {SuDrawSeimituKensa, insp, 20}, {SuDrawObJittisidou, inst, 8}};
    for (const auto& c : charts) {
        for (const QString& mark : {QString(), QStringLiteral("0")}) {
            c.draw(canvas, grid, c.index, mark);
            EXPECT_FALSE(hasColour(kBlue)) << c.rows;
        }
        c.draw(canvas, grid, c.index, QStringLiteral("1"));
        const int w = 448;
        const int h = c.rows * 22;
        ASSERT_EQ(picture().size(), QSize(w, h));
        for (int x : {4, w / 2, w - 8}) {
            const int y = x * h / w;
            EXPECT_EQ(at(x, y), kBlue) << c.rows << " down at " << x;
            EXPECT_EQ(at(w - x, y), kBlue) << c.rows << " up at " << x;
        }
    }
}

TEST_F(KarteChart, PreciseChartFacesSitesAndMobility) {
    const long i =
        inspection(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("0 2 0 3 0 2 0 2 0 3 0 2 "),
                   QStringLiteral("0000"), [](KarteSisyuKensaData& d) {
                       d.plaque[0] = QStringLiteral("1000");  // UR1
                       d.plaque[8] = QStringLiteral("1000");  // UL1
                       d.plaque[16] = QStringLiteral("0010"); // LR1
                       d.plaque[24] = QStringLiteral("0001"); // LL1
                       // LR1: DL bleeds, DB does not.
                       d.pocket[16] = QStringLiteral("0 2 0 3 0 2 0 2 0 3 1 5 ");
                       // UR2: mobility "M" with real plaque and pockets.
                       d.miller[1] = QStringLiteral("M");
                       d.plaque[1] = QStringLiteral("1111");
                       d.plaque[2] = QStringLiteral("10"); // short codes draw quietly
                       d.plaque[3] = QString();
                   });
    SuDrawSeimituKensa(canvas, grid, i, QString());
    EXPECT_TRUE(msgbox::shown().isEmpty()) << lastBox().toStdString();
    EXPECT_EQ(picture().size(), QSize(448, 20 * 22));
    const struct {
        int x, y;
        QColor c;
    } probes[] = {
        {242, 42, kPlaque},  {228, 42, Qt::white},  {235, 35, Qt::white}, // UR1 right only
        {252, 42, kPlaque},  {266, 42, Qt::white},                        // UL1 left only
        {235, 423, kPlaque}, {235, 409, Qt::white},                       // LR1 lower only
        {259, 409, kPlaque}, {259, 423, Qt::white},                       // LL1 upper only
        {226, 239, kRed},    {226, 359, Qt::white},                       // LR1 DL first, DB last
        {3, 102, kCyan},     {3, 300, kCyan},       {291, 4, kBack},      {445, 200, kBack},
        {211, 66, kGreen},   {203, 82, Qt::white},  {218, 42, kPlaque}, // UR2
    };
    for (const auto& p : probes)
        EXPECT_EQ(at(p.x, p.y), p.c) << p.x << "," << p.y;
    // Faces: 1 + 1 + 1 + 1 + 4 + 1 ("10") over 32 present teeth.
    expectCaption(3, QStringLiteral("(プラーク率 7.03%)"));
}

TEST_F(KarteChart, RateCaptionsCountOnlyTheTeethEachChartShows) {
    const struct {
        int present;       // permanent teeth with a code, the rest "M"
        QString firstCode; // of the first present tooth, the others "0000"
        QString precise;
        QString instruction; // every deciduous tooth "M"
    } cases[] = {
        {0, QString(), QStringLiteral("0.00"), QStringLiteral("0.00")},
        {1, QStringLiteral("1111"), QStringLiteral("100.00"), QStringLiteral("100.00")},
        {8, QStringLiteral("0100"), QStringLiteral("3.13"), QStringLiteral("3.13")},
    };
    for (const auto& c : cases) {
        auto codes = [&c](ToothValues& v) {
            v.fill(QStringLiteral("M"));
            for (int t = 0; t < c.present; ++t)
                v[t] = t == 0 ? c.firstCode : QStringLiteral("0000");
        };
        const long i = inspection(QStringLiteral("2"), QStringLiteral("0"), QStringLiteral("0 2 "), QString(),
                                  [&](KarteSisyuKensaData& d) { codes(d.plaque); });
        SuDrawSeimituKensa(canvas, grid, i, QString());
        expectCaption(3, QStringLiteral("(プラーク率 ") + c.precise + QStringLiteral("%)"));
        SuDrawObJittisidou(canvas, grid, instruction(codes), QString());
        expectCaption(0, QStringLiteral("(プラーク率 ") + c.instruction + QStringLiteral("%)"));
    }
}

TEST_F(KarteChart, InstructionChartQuadrantsAndDeciduousBlanks) {
    const long i = instruction([](ToothValues& v) {
        for (int j = 32; j < kToothCount; ++j)
            v[j] = QStringLiteral("M");
        v[7] = QStringLiteral("1000");  // UR8
        v[8] = QStringLiteral("1000");  // UL1
        v[23] = QStringLiteral("0010"); // LR8
        v[22] = QStringLiteral("1000"); // LR7
    });
    SuDrawObJittisidou(canvas, grid, i, QString());
    EXPECT_EQ(picture().size(), QSize(448, 8 * 22));
    const struct {
        int x, y;
        QColor c;
    } probes[] = {
        {28, 50, kPlaque},   {12, 50, Qt::white},  // UR8 right only
        {220, 50, kPlaque},  {235, 50, Qt::white}, // UL1 left only
        {20, 148, kPlaque},  {20, 132, Qt::white}, // LR8 lower only
        {53, 140, kPlaque},  {38, 140, Qt::white}, // LR7 right only
        {88, 66, Qt::white}, {88, 104, Qt::white}, {87, 91, kCyan},
        {20, 95, kBack},     {410, 95, kBack},     {100, 10, kBack},
    };
    for (const auto& p : probes)
        EXPECT_EQ(at(p.x, p.y), p.c) << p.x << "," << p.y;

    // With one deciduous tooth present, the deciduous cells are drawn: missing ones green.
    const long k = instruction([](ToothValues& v) {
        for (int j = 33; j < kToothCount; ++j)
            v[j] = QStringLiteral("M");
    });
    SuDrawObJittisidou(canvas, grid, k, QString());
    EXPECT_EQ(at(115, 68), kGreen);    // URD
    EXPECT_EQ(at(219, 68), kGreen);    // ULA
    EXPECT_EQ(at(193, 76), Qt::white); // URA, present: its left face
    EXPECT_EQ(at(115, 106), kGreen);   // lower right D
}

TEST_F(KarteChart, AMissingDetailIsTrappedAndThePartialPictureStays) {
    const struct {
        void (*draw)(ImageCanvas&, SpreadGrid&, long, const QString&);
        const char* logName;
        const char* added;
    } cases[] = {
        {PSuDrawKihonKensa, "Err_PSuDrawKihonKensa", "PSuDrawKihonKensa()"},
        {SuDrawSeimituKensa, "SuDrawSeimituKensa", "SuDrawSeimituKensa()"},
        {SuDrawObJittisidou, "SuDrawObJittisidou", "SuDrawObJittisidou"},
    };
    for (const auto& c : cases) {
        msgbox::clearShown();
        c.draw(canvas, grid, 5, QStringLiteral("1"));
        ASSERT_EQ(msgbox::shown().size(), 1) << c.logName;
        EXPECT_TRUE(msgbox::shown().last().text.endsWith(QLatin1String(c.added))) << c.logName;
        EXPECT_EQ(msgbox::shown().last().style & 0xF0, 48);
        EXPECT_EQ(logLines().last().first, QLatin1String(c.logName));
        EXPECT_TRUE(hasInk(100, 0, 330, 30)) << "the title stays";
        EXPECT_FALSE(hasColour(kBlue)) << "nothing after the error";
    }
}
