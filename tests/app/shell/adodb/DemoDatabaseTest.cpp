// The schema and the demo database laid beside the program, read as the program reads them.
#include "app/shell/MdlCommADODB.h"
#include "support/DbServicesFixture.h"

using namespace MdlCommADODB;

namespace {

class DemoDatabaseTest : public DbServicesFixture {
protected:
    void SetUp() override {
        DbServicesFixture::SetUp();
        useDemoDatabase();
        ASSERT_TRUE(PFuBolDBConnect(con));
    }

    std::unique_ptr<ado::Recordset> query(const QString& sql, long* count = nullptr) {
        long n = 0;
        std::unique_ptr<ado::Recordset> rs;
        EXPECT_TRUE(PFuBolExecuteSql(sql, *con, n, 0, rs)) << sql.toStdString();
        if (count)
            *count = n;
        return rs;
    }

    QStringList columns(const QString& table) {
        QStringList out;
        for (auto rs = query(QStringLiteral("PRAGMA table_info(") + table + u')'); !rs->eof(); rs->moveNext())
            out << rs->field(QStringLiteral("name")).toString() + u' ' +
                       rs->field(QStringLiteral("type")).toString();
        return out;
    }

    std::unique_ptr<ado::Connection> con;
};

// The 52 tooth column suffixes in the record book's tooth order.
QStringList toothSuffixes() {
    QStringList out;
    for (const char* q : {"ur", "ul", "dr", "dl"})
        for (int t = 1; t <= 8; ++t)
            out << QString::fromLatin1(q) + QString::number(t);
    for (const char* q : {"ur", "ul", "dr", "dl"})
        for (char c = 'a'; c <= 'e'; ++c)
            out << QString::fromLatin1(q) + QLatin1Char(c);
    return out;
}

} // namespace

TEST_F(DemoDatabaseTest, OpensWithThePasswordOfTheSettingsFile) {
    EXPECT_TRUE(con->isOpen());
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(DemoDatabaseTest, ClinicRowReadsWithTheStartUpQuery) {
    long n = 0;
    auto rs = query(
        QStringLiteral("SELECT clinic_code, IIF(ISNULL(clinic_name),'',clinic_name) AS clinic_name, "
                       "IIF(ISNULL(map_link),'',map_link) AS map_link, ent_date_time, ent_staff_class_code, "
                       "ent_staff_code FROM m_clinic WHERE clinic_code = '0001'"),
        &n);
    ASSERT_EQ(n, 1);
    EXPECT_EQ(rs->field(QStringLiteral("clinic_name")).toString(), QStringLiteral("さくら歯科医院"));
    EXPECT_EQ(rs->field(QStringLiteral("map_link")).toString(), QString());
    EXPECT_FALSE(rs->field(QStringLiteral("ent_date_time")).isNull());
    EXPECT_FALSE(rs->field(QStringLiteral("ent_staff_class_code")).isNull());
    EXPECT_FALSE(rs->field(QStringLiteral("ent_staff_code")).isNull());
}

TEST_F(DemoDatabaseTest, ExactlyTheNumberOfPrintPointsInNumericOrder) {
    long n = 0;
    auto rs = query(
        QStringLiteral("SELECT datano, pocketbasex, pocketbasey FROM m_printinfo ORDER BY datano ASC"), &n);
    ASSERT_EQ(n, 192);
    for (qint64 expected = 1; !rs->eof(); rs->moveNext(), ++expected) {
        ASSERT_EQ(rs->field(QStringLiteral("datano")).toLongLong(), expected);
        EXPECT_GT(rs->field(QStringLiteral("pocketbasex")).toDouble(), 0.0);
        EXPECT_GT(rs->field(QStringLiteral("pocketbasey")).toDouble(), 0.0);
    }
}

TEST_F(DemoDatabaseTest, LoginListHoldsTheActiveHygienistsOfTheClinic) {
    long n = 0;
    auto rs = query(
        QStringLiteral(
            "SELECT m_personnel.staff_code,  m_personnel.staff_name,  m_personnel.passwd FROM "
            "m_personnel,m_cp_link WHERE m_personnel.staff_class_code = m_cp_link.staff_class_code  AND "
            " m_personnel.staff_code = m_cp_link.staff_code  AND  m_personnel.staff_class_code = '2'  "
            "AND  m_cp_link.clinic_code = '0001'  AND  m_cp_link.retirementday IS NULL ORDER BY "
            "m_personnel.staff_code"),
        &n);
    QStringList codes;
    for (; !rs->eof(); rs->moveNext())
        codes << rs->field(QStringLiteral("staff_code")).toString();
    // Not the retired hygienist 0006, not 0007 of the other clinic, not the dentist.
    EXPECT_EQ(codes, (QStringList{"0001", "0002", "0003", "0004", "0005"}));
    EXPECT_EQ(n, 5);
    auto all =
        query(QStringLiteral("SELECT staff_class_code FROM m_personnel WHERE staff_class_code <> '2'"), &n);
    EXPECT_GE(n, 1);
}

TEST_F(DemoDatabaseTest, EveryPatientCanBeFoundWithSexAndInsurance) {
    long patients = 0;
    query(QStringLiteral("SELECT personal_id FROM m_personal_info"), &patients);
    EXPECT_GE(patients, 200);
    long listed = 0;
    query(QStringLiteral(
              "SELECT DISTINCT m_personal_info.personal_id FROM m_personal_info ,m_kh_insurance, m_sex_m "
              "WHERE m_personal_info.personal_id = m_kh_insurance.personal_id AND "
              "m_personal_info.sex_code = m_sex_m.sex_code"),
          &listed);
    EXPECT_EQ(listed, patients);
    long noPhone = 0;
    query(QStringLiteral("SELECT personal_id FROM m_kh_insurance WHERE m_kh_insurance.tel_no IS NULL"),
          &noPhone);
    EXPECT_GT(noPhone, 0);
    // Name and birthday are copied as read when a patient is chosen: a Null would stop the choice.
    long nulls = 0;
    query(QStringLiteral("SELECT personal_id FROM m_kh_insurance WHERE name IS NULL"), &nulls);
    EXPECT_EQ(nulls, 0);
    query(QStringLiteral("SELECT personal_id FROM m_personal_info WHERE birthday IS NULL"), &nulls);
    EXPECT_EQ(nulls, 0);
}

TEST_F(DemoDatabaseTest, MastersOfTheInstructionEntryAreFilled) {
    long n = 0;
    query(
        QStringLiteral(
            " SELECT cleaning_imp_code, cleaning_imp_name FROM m_cleaning_imp_m ORDER BY cleaning_imp_code"),
        &n);
    EXPECT_GE(n, 5);
    query(QStringLiteral(
              " SELECT comment_kind_code, commnet_kind_name FROM m_comment_kind_m WHERE user_class = '2' "
              "ORDER BY comment_kind_code"),
          &n);
    EXPECT_GE(n, 3);
    query(QStringLiteral(
              "SELECT comment_kind_code, comment_code, comment FROM m_comment_m WHERE user_class = '2' AND "
              "comment_kind_code = '01' ORDER BY comment_code"),
          &n);
    EXPECT_GE(n, 2);
    query(
        QStringLiteral("SELECT IIF(ISNULL(employ_name),'',employ_name) AS employ_name FROM m_employ_m where "
                       "employ_code = '01'"),
        &n);
    EXPECT_EQ(n, 1);
}

TEST_F(DemoDatabaseTest, NumberColumnsAreNumbersAndToothColumnsFollowTheToothOrder) {
    // Numbers stored as text would make MAX('9','10') '9' and sort 10 before 2.
    long n = 0;
    ASSERT_TRUE(PFuBolDbBeginTrans(*con));
    std::unique_ptr<ado::Recordset> rs;
    for (const char* v : {"'9'", "'10'"})
        ASSERT_TRUE(
            PFuBolExecuteSql(QStringLiteral("INSERT INTO m_kr_appeals (personal_id, entry, entry_no) VALUES "
                                            "('100037', '2024/01/01', %1)")
                                 .arg(QString::fromLatin1(v)),
                             *con, n, 1, rs));
    auto max =
        query(QStringLiteral("SELECT MAX(entry_no) As MaxEntryNo FROM m_kr_appeals WHERE personal_id = "
                             "'100037' AND entry = '2024/01/01'"));
    EXPECT_EQ(max->field(QStringLiteral("MaxEntryNo")).toLongLong(), 10);
    ASSERT_TRUE(PFuBolDbRollback(*con));

    for (const QString& t : {QStringLiteral("m_kh_record"), QStringLiteral("m_karte")}) {
        for (const QString& c : columns(t)) {
            if (c.contains(QStringLiteral("rec_no")) || c.contains(QStringLiteral("entry_no")) ||
                c.contains(QStringLiteral("nest_level"))) {
                EXPECT_TRUE(c.endsWith(QStringLiteral(" INTEGER"))) << c.toStdString();
            }
        }
    }

    const QStringList suffixes = toothSuffixes();
    const QList<QPair<QString, QString>> toothTables = {{"m_kr_miller", "mil_"},
                                                        {"m_kr_pocket", "poc_"},
                                                        {"m_kr_plaque", "prq_"},
                                                        {"m_actual_instruction", "prq_"}};
    for (const auto& [table, prefix] : toothTables) {
        QStringList teeth;
        for (const QString& c : columns(table))
            if (c.startsWith(prefix))
                teeth << c.section(u' ', 0, 0).mid(prefix.size());
        EXPECT_EQ(teeth, suffixes) << table.toStdString();
    }
}

TEST_F(DemoDatabaseTest, PatientKeyComparesWithoutCase) {
    long n = 0;
    ASSERT_TRUE(PFuBolDbBeginTrans(*con));
    std::unique_ptr<ado::Recordset> rs;
    ASSERT_TRUE(PFuBolExecuteSql(
        QStringLiteral("INSERT INTO m_karte (personal_id, rec_no) VALUES ('a001', 1)"), *con, n, 1, rs));
    query(QStringLiteral("SELECT rec_no FROM m_karte WHERE personal_id = 'A001'"), &n);
    EXPECT_EQ(n, 1);
    ASSERT_TRUE(PFuBolDbRollback(*con));
}

namespace {

// The tooth columns of a table with their prefix, joined by ", ".
QString toothColumns(const QString& prefix) {
    QStringList out;
    for (const QString& s : toothSuffixes())
        out << prefix + s;
    return out.join(QStringLiteral(", "));
}

// 52 tooth values: a text each, and a Null for every tooth listed as missing.
QString toothValues(const QString& value, int missingFrom = 52) {
    QStringList out;
    for (int i = 0; i < 52; ++i)
        out << (i >= missingFrom ? QStringLiteral("Null") : u'\'' + value + u'\'');
    return out.join(QStringLiteral(", "));
}

} // namespace

TEST_F(DemoDatabaseTest, ReadingSearchTypedInHiraganaFindsTheStoredReadings) {
    const QString head = QStringLiteral(
        "SELECT m_personal_info.personal_id, m_kh_insurance.name, m_sex_m.sex_name, "
        "m_personal_info.birthday, m_kh_insurance.address, m_kh_insurance.tel_no FROM m_personal_info "
        ",m_kh_insurance, m_sex_m WHERE m_personal_info.personal_id = m_kh_insurance.personal_id AND "
        "m_personal_info.sex_code = m_sex_m.sex_code ");
    const QString order = QStringLiteral("ORDER BY m_personal_info.personal_id, m_kh_insurance.entry DESC");
    long katakana = 0, hiragana = 0, halfWidth = 0;
    query(head + QStringLiteral("AND m_kh_insurance.reading LIKE '%サトウ%' ") + order, &katakana);
    auto rs = query(head + QStringLiteral("AND m_kh_insurance.reading LIKE '%さとう%' ") + order, &hiragana);
    query(head + QStringLiteral("AND m_kh_insurance.reading LIKE '%ｻﾄｳ%' ") + order, &halfWidth);
    EXPECT_GT(katakana, 0);
    EXPECT_EQ(hiragana, katakana);
    EXPECT_EQ(halfWidth, katakana);
    EXPECT_TRUE(rs->field(QStringLiteral("name")).toString().startsWith(QStringLiteral("佐藤")));
}

// Every table and column that the patient register and record book read and write, through the
// program's own SQL texts: a save of one book of each line kind, read back as the book loads it.
TEST_F(DemoDatabaseTest, RecordBookSqlRunsOnTheSchema) {
    const QString pid = QStringLiteral("100037");
    const QString date = QStringLiteral("2024/05/10");
    long n = 0;
    std::unique_ptr<ado::Recordset> rs;
    auto exec = [&](const QString& sql) {
        EXPECT_TRUE(PFuBolExecuteSql(sql, *con, n, 1, rs)) << sql.toStdString();
    };

    // The chosen patient, with all of its register and insurance columns.
    QStringList insurance = {"entry",
                             "relation_code",
                             "burden_no1",
                             "recipient_no1",
                             "burden_rate1",
                             "burden_no2",
                             "recipient_no2",
                             "burden_rate2",
                             "payment_organization",
                             "geriatric_state_no",
                             "geriatric_recipient_no",
                             "advanced_age",
                             "half_add",
                             "insurance_no",
                             "busi_name",
                             "busi_address",
                             "busi_tel_no",
                             "ins_sign",
                             "ins_number",
                             "term_of_validity",
                             "qualification",
                             "insured_name",
                             "insured_burden_rate",
                             "employ_code",
                             "name",
                             "reading",
                             "zip",
                             "tel_no",
                             "address"};
    for (QString& c : insurance)
        c = QStringLiteral("m_kh_insurance.") + c;
    auto patient = query(QStringLiteral("SELECT m_personal_info.personal_id, m_personal_info.unification_id, "
                                        "m_personal_info.individual_id1, m_personal_info.individual_id2, "
                                        "m_personal_info.individual_id3, m_kh_insurance.name, "
                                        "m_personal_info.birthday, m_personal_info.photo_link, ") +
                             insurance.join(QStringLiteral(", ")) +
                             QStringLiteral(" FROM m_personal_info ,m_kh_insurance WHERE "
                                            "m_personal_info.personal_id = m_kh_insurance.personal_id AND "
                                            "m_personal_info.personal_id = '") +
                             pid + QStringLiteral("'ORDER BY m_kh_insurance.entry"),
                         &n);
    ASSERT_GE(n, 1);
    EXPECT_EQ(patient->fieldCount(), 37);

    ASSERT_TRUE(PFuBolDbBeginTrans(*con));
    // Save: one line of each kind with its detail rows, then the head row.
    auto next = query(
        QStringLiteral("SELECT MAX(entry_no) As MaxEntryNo FROM   m_kr_appeals WHERE  personal_id = '") +
        pid + QStringLiteral("'  AND   entry = '") + date + QStringLiteral("' "));
    EXPECT_TRUE(next->field(QStringLiteral("MaxEntryNo")).isNull());
    exec(QStringLiteral(
             "INSERT INTO m_kr_appeals ( personal_id, entry, entry_no, appeals, addition  ) VALUES ( '") +
         pid + QStringLiteral("', '") + date + QStringLiteral("', 1, 'しみる' , Null ) "));
    exec(QStringLiteral("INSERT INTO m_kr_cir_inspection ( personal_id, entry, entry_no,  inspection_cls, "
                        "entry_no_pl, entry_no_mi, entry_no_po, inst_point  ) VALUES ( '") +
         pid + QStringLiteral("', '") + date + QStringLiteral("', 1, '2', 1, 1, 1, '' ) "));
    for (const auto& [table, prefix, value] : {std::tuple{"m_kr_plaque", "prq_", "1010"},
                                               {"m_kr_miller", "mil_", "0"},
                                               {"m_kr_pocket", "poc_", "0  3 0  2 0  3 0  3 0  2 0  3"}}) {
        exec(QStringLiteral("INSERT INTO ") + QLatin1String(table) +
             QStringLiteral(" ( personal_id, entry, entry_no, ") + toothColumns(QLatin1String(prefix)) +
             QStringLiteral(" ) VALUES ( '") + pid + QStringLiteral("', '") + date +
             QStringLiteral("', 1, ") + toothValues(QLatin1String(value), 32) + QStringLiteral(" ) "));
    }
    exec(QStringLiteral("INSERT INTO m_actual_instruction ( personal_id, entry, entry_no,  inst_start_time, "
                        "inst_end_time, inst_point, communicate_point, ") +
         toothColumns(QStringLiteral("prq_")) + QStringLiteral(" ) VALUES ( '") + pid +
         QStringLiteral("', '") + date + QStringLiteral("', 1, '10:00', '10:30', '/{B歯間/}清掃' , Null, ") +
         toothValues(QStringLiteral("0000"), 32) + QStringLiteral(" ) "));
    exec(
        QStringLiteral("INSERT INTO m_selection_imp ( personal_id, entry, entry_no, select_no, cleaning_imp  "
                       ") VALUES ( '") +
        pid + QStringLiteral("', '") + date + QStringLiteral("', 1, 1, 'デンタルフロス'  ) "));
    const QStringList kinds = {"100", "250", "800"};
    for (int rec = 1; rec <= 3; ++rec) {
        exec(QStringLiteral(
                 "INSERT INTO m_kh_record( personal_id, rec_no, prv_rec_no, nxt_rec_no, obj_id, "
                 "entry_no, nest_level, karte_date,  part, part_text, ref_ur, ref_ul, ref_dr, ref_dl, "
                 "claim,  ent_date_time, ent_staff_class_code, ent_staff_code  ) VALUES ( '%1', %2, "
                 "%3, %4, '%5', 1, 0, '%6', Null, Null, Null, Null, Null, Null, '', "
                 "'2024/05/10-10:31:00', '2', '0001'  ) ")
                 .arg(pid)
                 .arg(rec)
                 .arg(rec == 1 ? QStringLiteral("Null") : QString::number(rec - 1))
                 .arg(rec == 3 ? QStringLiteral("Null") : QString::number(rec + 1))
                 .arg(kinds[rec - 1], date));
    }
    exec(QStringLiteral("UPDATE m_kh_record set  del_mark ='1',  del_date_time = '2024/05/11-09:00:00',  "
                        "del_staff_class_code = '2',  del_staff_code = '0002' WHERE personal_id = '") +
         pid + QStringLiteral("' AND  rec_no = 1 "));
    exec(QStringLiteral("INSERT INTO m_karte( personal_id, rec_no, picture_server,  ent_date_time, "
                        "ent_staff_class_code, ent_staff_code  ) VALUES ( '") +
         pid + QStringLiteral("', 1, Null, '2024/05/10-10:31:05', '2', '0001'  ) "));
    exec(QStringLiteral(
             "UPDATE m_karte set  upd_date_time = '2024/05/11-09:00:01',  upd_staff_class_code = '2',  "
             "upd_staff_code = '0002',  rec_no = 1 WHERE personal_id = '") +
         pid + QStringLiteral("' "));

    // Load: head row, lines with the staff names, details.
    query(QStringLiteral(
              "SELECT   rec_no, picture_server, ent_date_time, upd_date_time FROM     m_karte WHERE    "
              "personal_id = '") +
              pid + QStringLiteral("' "),
          &n);
    EXPECT_EQ(n, 1);
    auto lines = query(
        QStringLiteral(
            " SELECT re.rec_no AS rec_no ,re.prv_rec_no AS prv_rec_no ,re.nxt_rec_no AS nxt_rec_no "
            ",re.obj_id AS obj_id ,re.entry_no AS entry_no ,re.nest_level AS nest_level ,re.karte_date AS "
            "karte_date ,re.part AS part ,re.part_text AS part_text ,re.ref_ur AS ref_ur ,re.ref_ul AS "
            "ref_ul ,re.ref_dr AS ref_dr ,re.ref_dl AS ref_dl ,re.claim AS claim ,re.del_mark AS del_mark "
            ",re.ent_date_time AS ent_date_time ,re.ent_staff_class_code AS ent_staff_class_code "
            ",re.ent_staff_code AS ent_staff_code ,(    SELECT ent.staff_name FROM m_personnel ent    "
            "WHERE ent.staff_class_code = re.ent_staff_class_code    AND ent.staff_code = "
            "re.ent_staff_code ) AS ent_staff_name ,re.del_date_time AS del_date_time "
            ",re.del_staff_class_code AS del_staff_class_code ,re.del_staff_code AS del_staff_code ,(    "
            "SELECT del.staff_name FROM m_personnel del    WHERE del.staff_class_code = "
            "re.del_staff_class_code    AND del.staff_code = re.del_staff_code ) AS del_staff_name FROM "
            "m_kh_record re  WHERE re.personal_id = '") +
            pid + QStringLiteral("'  ORDER BY re.rec_no "),
        &n);
    ASSERT_EQ(n, 3);
    EXPECT_EQ(lines->field(QStringLiteral("ent_staff_name")).toString(), QStringLiteral("青木 美咲"));
    EXPECT_EQ(lines->field(QStringLiteral("del_staff_name")).toString(), QStringLiteral("石川 由美"));
    EXPECT_TRUE(lines->field(QStringLiteral("prv_rec_no")).isNull());
    const QString where = QStringLiteral("WHERE    personal_id = '") + pid +
                          QStringLiteral("' AND      entry = '") + date +
                          QStringLiteral("' AND      entry_no = 1 ");
    query(QStringLiteral("SELECT   entry, entry_no, appeals, addition FROM     m_kr_appeals ") + where, &n);
    EXPECT_EQ(n, 1);
    query(QStringLiteral(
              "SELECT   entry, entry_no, inspection_cls, entry_no_pl, entry_no_mi, entry_no_po,inst_point "
              "FROM     m_kr_cir_inspection ") +
              where,
          &n);
    EXPECT_EQ(n, 1);
    for (const auto& [table, prefix] :
         {std::pair{"m_kr_miller", "mil_"}, {"m_kr_pocket", "poc_"}, {"m_kr_plaque", "prq_"}}) {
        auto teeth = query(QStringLiteral("SELECT ") + toothColumns(QLatin1String(prefix)) +
                               QStringLiteral(" FROM     ") + QLatin1String(table) + u' ' + where,
                           &n);
        ASSERT_EQ(n, 1);
        EXPECT_FALSE(teeth->field(31).isNull());
        EXPECT_TRUE(teeth->field(32).isNull()); // a missing tooth is stored as Null
    }
    query(QStringLiteral(
              "SELECT   entry, entry_no, inst_start_time, inst_end_time, inst_point, communicate_point, ") +
              toothColumns(QStringLiteral("prq_")) + QStringLiteral(" FROM     m_actual_instruction ") +
              where,
          &n);
    EXPECT_EQ(n, 1);
    query(QStringLiteral("SELECT   cleaning_imp FROM     m_selection_imp ") + where +
              QStringLiteral("ORDER BY select_no "),
          &n);
    EXPECT_EQ(n, 1);

    // Another patient's overlapping instruction of the same staff member on the same day.
    auto overlap = query(QStringLiteral(" SELECT COUNT(*) FROM m_kh_record rec, m_actual_instruction ins "
                                        "WHERE rec.personal_id <> '100074' AND "
                                        "rec.ent_staff_class_code = '2' AND rec.ent_staff_code = '0001' AND "
                                        "rec.obj_id = '800' AND rec.karte_date = "
                                        "'2024/05/10' AND rec.del_mark IS NULL AND ins.personal_id = "
                                        "rec.personal_id AND ins.entry = rec.karte_date "
                                        "AND ins.entry_no = rec.entry_no AND (((ins.inst_start_time < "
                                        "'10:15' AND '10:15' < ins.inst_end_time)  OR  "
                                        "(ins.inst_start_time < '10:45' AND '10:45' < ins.inst_end_time))  "
                                        "OR (ins.inst_start_time = '10:15' AND "
                                        "'10:45' = ins.inst_end_time))"));
    EXPECT_EQ(overlap->field(0).toLongLong(), 1);

    // The test frame's deletions reach every table of the patient.
    for (const char* table :
         {"m_karte", "m_kh_record", "m_actual_instruction", "m_selection_imp", "m_kr_cir_inspection",
          "m_kr_plaque", "m_kr_miller", "m_kr_pocket", "m_kr_appeals", "m_personal_info", "m_kh_insurance"}) {
        exec(QStringLiteral(" delete from %1 where personal_id = '%2'").arg(QLatin1String(table), pid));
        EXPECT_GE(n, 1) << table;
    }
    ASSERT_TRUE(PFuBolDbRollback(*con));
    EXPECT_TRUE(msgbox::shown().isEmpty());
}
