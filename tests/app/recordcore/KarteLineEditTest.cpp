// Adding a visit to the chain in memory and marking lines deleted: links, head, month, states,
// stamps, staff and the visit's content; the guards against wrapping and cutting the chain off.
#include <QRegularExpression>
#include <gtest/gtest.h>

#include "app/recordcore/KarteGlobals.h"
#include "app/recordcore/KarteLineEdit.h"
#include "app/shell/ShellGlobals.h"
#include "controls/toothchart/PartControl.h"
#include "platform/error/VbError.h"

using namespace MdlKarteMain;

namespace {

// A quadrant splitter that names which of its getters gave a mask.
struct FakePartControl {
    QString code;
    int separations = 0;
    void setPPoStrParts33(const QString& c) { code = c; }
    void PSuSeparation() { ++separations; }
    QString PPoStrURB() const { return QStringLiteral("UR") + code.mid(1, 8); }
    QString PPoStrULB() const { return QStringLiteral("UL") + code.mid(9, 8); }
    QString PPoStrDRB() const { return QStringLiteral("DR") + code.mid(17, 8); }
    QString PPoStrDLB() const { return QStringLiteral("DL") + code.mid(25, 8); }
};

const QRegularExpression kStamp(QStringLiteral("^\\d{4}/\\d{2}/\\d{2}-\\d{2}:\\d{2}:\\d{2}$"));

class KarteLineEdit : public ::testing::Test {
protected:
    void SetUp() override {
        resetRecordBookGlobals();
        saved = gStaffLoginInfo;
        gStaffLoginInfo = {QStringLiteral("2"), QStringLiteral("0003"), QStringLiteral("上野 加奈子"),
                           QString()};
        gKarteInfo.visit.entry = QStringLiteral("2024/05/01");
        gKarteInfo.visit.inst_start_time = QStringLiteral("10:00");
        gKarteInfo.visit.inst_end_time = QStringLiteral("10:30");
        gKarteInfo.visit.inst_point = QStringLiteral("歯間/{B清掃/}");
        gKarteInfo.visit.plaque.fill(QStringLiteral("1010"));
        gStrParts33 = QStringLiteral("Caaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa");
        gStrPartsText = QStringLiteral("全顎");
    }
    void TearDown() override {
        resetRecordBookGlobals();
        gStaffLoginInfo = saved;
    }

    // Stored lines 1..n chained in order, as a load leaves them.
    void storedChain(int n) {
        gKarteLines.assign(1, KarteLine());
        for (int rec = 1; rec <= n; ++rec) {
            KarteLine l;
            l.rec_no = rec;
            l.prv_rec_no = rec - 1;
            l.nxt_rec_no = rec == n ? 0 : rec + 1;
            l.obj_id = kObjInstruction;
            l.karte_date = QStringLiteral("2024/04/0%1").arg(rec);
            l.part = QStringLiteral("Naaaaaaaa00000000aaaaaaaa00000000");
            l.line_state = kLineStored;
            l.stored_mark = QStringLiteral("1");
            gJittisidouList.emplace_back();
            gJittisidouList.back().plaque.fill(QStringLiteral("0000"));
            l.detail_index = ubound(gJittisidouList);
            gKarteLines.push_back(l);
        }
        gIntKarteHead = n > 0 ? 1 : 0;
        gLngStoredCount = n;
    }
    void addVisit(long prev, long next) {
        gLngPrevRec = prev;
        gLngNextRec = next;
        PSuKarteLineAdd(QStringLiteral("1"), QString());
        PSuKarteLineDataSet(QStringLiteral("1"), quadMasksOf(part));
    }

    FakePartControl part;
    StaffLoginInfo saved;
};

TEST_F(KarteLineEdit, FirstLineOfAnEmptyBookIsHeadAndMonthStartWithTheVisit) {
    gKarteInfo.visit.cleaning_imp = {QStringLiteral("舌ブラシ"), QStringLiteral("デンタルフロス")};
    addVisit(0, 0);
    EXPECT_EQ(gIntKarteHead, 1);
    EXPECT_EQ(gLngMonthFirstRec, 1);
    EXPECT_EQ(gLngCurRec, 1);
    const KarteLine& l = gKarteLines.at(1);
    EXPECT_EQ(l.rec_no, 1);
    EXPECT_EQ(l.prv_rec_no, 0);
    EXPECT_EQ(l.nxt_rec_no, 0);
    EXPECT_EQ(l.line_state, QStringLiteral("2"));
    EXPECT_TRUE(l.changed && l.link_changed);
    EXPECT_EQ(l.stored_mark, QString());
    EXPECT_EQ(l.entry_no, 0);
    EXPECT_EQ(l.obj_id, QStringLiteral("800"));
    EXPECT_EQ(l.claim, QString());
    EXPECT_TRUE(kStamp.match(l.ent_date_time).hasMatch()) << l.ent_date_time.toStdString();
    EXPECT_EQ(l.ent_staff_class_code, QStringLiteral("2"));
    EXPECT_EQ(l.ent_staff_code, QStringLiteral("0003"));
    EXPECT_EQ(l.ent_staff_name, QStringLiteral("上野 加奈子"));
    EXPECT_EQ(l.karte_date, QStringLiteral("2024/05/01"));
    EXPECT_EQ(l.part, gStrParts33);
    EXPECT_EQ(l.part_text, QStringLiteral("全顎"));
    EXPECT_EQ(l.ref, (std::array<QString, 4>{"URaaaaaaaa", "ULaaaaaaaa", "DRaaaaaaaa", "DLaaaaaaaa"}));
    EXPECT_EQ(part.separations, 1);

    ASSERT_EQ(ubound(gJittisidouList), 1);
    const KarteJittisidouData& e = gJittisidouList.at(l.detail_index);
    EXPECT_EQ(e.entry_no, 0);
    EXPECT_EQ(e.entry, QStringLiteral("2024/05/01"));
    EXPECT_EQ(e.inst_point, QStringLiteral("歯間/{B清掃/}"));
    EXPECT_EQ(e.plaque[51], QStringLiteral("1010"));
    EXPECT_EQ(e.cleaning_imp, (QStringList{"舌ブラシ", "デンタルフロス"}));
}

// Start, middle and end of a stored chain: neighbours relinked and flagged, never marked changed.
TEST_F(KarteLineEdit, InsertedLineIsLinkedBetweenItsNeighbours) {
    struct Case {
        long prev, next, monthFirstBefore;
        std::vector<int> chain;
        int head;
        long monthFirstAfter;
    };
    const std::vector<Case> cases = {
        {0, 1, 1, {6, 1, 2, 3, 4, 5}, 6, 6}, {3, 4, 4, {1, 2, 3, 6, 4, 5}, 1, 6},
        {3, 4, 2, {1, 2, 3, 6, 4, 5}, 1, 2}, {5, 0, 0, {1, 2, 3, 4, 5, 6}, 1, 6},
        {5, 0, 3, {1, 2, 3, 4, 5, 6}, 1, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.prev << "-" << c.next);
        storedChain(5);
        gLngMonthFirstRec = c.monthFirstBefore;
        addVisit(c.prev, c.next);
        EXPECT_EQ(gLngCurRec, 6);
        EXPECT_EQ(chainRecs(), c.chain);
        EXPECT_EQ(gIntKarteHead, c.head);
        EXPECT_EQ(gLngMonthFirstRec, c.monthFirstAfter);
        for (long n : {c.prev, c.next}) {
            if (n == 0)
                continue;
            EXPECT_TRUE(gKarteLines[n].link_changed);
            EXPECT_FALSE(gKarteLines[n].changed);
        }
        EXPECT_EQ(gKarteLines[6].prv_rec_no, c.prev);
        EXPECT_EQ(gKarteLines[6].nxt_rec_no, c.next);
    }
}

TEST_F(KarteLineEdit, MarkingAndUnmarkingFollowTheDeleteMark) {
    struct Case {
        const char* mode;
        const char* delMark;
        const char* stateBefore;
        const char* stateAfter;
        bool marked; // deletion columns set
    };
    const std::vector<Case> cases = {
        {"3", "1", "3", "4", true}, {"3", "", "3", "3", false}, {"4", " ", "4", "3", false},
        {"4", "", "4", "3", false}, {"4", "1", "4", "4", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.mode << "/'" << c.delMark << "'");
        storedChain(2);
        KarteLine& l = gKarteLines[2];
        l.line_state = QString::fromLatin1(c.stateBefore);
        if (l.line_state == kLineDeleting) {
            l.del_mark = QStringLiteral("1");
            l.del_date_time = QStringLiteral("2024/05/01-09:00:00");
            l.del_staff_class_code = QStringLiteral("2");
            l.del_staff_code = QStringLiteral("0009");
            l.del_staff_name = QStringLiteral("前の人");
        }
        gLngCurRec = 2;
        gKarteInfo.visit.entry = QStringLiteral("2030/01/01");
        PSuKarteLineAdd(QString::fromLatin1(c.mode), QString::fromLatin1(c.delMark));
        PSuKarteLineDataSet(QString::fromLatin1(c.mode), quadMasksOf(part));
        EXPECT_TRUE(l.changed);
        EXPECT_FALSE(l.link_changed);
        EXPECT_EQ(l.line_state, QString::fromLatin1(c.stateAfter));
        EXPECT_EQ(l.del_mark, c.marked ? QStringLiteral("1") : QString());
        EXPECT_EQ(l.del_staff_name.isEmpty(), !c.marked);
        if (QLatin1String(c.mode) == QLatin1String("3") && c.marked) {
            EXPECT_TRUE(kStamp.match(l.del_date_time).hasMatch());
            EXPECT_EQ(l.del_staff_code, QStringLiteral("0003"));
        }
        // A stored line keeps its content whatever the visit says.
        EXPECT_EQ(l.karte_date, QStringLiteral("2024/04/02"));
        EXPECT_EQ(gJittisidouList.at(l.detail_index).plaque[0], QStringLiteral("0000"));
        EXPECT_EQ(part.separations, 0);
    }
}

// With the record-list screen's own quadrant splitter: the masks it gives for the part code.
TEST_F(KarteLineEdit, QuadrantMasksComeFromTheSplitter) {
    PartControl splitter;
    gStrParts33 = QStringLiteral("Naaaaaaa0abbaaaaa00000000gggggggg");
    gLngPrevRec = gLngNextRec = 0;
    PSuKarteLineAdd(QStringLiteral("1"), QString());
    PSuKarteLineDataSet(QStringLiteral("1"), quadMasksOf(splitter));
    EXPECT_EQ(gKarteLines[1].ref,
              (std::array<QString, 4>{"0111111100000", "1001111101100", "0000000000000", "1111111111111"}));
}

TEST_F(KarteLineEdit, AnUnsavedLineEditedAgainIsRestampedAndRefilled) {
    gKarteInfo.visit.cleaning_imp = {QStringLiteral("舌ブラシ")};
    addVisit(0, 0);
    gKarteLines[1].ent_date_time = QStringLiteral("2000/01/01-00:00:00");
    gKarteInfo.visit.entry = QStringLiteral("2024/05/03");
    gKarteInfo.visit.cleaning_imp.clear();
    gLngCurRec = 1;
    PSuKarteLineAdd(QStringLiteral("2"), QString());
    PSuKarteLineDataSet(QStringLiteral("2"), quadMasksOf(part));
    const KarteLine& l = gKarteLines[1];
    EXPECT_NE(l.ent_date_time, QStringLiteral("2000/01/01-00:00:00"));
    EXPECT_EQ(l.line_state, QStringLiteral("2"));
    EXPECT_EQ(l.karte_date, QStringLiteral("2024/05/03"));
    EXPECT_EQ(ubound(gJittisidouList), 1); // no second element
    EXPECT_TRUE(gJittisidouList[1].cleaning_imp.isEmpty());
}

TEST_F(KarteLineEdit, RefusesAnInsertThatWouldWrapOrCutTheChainOff) {
    storedChain(3);
    // No neighbours in a book that has a head: the old chain would be lost.
    gLngPrevRec = gLngNextRec = 0;
    EXPECT_THROW(PSuKarteLineAdd(QStringLiteral("1"), QString()), VbError);
    // A neighbour that is no line.
    gLngPrevRec = 9;
    EXPECT_THROW(PSuKarteLineAdd(QStringLiteral("1"), QString()), VbError);
    EXPECT_EQ(ubound(gKarteLines), 3);
    EXPECT_EQ(chainRecs(), (std::vector<int>{1, 2, 3}));

    // Line 32768 cannot be held: refused, not wrapped to a negative number.
    gKarteLines.resize(32768);
    gLngPrevRec = 3;
    gLngNextRec = 0;
    try {
        PSuKarteLineAdd(QStringLiteral("1"), QString());
        FAIL() << "no error";
    } catch (const VbError& e) {
        EXPECT_EQ(e.number(), 6);
    }
    EXPECT_EQ(gKarteLines[3].nxt_rec_no, 0);
    EXPECT_EQ(ubound(gKarteLines), 32767);
}

} // namespace

namespace {

TEST(KarteWorkErase, LeavesOnlyThePlaceholders) {
    gKarteLines.resize(4);
    gAppealsList.resize(3);
    gSisyuKensaList.resize(2);
    gJittisidouList.resize(5);
    gJittisidouList[2].cleaning_imp = {QStringLiteral("舌ブラシ")};
    gKarteInfo.mode = QStringLiteral("1");
    gKarteInfo.history.resize(3);
    PSuKarteWorkErase_End();
    EXPECT_EQ((std::vector{gKarteLines.size(), gAppealsList.size(), gSisyuKensaList.size(),
                           gJittisidouList.size(), gKarteInfo.history.size()}),
              (std::vector<size_t>{1, 1, 1, 1, 1}));
    EXPECT_EQ(gKarteInfo.mode, QString());
    EXPECT_TRUE(gJittisidouList[0].cleaning_imp.isEmpty());
}

} // namespace
