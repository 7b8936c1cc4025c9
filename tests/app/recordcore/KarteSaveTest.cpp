// Saving a record book on a real keyed database: what each kind of change writes, row by row;
// entry numbers; quotes; and failures that must leave the database as it was and the edits in
// memory, ready to be saved again.
#include <QRegularExpression>

#include "app/recordcore/KarteLineEdit.h"
#include "app/recordcore/KarteSave.h"
#include "support/RecordBookFixture.h"

using namespace MdlKarteMain;

namespace {

const QRegularExpression kStamp(QStringLiteral("^\\d{4}/\\d{2}/\\d{2}-\\d{2}:\\d{2}:\\d{2}$"));

// "col=value|col=value" as a map.
QMap<QString, QString> cellsOf(const QString& row) {
    QMap<QString, QString> m;
    for (const QString& cell : row.split(u'|'))
        m.insert(cell.section(u'=', 0, 0), cell.section(u'=', 1));
    return m;
}

} // namespace

class KarteSave : public RecordBookFixture {
protected:
    QuadMasks masks = [](const QString&) {
        return std::array<QString, 4>{"1111111100000", "1111111100000", "0000000000000", "0000000000000"};
    };

    // A visit handed back by the entry screen and linked in between prev and next.
    long addVisit(long prev, long next, const QString& date, const QStringList& implements = {},
                  const QString& point = QStringLiteral("歯ブラシの当て方")) {
        gKarteInfo = InstructEntryData();
        InstructVisitData& v = gKarteInfo.visit;
        v.entry = date;
        v.inst_start_time = QStringLiteral("10:00");
        v.inst_end_time = QStringLiteral("10:30");
        v.inst_point = point;
        v.plaque.fill(QStringLiteral("0000"));
        v.plaque[0] = QStringLiteral("M");
        v.plaque[1] = QStringLiteral("1010");
        v.plaque[2] = QStringLiteral("    ");
        v.cleaning_imp = implements;
        gStrParts33 = QStringLiteral("Caaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa");
        gStrPartsText.clear();
        gLngPrevRec = prev;
        gLngNextRec = next;
        PSuKarteLineAdd(QStringLiteral("1"), QString());
        PSuKarteLineDataSet(QStringLiteral("1"), masks);
        return gLngCurRec;
    }
    void markDeleted(long rec) {
        gLngCurRec = rec;
        PSuKarteLineAdd(QStringLiteral("3"), QStringLiteral("1"));
    }
    QString recordValue(int rec, const QString& column) {
        return value(QStringLiteral("m_kh_record"), column, QStringLiteral("rec_no = %1").arg(rec));
    }
    // Rows of the table keyed by their first two columns (the patient and the line).
    QMap<QString, QMap<QString, QString>> rowsByKey(const QString& table) {
        QMap<QString, QMap<QString, QString>> out;
        for (const QString& row : dump(table)) {
            const auto cells = cellsOf(row);
            out.insert(row.section(u'|', 0, 1), cells);
        }
        return out;
    }
};

TEST_F(KarteSave, NewBookWithOneInstructionLine) {
    ASSERT_TRUE(load());
    ASSERT_TRUE(gBolKarteNew);
    const long rec = addVisit(0, 0, QStringLiteral("2024/05/01"),
                              {QStringLiteral("舌ブラシ"), QStringLiteral("デンタルフロス")}, QString());
    gKarteLines[rec].ent_date_time = QStringLiteral("2000/01/01-00:00:00"); // when it was entered
    ASSERT_TRUE(FuBolKarteChanged());
    ASSERT_TRUE(PFuBolKarteUpdate()) << lastBox().toStdString();
    EXPECT_TRUE(msgbox::shown().isEmpty());

    const auto head = cellsOf(dump(QStringLiteral("m_karte")).value(0));
    EXPECT_EQ(head.value("personal_id"), kPid);
    EXPECT_EQ(head.value("rec_no"), QStringLiteral("1"));
    EXPECT_EQ(head.value("picture_server"), QStringLiteral("<N>"));
    EXPECT_TRUE(kStamp.match(head.value("ent_date_time")).hasMatch());
    EXPECT_EQ(head.value("ent_staff_class_code") + head.value("ent_staff_code"), QStringLiteral("20001"));
    EXPECT_EQ(head.value("upd_date_time") + head.value("upd_staff_code"), QStringLiteral("<N><N>"));

    const auto line = cellsOf(dump(QStringLiteral("m_kh_record")).value(0));
    for (const char* c : {"prv_rec_no", "nxt_rec_no", "part_text", "del_mark", "del_date_time",
                          "del_staff_class_code", "del_staff_code"})
        EXPECT_EQ(line.value(c), QStringLiteral("<N>")) << c;
    EXPECT_EQ(line.value("obj_id"), QStringLiteral("800"));
    EXPECT_EQ(line.value("nest_level"), QStringLiteral("0"));
    EXPECT_EQ(line.value("claim"), QString()); // '' and never Null
    EXPECT_EQ(line.value("part").size(), 33);
    EXPECT_EQ(line.value("ref_ur"), QStringLiteral("1111111100000"));
    EXPECT_EQ(line.value("ref_dl"), QStringLiteral("0000000000000"));
    EXPECT_EQ(line.value("entry_no"), QStringLiteral("1"));
    EXPECT_TRUE(kStamp.match(line.value("ent_date_time")).hasMatch());
    EXPECT_NE(line.value("ent_date_time"), QStringLiteral("2000/01/01-00:00:00")); // the save's stamp

    const auto ins = cellsOf(dump(QStringLiteral("m_actual_instruction")).value(0));
    EXPECT_EQ(ins.value("entry_no"), QStringLiteral("1"));
    EXPECT_EQ(ins.value("inst_start_time") + ins.value("inst_end_time"), QStringLiteral("10:0010:30"));
    EXPECT_EQ(ins.value("inst_point"), QStringLiteral("<N>"));
    EXPECT_EQ(ins.value("communicate_point"), QStringLiteral("<N>"));
    EXPECT_EQ(ins.value("prq_ur1"), QStringLiteral("<N>"));
    EXPECT_EQ(ins.value("prq_ur2"), QStringLiteral("1010"));
    EXPECT_EQ(ins.value("prq_ur3"), QStringLiteral("    "));
    EXPECT_EQ(dump(QStringLiteral("m_selection_imp")),
              (QStringList{
                  "personal_id=10'01|entry=2024/05/01|entry_no=1|select_no=1|cleaning_imp=舌ブラシ",
                  "personal_id=10'01|entry=2024/05/01|entry_no=1|select_no=2|cleaning_imp=デンタルフロス"}));

    // Memory is marked stored.
    EXPECT_FALSE(FuBolKarteChanged());
    EXPECT_EQ(gKarteLines[rec].line_state, QStringLiteral("3"));
    EXPECT_EQ(gKarteLines[rec].stored_mark, QStringLiteral("1"));
    EXPECT_FALSE(gKarteLines[rec].link_changed);
    EXPECT_EQ(gKarteLines[rec].ent_date_time, line.value("ent_date_time"));
    EXPECT_EQ(gLngStoredCount, 1);
    EXPECT_FALSE(gBolKarteNew);
    EXPECT_EQ(gStrKarteEntTime, head.value("ent_date_time"));

    // The next save updates the head row; empty times are stored as ''.
    const long second = addVisit(rec, 0, QStringLiteral("2024/05/08"));
    gJittisidouList[gKarteLines[second].detail_index].inst_start_time.clear();
    gJittisidouList[gKarteLines[second].detail_index].inst_end_time.clear();
    ASSERT_TRUE(PFuBolKarteUpdate()) << lastBox().toStdString();
    const auto head2 = cellsOf(dump(QStringLiteral("m_karte")).value(0));
    EXPECT_EQ(head2.value("ent_date_time"), head.value("ent_date_time"));
    EXPECT_TRUE(kStamp.match(head2.value("upd_date_time")).hasMatch());
    EXPECT_EQ(head2.value("upd_staff_code"), QStringLiteral("0001"));
    EXPECT_EQ(gStrKarteUpdTime, head2.value("upd_date_time"));
    EXPECT_EQ(
        value("m_actual_instruction", "inst_start_time || '/' || inst_end_time", "entry = '2024/05/08'"),
        QStringLiteral("/"));
    EXPECT_EQ(recordValue(1, "nxt_rec_no"), QStringLiteral("2"));
}

// New lines at the start, middle and end of a stored book and a deletion: only links and the
// deletion change on stored rows, and the book reads back as it stood in memory.
TEST_F(KarteSave, SavedBookReadsBackRowByRowAsItStoodInMemory) {
    addStoredBook();
    ASSERT_TRUE(load());
    const QStringList before = dumpAll();
    const auto recordsBefore = rowsByKey(QStringLiteral("m_kh_record"));

    const long first = addVisit(0, 1, QStringLiteral("2024/03/30"));
    const long middle = addVisit(3, 2, QStringLiteral("2024/04/20"), {QStringLiteral("舌ブラシ")});
    const long last = addVisit(6, 0, QStringLiteral("2024/06/10"));
    markDeleted(4);
    ASSERT_TRUE(PFuBolKarteUpdate()) << lastBox().toStdString();
    const QStringList memory = chainText(); // entry numbers now allocated

    // Stored rows: only the columns each change may touch.
    const QMap<int, QMap<QString, QString>> changed = {
        {1, {{"prv_rec_no", QString::number(first)}}},
        {3, {{"nxt_rec_no", QString::number(middle)}}},
        {2, {{"prv_rec_no", QString::number(middle)}}}, // stored as deleted: its deletion time stays
        {6, {{"nxt_rec_no", QString::number(last)}}},
        {4,
         {{"del_mark", "1"},
          {"del_staff_class_code", "2"},
          {"del_staff_code", "0001"},
          {"del_date_time", "*"}}},
    };
    const auto recordsAfter = rowsByKey(QStringLiteral("m_kh_record"));
    EXPECT_EQ(recordsAfter.size(), recordsBefore.size() + 3);
    for (auto it = recordsBefore.cbegin(); it != recordsBefore.cend(); ++it) {
        const int rec = it.value().value("rec_no").toInt();
        auto expected = it.value();
        for (auto c = changed.value(rec).cbegin(); c != changed.value(rec).cend(); ++c)
            expected[c.key()] = c.value();
        auto actual = recordsAfter.value(it.key());
        if (expected.value("del_date_time") == QLatin1String("*")) {
            EXPECT_TRUE(kStamp.match(actual.value("del_date_time")).hasMatch());
            actual["del_date_time"] = QStringLiteral("*");
        }
        EXPECT_EQ(actual, expected) << "line " << rec;
    }
    // Detail rows of stored lines are untouched.
    QStringList afterOldDetails = dumpAll();
    for (const QString& row : before)
        EXPECT_TRUE(row.startsWith(QLatin1String("m_karte")) ||
                    row.startsWith(QLatin1String("m_kh_record")) || afterOldDetails.contains(row))
            << row.toStdString();
    EXPECT_EQ(gKarteLines[4].line_state, QStringLiteral("5"));
    EXPECT_EQ(gKarteLines[2].del_date_time, QStringLiteral("2024/02/01-09:00:00"));

    // Read back, the book is what memory held.
    ASSERT_TRUE(load()) << lastBox().toStdString();
    EXPECT_EQ(chainText(), memory);
    EXPECT_EQ(gIntKarteHead, first);
    EXPECT_EQ(gKarteLines[4].del_staff_name, QStringLiteral("青木 美咲"));
}

TEST_F(KarteSave, EntryNumbersRunPerTableAndDateInsideTheSave) {
    addStoredBook(); // one instruction stored on 2024/05/20 with entry_no 1
    ASSERT_TRUE(load());
    const long a = addVisit(6, 0, QStringLiteral("2024/05/20"));
    const long b = addVisit(a, 0, QStringLiteral("2024/05/20"));
    const long c = addVisit(b, 0, QStringLiteral("2024/07/01"));
    ASSERT_TRUE(PFuBolKarteUpdate()) << lastBox().toStdString();
    EXPECT_EQ(
        (std::vector{recordValue(a, "entry_no"), recordValue(b, "entry_no"), recordValue(c, "entry_no")}),
        (std::vector<QString>{"2", "3", "1"}));
    EXPECT_EQ((std::vector{gKarteLines[a].entry_no, gJittisidouList[gKarteLines[b].detail_index].entry_no}),
              (std::vector{2, 3}));
    EXPECT_EQ(value("m_actual_instruction", "COUNT(*)", "entry = '2024/05/20'"), QStringLiteral("3"));
}

TEST_F(KarteSave, InspectionsAndChiefComplaintsStoreTheRowsOfTheirKind) {
    ASSERT_TRUE(load());
    struct Kind {
        const char* cls;
        const char* header; // entry_no_pl, mi, po as stored
        int plaque, miller, pocket;
    };
    const std::vector<Kind> kinds = {
        {"2", "1|1|1", 1, 1, 1}, {"3", "2|<N>|<N>", 1, 0, 0}, {"5", "<N>|<N>|2", 0, 0, 1}};
    long prev = 0;
    for (const Kind& k : kinds) {
        prev = addVisit(prev, 0, QStringLiteral("2024/05/01"));
        KarteLine& l = gKarteLines[prev];
        l.obj_id = kObjInspection;
        KarteSisyuKensaData d;
        d.inspection_cls = QString::fromLatin1(k.cls);
        d.plaque.fill(QStringLiteral("1100"));
        d.plaque[5] = QStringLiteral("M"); // a value beginning "M" is a missing tooth
        d.miller.fill(QStringLiteral("1"));
        d.miller[6] = QStringLiteral("Mx");
        d.pocket.fill(QStringLiteral("0  31  20  30  30  20  3"));
        d.pocket[7] = kMissingPocket;
        gSisyuKensaList.push_back(d);
        l.detail_index = ubound(gSisyuKensaList);
    }
    const long complaint = addVisit(prev, 0, QStringLiteral("2024/05/01"));
    gKarteLines[complaint].obj_id = kObjAppeals;
    gAppealsList.push_back({QString(), 0, QString(), QStringLiteral("右下が痛い")});
    gKarteLines[complaint].detail_index = ubound(gAppealsList);
    ASSERT_TRUE(PFuBolKarteUpdate()) << lastBox().toStdString();

    const QStringList headers = dump(QStringLiteral("m_kr_cir_inspection"));
    ASSERT_EQ(headers.size(), 3);
    for (size_t i = 0; i < kinds.size(); ++i) {
        const auto h = cellsOf(headers[i]);
        EXPECT_EQ(h.value("inspection_cls"), QString::fromLatin1(kinds[i].cls));
        EXPECT_EQ(h.value("entry_no_pl") + u'|' + h.value("entry_no_mi") + u'|' + h.value("entry_no_po"),
                  QString::fromLatin1(kinds[i].header));
        EXPECT_EQ(h.value("inst_point"), QString()); // '' for an inspection
    }
    EXPECT_EQ(dump(QStringLiteral("m_kr_plaque")).size(), 2);
    EXPECT_EQ(dump(QStringLiteral("m_kr_miller")).size(), 1);
    EXPECT_EQ(dump(QStringLiteral("m_kr_pocket")).size(), 2);
    EXPECT_EQ(value("m_kr_plaque", "IFNULL(prq_ur6, 'N') || prq_ur5", "entry_no = 1"),
              QStringLiteral("N1100"));
    EXPECT_EQ(value("m_kr_miller", "IFNULL(mil_ur7, 'N') || mil_ur6", "entry_no = 1"), QStringLiteral("N1"));
    EXPECT_EQ(value("m_kr_pocket", "IFNULL(poc_ur8, 'N')", "entry_no = 2"), QStringLiteral("N"));
    EXPECT_EQ(dump(QStringLiteral("m_kr_appeals")),
              QStringList{"personal_id=10'01|entry=2024/05/01|entry_no=1|appeals=<N>|addition=右下が痛い"});
    EXPECT_EQ(recordValue(complaint, "entry_no"), QStringLiteral("1"));
}

TEST_F(KarteSave, QuotesInEveryTextAreStoredAndReadBackAsTyped) {
    ASSERT_TRUE(load());
    const long rec = addVisit(0, 0, QStringLiteral("2024/05/01"), {QStringLiteral("it's a brush")},
                              QStringLiteral("O'Brien's 'advice'"));
    gKarteLines[rec].part_text = QStringLiteral("上顎'前歯");
    gJittisidouList[gKarteLines[rec].detail_index].communicate_point =
        QStringLiteral("'; DROP TABLE m_karte; --");
    ASSERT_TRUE(PFuBolKarteUpdate()) << lastBox().toStdString();
    const QStringList memory = chainText();
    ASSERT_TRUE(load());
    EXPECT_EQ(chainText(), memory);
    EXPECT_TRUE(memory.value(0).contains(QStringLiteral("O'Brien's 'advice'")));
    EXPECT_TRUE(memory.value(0).contains(QStringLiteral("上顎'前歯")));
    EXPECT_TRUE(memory.value(0).contains(QStringLiteral("it's a brush")));
    EXPECT_EQ(dump(QStringLiteral("m_karte")).size(), 1);
}

// A statement failing mid-save: nothing of the save is left, the edits stay unsaved in memory, and
// the next save writes everything once. RAISE(ROLLBACK) stands for the engine rolling back by itself.
TEST_F(KarteSave, FailedStatementLeavesTheDatabaseAsBeforeAndTheEditsReadyToSaveAgain) {
    for (const char* raise : {"ABORT", "ROLLBACK"}) {
        SCOPED_TRACE(raise);
        for (const QString& t : recordTables())
            run(QStringLiteral("DELETE FROM ") + t);
        addStoredBook();
        ASSERT_TRUE(load());
        run(QStringLiteral(
                "CREATE TRIGGER no_imp BEFORE INSERT ON m_selection_imp BEGIN SELECT RAISE(%1, 'x'); END")
                .arg(QLatin1String(raise)));
        const QStringList before = dumpAll();
        const long a = addVisit(6, 0, QStringLiteral("2024/06/10"));
        const long b = addVisit(a, 0, QStringLiteral("2024/06/10"), {QStringLiteral("舌ブラシ")});
        markDeleted(1);
        msgbox::clearShown();

        EXPECT_FALSE(PFuBolKarteUpdate());
        EXPECT_EQ(dumpAll(), before);
        ASSERT_EQ(msgbox::shown().size(), 1) << lastBox().toStdString(); // the data layer's 000/802 only
        EXPECT_TRUE(msgbox::shown()[0].text.contains(QStringLiteral("x")));
        EXPECT_TRUE(FuBolKarteChanged());
        for (long rec : {a, b})
            EXPECT_TRUE(gKarteLines[rec].changed && gKarteLines[rec].line_state == kLineNew &&
                        gKarteLines[rec].stored_mark.isEmpty());
        EXPECT_EQ(gKarteLines[1].line_state, kLineDeleting);
        EXPECT_TRUE(gKarteLines[6].link_changed);
        EXPECT_EQ(gLngStoredCount, 6);

        run("DROP TRIGGER no_imp");
        msgbox::clearShown();
        ASSERT_TRUE(PFuBolKarteUpdate()) << lastBox().toStdString();
        EXPECT_EQ(value("m_actual_instruction", "GROUP_CONCAT(entry_no)", "entry = '2024/06/10'"),
                  QStringLiteral("1,2"));
        EXPECT_EQ(dump(QStringLiteral("m_selection_imp"), QStringLiteral("entry = '2024/06/10'")).size(), 1);
        EXPECT_EQ(recordValue(1, "del_mark"), QStringLiteral("1"));
        ASSERT_TRUE(load());
        EXPECT_EQ(chainRecs(), (std::vector<int>{1, 3, 2, 4, 6, int(a), int(b)}));
    }
}

// Writes that would lose or misplace lines are refused inside the transaction, nothing written.
TEST_F(KarteSave, SavesOverAChangedBookAreRefused) {
    struct Case {
        const char* what;
        const char* meanwhile; // what another workstation (or a repair) did after the load
        const char* number;
    };
    const std::vector<Case> cases = {
        {"head row saved elsewhere", "UPDATE m_karte SET upd_date_time = '2024/07/01-10:00:00'", "830"},
        {"line added elsewhere",
         "INSERT INTO m_kh_record (personal_id, rec_no, obj_id, entry_no, nest_level, karte_date, claim) "
         "VALUES ('10''01', 7, '999', 1, 0, '2024/07/01', '')",
         "830"},
        {"head row removed", "DELETE FROM m_karte", "830"},
        {"neighbour row removed", "DELETE FROM m_kh_record WHERE rec_no = 3", "814"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (const QString& t : recordTables())
            run(QStringLiteral("DELETE FROM ") + t);
        addStoredBook();
        ASSERT_TRUE(load());
        run(c.meanwhile);
        const QStringList before = dumpAll();
        addVisit(3, 2, QStringLiteral("2024/04/20"));
        msgbox::clearShown();
        EXPECT_FALSE(PFuBolKarteUpdate());
        EXPECT_EQ(dumpAll(), before);
        ASSERT_EQ(msgbox::shown().size(), 1);
        EXPECT_TRUE(msgbox::shown()[0].text.contains(QStringLiteral("他の端末")) ==
                    (QLatin1String(c.number) == "830"))
            << lastBox().toStdString();
        EXPECT_TRUE(FuBolKarteChanged());
    }
    // A new book whose head row another workstation has written meanwhile.
    for (const QString& t : recordTables())
        run(QStringLiteral("DELETE FROM ") + t);
    ASSERT_TRUE(load());
    addHead(1);
    addLine(1, 0, 0, QStringLiteral("999"), 1, QStringLiteral("2024/07/01"));
    flush();
    addVisit(0, 0, QStringLiteral("2024/07/02"));
    msgbox::clearShown();
    EXPECT_FALSE(PFuBolKarteUpdate());
    EXPECT_EQ(dump(QStringLiteral("m_kh_record")).size(), 1);
    EXPECT_TRUE(lastBox().contains(QStringLiteral("他の端末")));
}

TEST_F(KarteSave, EntryNumberBeyond16BitsFailsTheSaveInsteadOfWrapping) {
    ASSERT_TRUE(load());
    run("INSERT INTO m_actual_instruction (personal_id, entry, entry_no) VALUES ('10''01', '2024/05/01', "
        "32767)");
    const QStringList before = dumpAll();
    addVisit(0, 0, QStringLiteral("2024/05/01"));
    EXPECT_FALSE(PFuBolKarteUpdate());
    EXPECT_EQ(dumpAll(), before);
    ASSERT_EQ(msgbox::shown().size(), 1);
    EXPECT_EQ(msgbox::shown()[0].caption, QStringLiteral("　（ＤＢ名：m_actual_instruction）"));
    EXPECT_TRUE(msgbox::shown()[0].text.endsWith(QStringLiteral("FuBolGetEntryNo()")));
}
