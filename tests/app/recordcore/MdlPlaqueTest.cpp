// Plaque codes onto cells and back into a rate, on stand-in cells and labels; the two grid checks.
#include <gtest/gtest.h>

#include "app/recordcore/KarteData.h"
#include "app/recordcore/MdlPlaque.h"
#include "platform/spread/SpreadGrid.h"

using namespace MdlPlaque;

namespace {

// The plaque cell's members, nothing more.
struct FakeCell {
    bool lost = false, u = false, d = false, l = false, r = false;
    bool Lost() const { return lost; }
    void setLost(bool v) { lost = v; }
    bool PlaqueU() const { return u; }
    void setPlaqueU(bool v) { u = v; }
    bool PlaqueD() const { return d; }
    void setPlaqueD(bool v) { d = v; }
    bool PlaqueL() const { return l; }
    void setPlaqueL(bool v) { l = v; }
    bool PlaqueR() const { return r; }
    void setPlaqueR(bool v) { r = v; }
    QString faces() const {
        return lost ? QStringLiteral("lost")
                    : QString(u ? "U" : "") + (d ? "D" : "") + (l ? "L" : "") + (r ? "R" : "");
    }
};
struct FakeLabel {
    QString text = QStringLiteral("unset");
    void setText(const QString& t) { text = t; }
};
struct FakeHost {
    std::array<FakeCell*, 52> cells;
    FakeLabel lost, count, rate;
    std::array<FakeCell*, 52>& plaqueCells() { return cells; }
    FakeLabel* lblLost() { return &lost; }
    FakeLabel& lblPlaqueCnt() { return count; }
    FakeLabel& lblPlaqueRitu() { return rate; }
};

// Shows the 52 codes as a screen does: both matrices, then the cells.
void show(const ToothValues& codes, std::array<FakeCell, 52>& cells) {
    PermanentMatrix permanent;
    DeciduousMatrix deciduous;
    ASSERT_TRUE(FuBolPlaqueStrToArry(codes, permanent, 0, 8, cells));
    ASSERT_TRUE(FuBolPlaqueStrToArry(codes, deciduous, 32, 5, cells));
    ASSERT_TRUE(FuBolPlaqueArryToCtl(permanent, 0, 8, cells));
    ASSERT_TRUE(FuBolPlaqueArryToCtl(deciduous, 32, 5, cells));
}

TEST(MdlPlaque, CodesSetTheFacesTheQuadrantNames) {
    struct Case {
        const char* code;
        int index; // tooth index: 0 upper right, 8 upper left, 16 lower right, 24 lower left, 32+ deciduous
        const char* faces;
    };
    const std::vector<Case> cases = {
        {"", 0, ""},        {" M ", 0, "lost"}, {"M", 40, "lost"},  {"1", 0, "R"},
        {"10101", 0, "UR"}, {"1100", 0, "LR"},  {"1100", 24, "LR"}, {"0010", 8, "U"},
        {"0010", 16, "D"},  {"0001", 0, "D"},   {"0001", 24, "U"},  {"1000", 8, "L"},
        {"1000", 33, "R"},  {"1000", 38, "L"},  {"x1y1", 16, "UL"}, {"1111", 50, "UDLR"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "'" << c.code << "' at " << c.index);
        ToothValues codes;
        codes[c.index] = QString::fromLatin1(c.code);
        std::array<FakeCell, 52> cells;
        cells[c.index].lost = true; // lost in the visit shown before
        show(codes, cells);
        EXPECT_EQ(cells[c.index].faces(), QString::fromLatin1(c.faces));
    }
}

TEST(MdlPlaque, MatrixEntriesAreFourCharacters) {
    ToothValues codes;
    codes[0] = QStringLiteral("10101");
    codes[1] = QStringLiteral(" M ");
    codes[2] = QStringLiteral("1");
    std::array<FakeCell, 52> cells;
    PermanentMatrix m;
    ASSERT_TRUE(FuBolPlaqueStrToArry(codes, m, 0, 8, cells));
    EXPECT_EQ(m[0][0], QStringLiteral("1010"));
    EXPECT_EQ(m[0][1], QStringLiteral("M   "));
    EXPECT_EQ(m[0][2], QStringLiteral("1   "));
    EXPECT_EQ(m[0][3], QStringLiteral("0000"));
    EXPECT_TRUE(cells[1].lost);
    // Too few cells: a run-time error, trapped.
    std::array<FakeCell, 10> few;
    EXPECT_FALSE(FuBolPlaqueArryToCtl(m, 0, 8, few));
}

TEST(MdlPlaque, RateCountsPresentTeethAndFacesRoundingHalvesUp) {
    struct Case {
        int present, faces;
        const char* lost;
        const char* count;
        const char* rate;
    };
    const std::vector<Case> cases = {
        {0, 0, "", "", ""},        {52, 1, "52", "1", "0.48"}, {52, 208, "52", "208", "100.00"},
        {8, 1, "8", "1", "3.13"},  {40, 1, "40", "1", "0.63"}, {52, 0, "52", "0", "0.00"},
        {4, 2, "4", "2", "12.50"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.present << " present, " << c.faces << " faces");
        std::array<FakeCell, 52> cells;
        FakeHost host;
        for (int i = 0; i < 52; ++i) {
            host.cells[i] = &cells[i];
            cells[i].lost = i >= c.present;
        }
        // Faces on lost teeth do not count.
        if (c.present < 52)
            cells[51].u = cells[51].d = true;
        for (int f = 0, i = 0; f < c.faces; ++i) {
            FakeCell& cell = cells[i % c.present];
            bool* face[] = {&cell.u, &cell.d, &cell.l, &cell.r};
            *face[i / c.present] = true;
            ++f;
        }
        PSuPlaqueRituDisp(host);
        EXPECT_EQ(host.lost.text, QString::fromLatin1(c.lost));
        EXPECT_EQ(host.count.text, QString::fromLatin1(c.count));
        EXPECT_EQ(host.rate.text, QString::fromLatin1(c.rate));
    }
}

TEST(MdlPlaque, GridChecksMatchWholeTextOfColumnOne) {
    SpreadGrid grid;
    grid.setMaxCols(2);
    grid.setMaxRows(6);
    const QStringList items = {"A", "B", "A", "A", " 1", "11"};
    for (int r = 1; r <= 6; ++r)
        grid.setText(1, r, items[r - 1]);
    grid.setRow(4);
    grid.setSelModeSelected(true); // selected before the call
    ASSERT_TRUE(FuBolSpdCheckSet(grid, {"A", "A", "Z"}));
    QList<int> selected;
    for (int r = 1; r <= 6; ++r) {
        grid.setRow(r);
        if (grid.selModeSelected())
            selected << r;
    }
    EXPECT_EQ(selected, (QList<int>{1, 3, 4}));
    EXPECT_TRUE(FuBolSpdCheckSet(grid, {}));

    EXPECT_TRUE(FuBolSpdNoCheck(grid)); // " 1" and "11" are not "1"
    grid.setText(1, 6, QStringLiteral("1"));
    EXPECT_FALSE(FuBolSpdNoCheck(grid));
}

TEST(ToothOrder, SuffixesAndColumnListFollowTheToothOrder) {
    const auto& s = ToothOrder52();
    const std::vector<std::pair<int, const char*>> expected = {
        {0, "ur1"},  {7, "ur8"},  {8, "ul1"},  {16, "dr1"}, {24, "dl1"}, {32, "ura"},
        {36, "ure"}, {37, "ula"}, {42, "dra"}, {47, "dla"}, {51, "dle"}};
    for (const auto& [i, suffix] : expected)
        EXPECT_EQ(s[i], QLatin1String(suffix)) << i;
    const QString list = toothColumnList(QStringLiteral("mil_"));
    EXPECT_TRUE(list.startsWith(QStringLiteral("mil_ur1, mil_ur2")));
    EXPECT_TRUE(list.endsWith(QStringLiteral("mil_dld, mil_dle")));
    EXPECT_EQ(list.count(u','), 51);
    EXPECT_EQ((std::vector{toothQuadrant(7), toothQuadrant(8), toothQuadrant(36), toothQuadrant(37),
                           toothQuadrant(51)}),
              (std::vector{0, 1, 0, 1, 3}));
}

} // namespace
