// The patient search's SQL texts and the readers of its two queries, on a small register.
#include "app/shell/PatientQueries.h"
#include "SearchFixture.h"
#include "platform/ado/Ado.h"

using namespace patientsearch;

namespace {

const QString kSearchHead = QStringLiteral(
    "SELECT m_personal_info.personal_id, m_kh_insurance.name, m_sex_m.sex_name, m_personal_info.birthday, "
    "m_kh_insurance.address, m_kh_insurance.tel_no FROM m_personal_info ,m_kh_insurance, m_sex_m WHERE "
    "m_personal_info.personal_id = m_kh_insurance.personal_id AND m_personal_info.sex_code = "
    "m_sex_m.sex_code ");
const QString kSearchTail = QStringLiteral("ORDER BY m_personal_info.personal_id, m_kh_insurance.entry DESC");

class PatientQueries : public SearchFixture {
protected:
    void SetUp() override {
        SearchFixture::SetUp();
        con.open(dbPath(), kPassword);
    }
    std::vector<PatientRow> search(int option, const QString& text, const QVariant& date = {}) {
        auto rs = con.openRecordset(searchSql(option, text, date).sql);
        return readPatientRows(*rs);
    }
    static QStringList ids(const std::vector<PatientRow>& rows) {
        QStringList out;
        for (const PatientRow& r : rows)
            out << r.personalId;
        return out;
    }
    bool choose(const QString& card, PatientInfo& info, const QString& base = QStringLiteral("20030512")) {
        auto rs = con.openRecordset(patientSql(card));
        return readPatientInfo(*rs, QStringLiteral("男"), base, info);
    }
    ado::Connection con;
};

} // namespace

TEST(PatientSearchSql, ConditionOfEachOptionAndQuotesDoubled) {
    const struct {
        int option;
        const char* text;
        QVariant date;
        const char* condition;
        const char* criterion;
    } cases[] = {
        {OptAll, "ignored", {}, "", "ALL"},
        {OptTelephone, "03", {}, "AND m_kh_insurance.tel_no  = '03' ", " = '03' "},
        {OptTelephone, " 03 ", {}, "AND m_kh_insurance.tel_no  = ' 03 ' ", " = ' 03 ' "}, // as typed
        {OptTelephone, "　 ", {}, "AND m_kh_insurance.tel_no IS NULL ", "IS NULL "},
        {OptTelephone, "0'3", {}, "AND m_kh_insurance.tel_no  = '0''3' ", " = '0''3' "},
        {OptBirthday, "", QDate(2003, 4, 1), "AND m_personal_info.birthday = '2003/04/01' ", "2003/04/01"},
        {OptBirthday, "", {}, "AND m_personal_info.birthday = '' ", ""},
        {OptCardNumber, "1'2", {}, "AND m_personal_info.personal_id = '1''2' ", "1'2"},
        {OptCardNumber, "  ", {}, "AND m_personal_info.personal_id = '  ' ", "  "},
        {OptReading, "やま", {}, "AND m_kh_insurance.reading LIKE '%やま%' ", "やま"},
        {OptReading, "や'ま", {}, "AND m_kh_insurance.reading LIKE '%や''ま%' ", "や'ま"},
        {-1, "x", {}, "", ""},
    };
    for (const auto& c : cases) {
        const Search s = searchSql(c.option, QString::fromUtf8(c.text), c.date);
        EXPECT_EQ(s.sql, kSearchHead + QString::fromUtf8(c.condition) + kSearchTail) << c.option << c.text;
        EXPECT_EQ(s.criterion, QString::fromUtf8(c.criterion)) << c.option << c.text;
    }
}

TEST(PatientSearchSql, ChosenPatientQueryReadsThirtySevenColumnsByEntry) {
    const QString sql = patientSql(QStringLiteral("0001"));
    EXPECT_TRUE(sql.startsWith(QStringLiteral(
        "SELECT m_personal_info.personal_id, m_personal_info.unification_id, m_personal_info.individual_id1, "
        "m_personal_info.individual_id2, m_personal_info.individual_id3, m_kh_insurance.name, "
        "m_personal_info.birthday, m_personal_info.photo_link, m_kh_insurance.entry, "
        "m_kh_insurance.relation_code, m_kh_insurance.burden_no1, ")));
    EXPECT_TRUE(sql.endsWith(QStringLiteral(
        "m_kh_insurance.zip, m_kh_insurance.tel_no, m_kh_insurance.address FROM m_personal_info "
        ",m_kh_insurance "
        "WHERE m_personal_info.personal_id = m_kh_insurance.personal_id AND m_personal_info.personal_id = "
        "'0001'ORDER BY m_kh_insurance.entry")));
    // The name column, the 29 insurance columns, the join and the order.
    EXPECT_EQ(sql.count(QStringLiteral("m_kh_insurance.")), 32);
    EXPECT_TRUE(patientSql(QStringLiteral("7'7")).contains(QStringLiteral("= '7''7'ORDER BY")));
}

TEST_F(PatientQueries, EachCriterionListsTheRightPatientsOncePerPatientInDescendingCardOrder) {
    const struct {
        int option;
        const char* text;
        QVariant date;
        const char* ids;
    } cases[] = {
        {OptAll, "", {}, "7'7,0010,0005,0002,0001"},
        {OptTelephone, "03-1111-2222", {}, "0005,0001"},
        {OptTelephone, "", {}, "0010,0002"}, // an insurance entry without a telephone
        {OptBirthday, "", QDate(2019, 5, 1), "0010"},
        {OptBirthday, "", QDate(2019, 5, 2), ""},
        {OptCardNumber, "0002", {}, "0002"},
        {OptCardNumber, "7'7", {}, "7'7"},
        {OptCardNumber, "1'2", {}, ""},        // a quote finds nothing and breaks nothing
        {OptCardNumber, "0003", {}, ""},       // no insurance row
        {OptCardNumber, "0004", {}, ""},       // unknown sex
        {OptReading, "やま", {}, "0002,0001"}, // hiragana finds katakana, anywhere in the reading
        {OptReading, "いちろう", {}, "0002"},
        {OptReading, "ｲﾁﾛｳ", {}, "0002"},
        {OptReading, "'", {}, ""},
    };
    for (const auto& c : cases) {
        const QString want = QString::fromUtf8(c.ids);
        EXPECT_EQ(ids(search(c.option, QString::fromUtf8(c.text), c.date)),
                  want.isEmpty() ? QStringList() : want.split(u','))
            << c.option << " " << c.text;
    }
}

TEST_F(PatientQueries, ListRowShowsTheHighestMatchingEntryAndEmptyCellsForMissingValues) {
    const auto all = search(OptAll, QString());
    ASSERT_EQ(all.size(), 5u);
    const PatientRow& yamada = all[4];
    EXPECT_EQ(yamada.personalId, QStringLiteral("0001"));
    EXPECT_EQ(yamada.name, QStringLiteral("山田太郎")); // entry 2
    EXPECT_EQ(yamada.address, QStringLiteral("東京都港区2"));
    EXPECT_EQ(yamada.sexName, QStringLiteral("男"));
    EXPECT_EQ(yamada.birthday, QStringLiteral("1970/05/12"));
    EXPECT_TRUE(yamada.fitRow);

    const PatientRow& suzuki = all[3]; // 0002: entry 2 has no telephone, no address and no birthday
    EXPECT_EQ(suzuki.name, QStringLiteral("鈴木 一郎"));
    EXPECT_EQ(suzuki.telNo, QString());
    EXPECT_EQ(suzuki.address, QString());
    EXPECT_FALSE(suzuki.fitRow);
    EXPECT_EQ(suzuki.birthday, QString());
    EXPECT_EQ(all[2].birthday, QString()); // 0005: not a date, still listed
    EXPECT_EQ(all[1].birthday, QStringLiteral("2019/05/01"));

    // By reading, 0002 matches only its first entry: that entry's data is shown.
    const auto byReading = search(OptReading, QStringLiteral("やまもと"));
    ASSERT_EQ(byReading.size(), 1u);
    EXPECT_EQ(byReading[0].name, QStringLiteral("山本 一郎"));
    EXPECT_EQ(byReading[0].telNo, QStringLiteral("090-1234-5678"));
}

TEST_F(PatientQueries, ChosenPatientGetsEveryEntryOldestFirstAndTheNewestName) {
    PatientInfo info;
    ASSERT_TRUE(choose(QStringLiteral("0001"), info));
    EXPECT_EQ(info.personal_id, QStringLiteral("0001"));
    EXPECT_EQ(info.name, QStringLiteral("山田太郎"));
    EXPECT_EQ(info.sex_name, QStringLiteral("男"));
    EXPECT_EQ(info.birthday, QStringLiteral("1970/05/12"));
    EXPECT_EQ(info.age, QStringLiteral("33")); // the birthday itself counts
    EXPECT_EQ(info.unification_id, QString());
    EXPECT_EQ(info.photo_link, QString());
    ASSERT_EQ(info.insurance.size(), 2u);
    EXPECT_EQ(info.insurance[0].entry, QStringLiteral("1"));
    EXPECT_EQ(info.insurance[0].zip, QStringLiteral("100-0001"));
    EXPECT_EQ(info.insurance[1].entry, QStringLiteral("2"));
    EXPECT_EQ(info.insurance[1].employ_code, QStringLiteral("02"));
    EXPECT_EQ(info.insurance[1].zip, QString());
    EXPECT_EQ(info.insurance[1].burden_no1, QString());
    EXPECT_EQ(info.insurance.back().name, info.name);

    // Choosing again replaces everything: no entry is appended; the day before the birthday is a year less.
    ASSERT_TRUE(choose(QStringLiteral("0001"), info, QStringLiteral("20030511")));
    EXPECT_EQ(info.insurance.size(), 2u);
    EXPECT_EQ(info.age, QStringLiteral("32"));

    PatientInfo other;
    ASSERT_TRUE(choose(QStringLiteral("0010"), other));
    EXPECT_EQ(other.unification_id, QStringLiteral("U10"));
    EXPECT_EQ(other.individual_id3, QStringLiteral("K3"));
    EXPECT_EQ(other.photo_link, QStringLiteral("/photo/0010.jpg"));
    ASSERT_TRUE(choose(QStringLiteral("7'7"), other));
    EXPECT_EQ(other.name, QStringLiteral("オニール"));
}

TEST_F(PatientQueries, NoRowIsReportedAndANullNameIsAnError) {
    PatientInfo info;
    EXPECT_FALSE(choose(QStringLiteral("0003"), info)); // no insurance row
    EXPECT_FALSE(choose(QString(), info));
    runSql("UPDATE m_kh_insurance SET name = NULL WHERE personal_id = '0001' AND entry = 2;");
    EXPECT_THROW(choose(QStringLiteral("0001"), info), VbError);
    runSql("UPDATE m_kh_insurance SET name = 'x' WHERE personal_id = '0001'; "
           "UPDATE m_personal_info SET birthday = NULL WHERE personal_id = '0001';");
    EXPECT_THROW(choose(QStringLiteral("0001"), info), VbError);
}
