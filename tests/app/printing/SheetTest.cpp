// The record sheet on a recording A4 page at 600 dots per inch: the page frame and column boundaries,
// the patient header, the visit blocks with their charts, the order of the visits and the page breaks.
#include "SheetFixture.h"
#include "app/printing/PlaqueChartPrint.h"

using namespace sheettest;
using Kind = gdi::RecordedCall::Kind;

namespace {

// Left and right edges of the grey label boxes whose top is y, left to right.
std::vector<std::pair<int, int>> labelEdgesAt(const gdi::RecordingSurface& s, int top) {
    std::vector<std::pair<int, int>> out;
    for (const gdi::RecordedCall& r : rectsFilled(s, kGrey))
        if (r.rect.top == top)
            out.emplace_back(r.rect.left, r.rect.right);
    return out;
}

// Texts written inside the rectangles of a row that starts at top.
QStringList textsInRow(const gdi::RecordingSurface& s, int top) {
    QStringList out;
    for (const gdi::RecordedCall& c : s.callsOf(Kind::TextOut))
        if (c.clipped && c.clip.top == top)
            out << c.text;
    return out;
}

} // namespace

class SheetTest : public SheetFixture {};

TEST_F(SheetTest, PlaqueRateOfTheVisit) {
    ToothValues codes;
    codes.fill(QStringLiteral("M"));
    struct Case {
        std::initializer_list<std::pair<int, QString>> present;
        QString pcr;
    };
    const Case cases[] = {
        {{}, QString()}, // every tooth absent: no rate
        {{{0, "1000"},
          {1, "0000"},
          {2, ""},
          {3, "0000"},
          {4, "0000"},
          {5, " M "},
          {6, "0000"},
          {7, "0000"},
          {8, "0000"}},
         QStringLiteral("3.13％")}, // 8 present, 1 face: 3.125 rounds up
        {{{0, "1111"}}, QStringLiteral("100.00％")},
        {{{0, "1x1"}, {40, "0001"}}, QStringLiteral("37.50％")},
    };
    for (const Case& c : cases) {
        ToothValues v = codes;
        for (const auto& [i, code] : c.present)
            v[static_cast<size_t>(i)] = code;
        EXPECT_EQ(PlaqueChartPrint::SuPlaqueRitu(v), c.pcr);
    }
}

// The page header against the frame: L 450 px, X0 1050, U 216 px, boxes at X0 + 6U, 12U, 14U, 16U.
TEST_F(SheetTest, PageHeaderBoxesAndValues) {
    InstructEntryData record;
    InstructSheet sheet(device(), kFrame, record);
    const long h = sheet.FuLngInstructDrawHeader(1, kFrame.top);
    EXPECT_EQ(sheet.columnUnit(), 518); // CInt(8306 / 16) = 519 twips, 216 whole pixels = 518.4
    const QStringList all = texts(page);
    ASSERT_GE(all.size(), 4);
    EXPECT_EQ(all[0], QStringLiteral("　")); // opens the page, prints nothing visible
    EXPECT_EQ(all[1], QStringLiteral("さくら歯科クリニック"));
    EXPECT_EQ(all[2], QStringLiteral("プラークコントロールレコード"));
    EXPECT_EQ(all[3], QStringLiteral("実地指導記録"));
    // The clinic name ends at R, its top 36 twips below T.
    const auto outs = page.callsOf(Kind::TextOut);
    EXPECT_EQ(outs[1].clip.right, 4511);
    EXPECT_EQ(outs[1].points[0].y(), 300 + 15);
    const auto labels = rectsFilled(page, kGrey);
    ASSERT_EQ(labels.size(), 5u);
    const int top = labels[0].rect.top;
    const std::vector<std::pair<int, int>> edges = {
        {450, 1050}, {1050, 2346}, {2346, 3642}, {3642, 4074}, {4074, 4506}};
    EXPECT_EQ(labelEdgesAt(page, top), edges);
    const int rh = labels[0].rect.height();
    EXPECT_EQ(textsInRow(page, top), QStringList({"診察券番号", "患者氏名", "生年月日", "年齢", "性別"}));
    EXPECT_EQ(textsInRow(page, top + rh),
              QStringList({"000123", "山田 花子 様", "昭和55年05月12日", "43歳", "女"}));
    EXPECT_EQ(h, gdi::vbRound((top + 2 * rh) * 2.4) - kFrame.top);
    // Without a birthday the box is drawn empty.
    gPatientInfo.birthday.clear();
    page.clearCalls();
    sheet.FuLngInstructDrawHeader(1, kFrame.top);
    EXPECT_EQ(textsInRow(page, top + rh), QStringList({"000123", "山田 花子 様", "43歳", "女"}));
    EXPECT_EQ(rectsFilled(page, kGrey).size(), 5u);
}

// One block: header row boundaries (box 1 reaches one column into the content area), the values, the
// chart mode by the teeth present, cleaning implements joined, the memo never printed; measuring draws
// nothing and answers the drawn height.
TEST_F(SheetTest, VisitBlockLayout) {
    InstructEntryData record;
    InstructSheet sheet(device(), kFrame, record);
    InstructVisitData v = permanentVisit(QStringLiteral("2024/04/01"), QStringLiteral("青木 美咲"));
    v.cleaning_imp = QStringList{QStringLiteral("歯ブラシ"), QStringLiteral("フロス")};
    v.inst_point = QStringLiteral("ブラッシング/{B指導/}");
    v.communicate_point = QStringLiteral("申し送りメモ");
    sheet.setPrintVisit(v);
    sheet.FuLngInstructDrawHeader(1, kFrame.top);
    page.clearCalls();

    const long y = 3000;
    const long measured = sheet.FuLngInstructDrawRec(false, y);
    EXPECT_TRUE(page.calls().empty());
    EXPECT_EQ(sheet.FuLngInstructDrawRec(true, y), measured);

    const auto labels = rectsFilled(page, kGrey);
    ASSERT_GE(labels.size(), 5u);
    const int top = labels[0].rect.top;
    const std::vector<std::pair<int, int>> edges = {
        {450, 1266}, {1266, 2130}, {2130, 2994}, {2994, 4074}, {4074, 4506}};
    EXPECT_EQ(labelEdgesAt(page, top), edges);
    const int rh = labels[0].rect.height();
    EXPECT_EQ(top, 1250 + rh); // the empty gap row first
    EXPECT_EQ(textsInRow(page, top),
              QStringList({"実地指導日", "指導時刻", "歯科医師名", "歯科衛生士名", "ＰＣＲ"}));
    EXPECT_EQ(textsInRow(page, top + rh),
              QStringList({"令和06年04月01日", "09時30分～10時00分", "佐藤 一郎", "青木 美咲", "3.13％"}));

    // Chart: permanent teeth only, 3 rows of 216 px cells 36 twips (15 px) below the header rows; the
    // numbers between the jaws.
    const int chartTop = top + 2 * rh + 15;
    const QStringList all = texts(page);
    EXPECT_EQ(all.mid(all.indexOf("8"), 16).join(QString()), QStringLiteral("8765432112345678"));
    const auto label = labels[5];
    EXPECT_EQ(label.rect, (gdi::GdiRect{450, chartTop, 1050, chartTop + 3 * 216}));
    EXPECT_EQ(textsInRow(page, chartTop), QStringList({"プラーク付着"}));
    // 8 present teeth of 4 triangles, one of them red; 24 absent permanent teeth green.
    int red = 0, green = 0, triangles = 0;
    for (const auto& p : page.callsOf(Kind::Polygon)) {
        triangles += p.points.size() == 3;
        red += p.brush.style == gdi::BrushStyle::Solid && p.brush.color == kPlaqueRed;
        green += p.brush.style == gdi::BrushStyle::Solid && p.brush.color == kLostGreen;
    }
    EXPECT_EQ(triangles, 32);
    EXPECT_EQ(red, 1);
    EXPECT_EQ(green, 24);

    EXPECT_TRUE(all.contains(QStringLiteral("歯ブラシ、フロス")));
    EXPECT_TRUE(all.contains(QStringLiteral("清掃具")));
    EXPECT_TRUE(all.contains(QStringLiteral("指導内容")));
    EXPECT_TRUE(all.contains(QStringLiteral("指導")));
    EXPECT_FALSE(all.join(QString()).contains(QStringLiteral("申し送り")));

    // No implement: one empty line of height, the placeholder never written.
    v.cleaning_imp.clear();
    sheet.setPrintVisit(v);
    page.clearCalls();
    EXPECT_EQ(sheet.FuLngInstructDrawRec(true, y), measured);
    EXPECT_FALSE(texts(page).contains(QStringLiteral("NONE")));
}

// The chart mode follows the teeth with codes: deciduous only is a framed block with its cells three
// columns in; both (or none) is the 6.5-unit chart with numbers above and below.
TEST_F(SheetTest, ChartModes) {
    InstructEntryData record;
    InstructSheet sheet(device(), kFrame, record);
    sheet.FuLngInstructDrawHeader(1, kFrame.top);
    const long s = 518; // one column unit down, in twips
    struct Case {
        InstructVisitData v;
        long height;
        int triangles, absent;
    };
    const Case cases[] = {
        {permanentVisit("2024/04/01", "a"), 3 * s, 32, 24},
        {visit("2024/04/01", "a", {{32, "0000"}, {33, "0100"}}), 3 * s, 8, 18},
        {visit("2024/04/01", "a", {{0, "0000"}, {32, "0000"}}), gdi::vbRound(6.5 * s), 8, 50},
        {visit("2024/04/01", "a"), gdi::vbRound(6.5 * s), 0, 52},
    };
    for (const Case& c : cases) {
        sheet.setPrintVisit(c.v);
        page.clearCalls();
        EXPECT_EQ(sheet.FuLngInstructDrawPlague(true, 4000), c.height);
        int triangles = 0, absent = 0;
        for (const auto& p : page.callsOf(Kind::Polygon)) {
            triangles += p.points.size() == 3;
            absent += p.points.size() == 4;
        }
        EXPECT_EQ(triangles, c.triangles);
        EXPECT_EQ(absent, c.absent);
    }
    // Deciduous only: the 16 x 3 frame, then the cells from X0 + 3U to X0 + 13U.
    sheet.setPrintVisit(cases[1].v);
    page.clearCalls();
    sheet.FuLngInstructDrawPlague(true, 4000);
    const auto rects = page.callsOf(Kind::Rectangle);
    ASSERT_FALSE(rects.empty());
    EXPECT_EQ(rects[0].rect, (gdi::GdiRect{1050, 1667, 1050 + 16 * 216, 1667 + 3 * 216}));
    int minX = 99999, maxX = 0;
    for (const auto& p : page.callsOf(Kind::Polygon))
        for (const QPoint& pt : p.points) {
            minX = std::min(minX, pt.x());
            maxX = std::max(maxX, pt.x());
        }
    EXPECT_EQ(minX, 1698);
    EXPECT_EQ(maxX, 3858);
    EXPECT_TRUE(texts(page).join(QString()).contains(QStringLiteral("EDCBAABCDE")));
}

// Face mapping: each quadrant's first character names the face toward the midline.
TEST_F(SheetTest, PlaqueFacesLandOnTheirTriangles) {
    InstructEntryData record;
    InstructSheet sheet(device(), kFrame, record);
    sheet.FuLngInstructDrawHeader(1, kFrame.top);
    // Upper right tooth 1 (char 1 = right), upper left tooth 1 (char 1 = left), lower right tooth 1
    // (char 3 = bottom), lower left tooth 1 (char 4 = top).
    sheet.setPrintVisit(visit("2024/04/01", "a", {{0, "1000"}, {8, "1000"}, {16, "0010"}, {24, "0001"}}));
    sheet.FuLngInstructDrawPlague(true, 4000);
    std::vector<QString> faces;
    for (const auto& p : page.callsOf(Kind::Polygon)) {
        if (!(p.brush.style == gdi::BrushStyle::Solid && p.brush.color == kPlaqueRed))
            continue;
        const QPoint a = p.points[0], b = p.points[1];
        faces.push_back(a.y() == b.y() ? (a.y() < p.points[2].y() ? "top" : "bottom")
                                       : (a.x() < p.points[2].x() ? "left" : "right"));
    }
    EXPECT_EQ(faces, (std::vector<QString>{"right", "left", "bottom", "top"}));
}

TEST_F(SheetTest, AbsentToothInColourAndInMonochrome) {
    InstructEntryData record;
    for (int mode : {2, 1}) {
        page.clearCalls();
        InstructSheet sheet(device(mode), kFrame, record);
        sheet.FuLngInstructDrawHeader(1, kFrame.top);
        sheet.setPrintVisit(permanentVisit("2024/04/01", "a"));
        sheet.FuLngInstructDrawPlague(true, 4000);
        int green = 0;
        for (const auto& p : page.callsOf(Kind::Polygon))
            green += p.brush.style == gdi::BrushStyle::Solid && p.brush.color == kLostGreen;
        EXPECT_EQ(green, mode == 2 ? 24 : 0);
        EXPECT_EQ(texts(page).count(QStringLiteral("MT")), mode == 2 ? 0 : 24);
    }
}

// The ticked rows print from the last row of the list up: the stored visits oldest first, the visit
// being edited last; blocks that do not fit start a new page with the header again; the job ends once.
TEST_F(SheetTest, VisitOrderAndPageBreaks) {
    InstructEntryData record;
    record.visit = permanentVisit("2024/06/03", "今日");
    for (int i = 0; i < 5; ++i)
        record.history.push_back(
            permanentVisit(QStringLiteral("2024/05/%1").arg(10 + i), QStringLiteral("過去%1").arg(i)));
    // The list: current visit, then history 4..0; history 2 unticked.
    std::vector<InstructSheet::Row> rows{{-1, true}, {4, true}, {3, true}, {2, false}, {1, true}, {0, true}};
    InstructSheet sheet(device(), kFrame, record);
    sheet.FuLngInstructDraw(rows);
    QStringList staff;
    for (const QString& t : texts(page))
        if (t == "今日" || t.startsWith("過去"))
            staff << t;
    EXPECT_EQ(staff, QStringList({"過去0", "過去1", "過去3", "過去4", "今日"}));
    EXPECT_EQ(endDocs, 1);
    EXPECT_GE(newPages, 1);
    EXPECT_EQ(sheet.pageCount(), newPages + 1);
    EXPECT_EQ(texts(page).count(QStringLiteral("プラークコントロールレコード")), newPages + 1);
    EXPECT_FALSE(sheet.failed());
    EXPECT_TRUE(msgbox::shown().isEmpty());

    // Nothing ticked: no page, no job.
    page.clearCalls();
    newPages = endDocs = 0;
    sheet.FuLngInstructDraw({{-1, false}, {0, false}});
    EXPECT_TRUE(page.calls().empty());
    EXPECT_EQ(endDocs, 0);
}

// A visit whose date cannot be read: its header values are left out, logged, the rest of the sheet is
// printed and one message comes after the job, not in the middle of a page.
TEST_F(SheetTest, AnErrorIsReportedAfterTheJob) {
    InstructEntryData record;
    record.visit = permanentVisit("2024/06/03", "今日");
    record.history.push_back(permanentVisit("not a date", "過去"));
    int shownWhileOpen = -1;
    SheetDevice d = device();
    d.endDoc = [&] {
        ++endDocs;
        shownWhileOpen = static_cast<int>(msgbox::shown().size());
    };
    InstructSheet watched(d, kFrame, record);
    watched.FuLngInstructDraw({{-1, true}, {0, true}});
    EXPECT_TRUE(watched.failed());
    EXPECT_EQ(shownWhileOpen, 0);
    EXPECT_EQ(shownTexts(), QStringList{QStringLiteral("予期しないエラーが発生しました。")});
    ASSERT_FALSE(logLines().isEmpty());
    EXPECT_EQ(logLines().first().first, QStringLiteral("FuLngInstructDrawRecHeader"));
    EXPECT_TRUE(texts(page).contains(QStringLiteral("今日")));
}
