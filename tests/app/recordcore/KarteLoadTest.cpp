// Loading a record book from a real keyed database: the chain with its gaps, Nulls and deleted
// lines, the detail rows, the shown month, new books, and books refused whole.
#include <QRegularExpression>

#include "support/RecordBookFixture.h"

using namespace MdlKarteMain;

class KarteLoad : public RecordBookFixture {};

TEST_F(KarteLoad, ReadsTheWholeChainWithGapsNullsDeletedLinesAndDetails) {
    addStoredBook();
    RecordingView view;
    ASSERT_TRUE(load(&view)) << lastBox().toStdString();
    EXPECT_TRUE(msgbox::shown().isEmpty());

    // Lines sit at their rec_no; the gap at 5 stays an empty slot the chain never visits.
    ASSERT_EQ(ubound(gKarteLines), 6);
    EXPECT_EQ(gKarteLines[5].rec_no, 0);
    EXPECT_EQ(gKarteLines[5].obj_id, QString());
    EXPECT_EQ(chainRecs(), (std::vector<int>{1, 3, 2, 4, 6}));
    EXPECT_EQ(gLngStoredCount, 6);
    EXPECT_FALSE(gBolKarteNew);
    EXPECT_EQ(gIntKarteHead, 1);
    EXPECT_EQ(gStrKarteEntTime, QStringLiteral("2024/01/05-10:00:00"));
    EXPECT_EQ(gStrKarteUpdTime, QString());

    const KarteLine& head = gKarteLines[1];
    EXPECT_EQ(head.prv_rec_no, 0); // Null link
    EXPECT_EQ(head.part, QString());
    EXPECT_EQ(head.ref[0], QStringLiteral("1111111100000"));
    EXPECT_EQ(head.ref[1], QString());
    EXPECT_EQ(head.ent_staff_name, QStringLiteral("青木 美咲"));
    EXPECT_EQ(head.del_staff_name, QString());
    for (int rec : {1, 3, 4, 6}) {
        EXPECT_EQ(gKarteLines[rec].line_state, QStringLiteral("3")) << rec;
        EXPECT_EQ(gKarteLines[rec].stored_mark, QStringLiteral("1"));
        EXPECT_FALSE(gKarteLines[rec].changed || gKarteLines[rec].link_changed);
    }
    const KarteLine& deleted = gKarteLines[2];
    EXPECT_EQ(deleted.line_state, QStringLiteral("5"));
    EXPECT_EQ(deleted.del_mark, QStringLiteral("1"));
    EXPECT_EQ(deleted.del_staff_name, QStringLiteral("石川 由美"));
    EXPECT_EQ(deleted.del_date_time, QStringLiteral("2024/02/01-09:00:00"));

    // Details by kind, Null teeth as missing.
    EXPECT_EQ(appealsAt(head.detail_index).appeals, QStringLiteral("冷たい物がしみる"));
    const KarteSisyuKensaData& insp = sisyuKensaAt(gKarteLines[3].detail_index);
    EXPECT_EQ(insp.inspection_cls, QStringLiteral("2"));
    EXPECT_EQ((std::array{insp.entry_no_pl, insp.entry_no_mi, insp.entry_no_po}), (std::array{2, 1, 3}));
    EXPECT_EQ(insp.plaque[0], QStringLiteral("M"));
    EXPECT_EQ(insp.plaque[1], QStringLiteral("1100"));
    EXPECT_EQ(insp.miller[0], QStringLiteral("M"));
    EXPECT_EQ(insp.pocket[0], QStringLiteral("M   M   M   M   "));
    EXPECT_EQ(insp.pocket[51], QStringLiteral("0  30  21  30  30  20  3"));
    EXPECT_EQ(gKarteLines[3].part, QStringLiteral("Naaaaaaaa00000000aaaaaaaa00000000"));
    const KarteJittisidouData& ins = jittisidouAt(gKarteLines[4].detail_index);
    EXPECT_EQ(ins.plaque[3], QStringLiteral("M"));
    EXPECT_EQ(ins.plaque[51], QStringLiteral("1010"));
    EXPECT_EQ(ins.cleaning_imp, (QStringList{"デンタルフロス", "歯間ブラシ（S）"}));
    EXPECT_TRUE(jittisidouAt(gKarteLines[6].detail_index).cleaning_imp.isEmpty());
    EXPECT_EQ(ubound(gJittisidouList), 3);

    // The month of the last line in chain order, and its first line.
    EXPECT_EQ(gStrKarteMonth, QStringLiteral("2024/06"));
    EXPECT_EQ(gLngMonthFirstRec, 6);

    // The wait window: shown and taken away once, both texts, counts up to the book's slots.
    EXPECT_EQ(view.shown, 1);
    EXPECT_EQ(view.unloaded, 1);
    EXPECT_EQ(view.messages, (QStringList{kMsgReadingLines, kMsgReadingDetails}));
    EXPECT_EQ(view.all, 6);
    EXPECT_EQ(view.lastCount, 6);
    EXPECT_EQ(view.barValue, 6);
}

TEST_F(KarteLoad, ShowsTheMonthOfTheLastLineInChainOrderNotTheHighestNumberOrDate) {
    addHead(1);
    addLine(1, 0, 5, QStringLiteral("800"), 1, QStringLiteral("2024/04/10"));
    addLine(5, 1, 2, QStringLiteral("800"), 1, QStringLiteral("2024/05/02"));
    addLine(2, 5, 0, QStringLiteral("800"), 1, QStringLiteral("2024/04/30"));
    for (const char* d : {"2024/04/10", "2024/05/02", "2024/04/30"})
        addInstruction(QString::fromLatin1(d), 1, QStringLiteral("0000"));
    ASSERT_TRUE(load());
    EXPECT_EQ(gStrKarteMonth, QStringLiteral("2024/04"));
    EXPECT_EQ(gLngMonthFirstRec, 1);
}

TEST_F(KarteLoad, PatientWithoutHeadRowOpensANewBookAndReadsNoLine) {
    addLine(1, 0, 0, QStringLiteral("800"), 1, QStringLiteral("2024/04/10"));
    gStrKarteMonth = QStringLiteral("1999/01"); // the previous patient's
    ASSERT_TRUE(load());
    EXPECT_TRUE(gBolKarteNew);
    EXPECT_EQ(gIntKarteHead, 0);
    EXPECT_EQ(ubound(gKarteLines), 0);
    EXPECT_EQ(gLngStoredCount, 0);
    EXPECT_EQ(gStrKarteMonth, QDate::currentDate().toString(QStringLiteral("yyyy/MM")));
    EXPECT_EQ(gStrKarteDateFrom, QStringLiteral("2003/01/01"));
    EXPECT_EQ(gStrKarteDateTo, QDate::currentDate().toString(QStringLiteral("yyyy/MM/dd")));
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(KarteLoad, HeaderWithoutToothRowsAndInstructionWithoutImplementsLoad) {
    addHead(1);
    addLine(1, 0, 0, QStringLiteral("250"), 1, QStringLiteral("2024/04/10"));
    addInspection(QStringLiteral("2024/04/10"), 1, QStringLiteral("1"), 0, 0, 0);
    ASSERT_TRUE(load()) << lastBox().toStdString();
    const KarteSisyuKensaData& d = sisyuKensaAt(gKarteLines[1].detail_index);
    EXPECT_EQ(d.entry_no_mi, 0);
    EXPECT_EQ(d.miller[0], QString());
    EXPECT_EQ(d.pocket[0], QString());
}

// A missing detail row refuses the book with its own message; the window goes either way.
TEST_F(KarteLoad, MissingDetailRowRefusesTheBookWithItsMessage) {
    struct Case {
        const char* obj;
        std::function<void()> details;
        const char* number;
        const char* added;
    };
    const QString date = QStringLiteral("2024/05/01");
    const std::vector<Case> cases = {
        {"800", [] {}, "811", "整合性の無いデータです (歯科衛生実地指導) 日付:2024/05/01  連番: 3"},
        {"100", [] {}, "802", "整合性の無いデータです (カルテ主訴) 日付:2024/05/01  連番: 3"},
        {"250", [] {}, "810", "整合性の無いデータです (カルテ精密検査) 日付:2024/05/01  連番: 3"},
        {"250",
         [&] {
             addInspection(date, 3, QStringLiteral("1"), 0, 2, 4);
             addToothRow("m_kr_miller", date, 2, QStringLiteral("1"));
         },
         "810", "整合性の無いデータ（歯周ポケット）です 日付:2024/05/01  連番: 4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.added);
        for (const QString& t : recordTables())
            run(QStringLiteral("DELETE FROM ") + t);
        msgbox::clearShown();
        addHead(1);
        addLine(1, 0, 0, QString::fromLatin1(c.obj), 3, date);
        c.details();
        RecordingView view;
        EXPECT_FALSE(load(&view));
        EXPECT_EQ(view.unloaded, 1);
        ASSERT_EQ(msgbox::shown().size(), 1);
        EXPECT_TRUE(msgbox::shown()[0].text.endsWith(QString::fromUtf8(c.added))) << lastBox().toStdString();
        EXPECT_EQ(msgbox::shown()[0].style & 0xF0, msgbox::MB_ICONEXCLAMATION);
    }
}

// A broken chain or a number the book cannot hold refuses the book (011/801), never hangs or wraps.
TEST_F(KarteLoad, CorruptBooksAreRefusedWhole) {
    struct Case {
        const char* what;
        const char* script;
    };
    const QString line =
        QStringLiteral("INSERT INTO m_kh_record (personal_id, rec_no, prv_rec_no, nxt_rec_no, obj_id, "
                       "entry_no, nest_level, karte_date, claim) VALUES ('10''01', ");
    const std::vector<Case> cases = {
        {"cycle", "1, 2, 2, '999', 1, 0, '2024/01/01', ''); #2, 1, 1, '999', 1, 0, '2024/01/02', '');"},
        {"link beyond the book", "1, NULL, 7, '999', 1, 0, '2024/01/01', '');"},
        {"link to a gap",
         "1, NULL, 3, '999', 1, 0, '2024/01/01', ''); #4, NULL, NULL, '999', 1, 0, '2024/01/01', '');"},
        {"rec_no beyond 16 bits", "40000, NULL, NULL, '999', 1, 0, '2024/01/01', '');"},
        {"entry_no beyond 16 bits", "1, NULL, NULL, '999', 70000, 0, '2024/01/01', '');"},
        {"Null entry_no", "1, NULL, NULL, '999', NULL, 0, '2024/01/01', '');"},
        {"Null nest_level", "1, NULL, NULL, '999', 1, NULL, '2024/01/01', '');"},
        {"negative link", "1, -3, NULL, '999', 1, 0, '2024/01/01', '');"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        run("DELETE FROM m_kh_record; DELETE FROM m_karte;");
        msgbox::clearShown();
        addHead(1);
        QString script;
        for (const QString& row : QString::fromLatin1(c.script).split(u'#'))
            script += line + row;
        run(script);
        EXPECT_FALSE(load());
        ASSERT_EQ(msgbox::shown().size(), 1);
        EXPECT_EQ(msgbox::shown()[0].caption, QStringLiteral("カルテ入力メイン"));
        EXPECT_TRUE(msgbox::shown()[0].text.endsWith(QStringLiteral("FuBolKarteGetDataMain()")));
    }
    // A Null head line in an existing head row is no empty book.
    run("DELETE FROM m_kh_record; UPDATE m_karte SET rec_no = NULL;");
    msgbox::clearShown();
    EXPECT_FALSE(load());
    EXPECT_EQ(msgbox::shown().size(), 1);
}
