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
