#include "app/shell/PatientQueries.h"

#include <algorithm>
#include <array>

#include "app/shell/MdlCommInterface.h"
#include "platform/ado/Ado.h"
#include "platform/text/Era.h"
#include "platform/text/Text.h"

namespace patientsearch {

namespace {

using MdlCommInterface::PFuStrNullToStr;

// The insurance columns in the order of InsuranceData, each with its field.
struct InsuranceColumn {
    const char* column;
    QString InsuranceData::*field;
};
constexpr std::array<InsuranceColumn, 29> kInsuranceColumns{{
    {"entry", &InsuranceData::entry},
    {"relation_code", &InsuranceData::relation_code},
    {"burden_no1", &InsuranceData::burden_no1},
    {"recipient_no1", &InsuranceData::recipient_no1},
    {"burden_rate1", &InsuranceData::burden_rate1},
    {"burden_no2", &InsuranceData::burden_no2},
    {"recipient_no2", &InsuranceData::recipient_no2},
    {"burden_rate2", &InsuranceData::burden_rate2},
    {"payment_organization", &InsuranceData::payment_organization},
    {"geriatric_state_no", &InsuranceData::geriatric_state_no},
    {"geriatric_recipient_no", &InsuranceData::geriatric_recipient_no},
    {"advanced_age", &InsuranceData::advanced_age},
    {"half_add", &InsuranceData::half_add},
    {"insurance_no", &InsuranceData::insurance_no},
    {"busi_name", &InsuranceData::busi_name},
    {"busi_address", &InsuranceData::busi_address},
    {"busi_tel_no", &InsuranceData::busi_tel_no},
    {"ins_sign", &InsuranceData::ins_sign},
    {"ins_number", &InsuranceData::ins_number},
    {"term_of_validity", &InsuranceData::term_of_validity},
    {"qualification", &InsuranceData::qualification},
    {"insured_name", &InsuranceData::insured_name},
    {"insured_burden_rate", &InsuranceData::insured_burden_rate},
    {"employ_code", &InsuranceData::employ_code},
    {"name", &InsuranceData::name},
    {"reading", &InsuranceData::reading},
    {"zip", &InsuranceData::zip},
    {"tel_no", &InsuranceData::tel_no},
    {"address", &InsuranceData::address},
}};
constexpr int kFirstInsuranceColumn = 8;

// The list's birthday column holds the dates of the era table up to the end of 2087.
QString listBirthday(const ado::Field& field) {
    if (field.isNull())
        return QString();
    const QString text = field.toString();
    QDate d;
    // The register keeps "yyyy/mm/dd": such a text is taken as it stands, without parsing or formatting.
    const bool plain = text.size() == 10 && text[4] == u'/' && text[7] == u'/';
    if (plain) {
        int parts[3] = {0, 0, 0};
        const int starts[3] = {0, 5, 8}, lengths[3] = {4, 2, 2};
        bool digits = true;
        for (int k = 0; k < 3 && digits; ++k)
            for (int i = starts[k]; i < starts[k] + lengths[k]; ++i) {
                digits = digits && text[i] >= u'0' && text[i] <= u'9';
                parts[k] = parts[k] * 10 + (text[i].unicode() - u'0');
            }
        if (digits)
            d = QDate(parts[0], parts[1], parts[2]);
    } else {
        d = era::parseDate(text);
    }
    if (!d.isValid() || d < era::eraFirstDay(0) || d > QDate(2087, 12, 31))
        return QString();
    return plain ? text : d.toString(QStringLiteral("yyyy/MM/dd"));
}

} // namespace

Search searchSql(int option, const QString& text, const QVariant& birthday) {
    QString sql = QStringLiteral("SELECT ") + QStringLiteral("m_personal_info.personal_id, ") +
                  QStringLiteral("m_kh_insurance.name, ") + QStringLiteral("m_sex_m.sex_name, ") +
                  QStringLiteral("m_personal_info.birthday, ") + QStringLiteral("m_kh_insurance.address, ") +
                  QStringLiteral("m_kh_insurance.tel_no ") + QStringLiteral("FROM ") +
                  QStringLiteral("m_personal_info ,m_kh_insurance, m_sex_m ") +
                  QStringLiteral("WHERE m_personal_info.personal_id = m_kh_insurance.personal_id ") +
                  QStringLiteral("AND m_personal_info.sex_code = m_sex_m.sex_code ");
    QString criterion;
    switch (option) {
    case OptAll:
        criterion = QStringLiteral("ALL");
        break;
    case OptTelephone:
        criterion = text::vbTrim(text).isEmpty()
                        ? QStringLiteral("IS NULL ")
                        : QStringLiteral(" = '") + ado::sqlQuote(text) + QStringLiteral("' ");
        sql += QStringLiteral("AND m_kh_insurance.tel_no ") + criterion;
        break;
    case OptBirthday:
        if (birthday.typeId() == QMetaType::QDate && birthday.toDate().isValid())
            criterion = birthday.toDate().toString(QStringLiteral("yyyy/MM/dd"));
        sql += QStringLiteral("AND m_personal_info.birthday = '") + criterion + QStringLiteral("' ");
        break;
    case OptCardNumber:
        criterion = text;
        sql += QStringLiteral("AND m_personal_info.personal_id = '") + ado::sqlQuote(text) +
               QStringLiteral("' ");
        break;
    case OptReading:
        criterion = text;
        sql += QStringLiteral("AND m_kh_insurance.reading LIKE '%") + ado::sqlQuote(text) +
               QStringLiteral("%' ");
        break;
    default:
        break;
    }
    sql += QStringLiteral("ORDER BY m_personal_info.personal_id, m_kh_insurance.entry DESC");
    return {sql, criterion};
}

std::vector<PatientRow> readPatientRows(ado::Recordset& rs) {
    std::vector<PatientRow> rows;
    rows.reserve(static_cast<size_t>(rs.recordCount()));
    QString previous;
    bool first = true;
    for (; !rs.eof(); rs.moveNext()) {
        const QString id = PFuStrNullToStr(rs.field(0));
        if (first || id != previous) {
            const ado::Field address = rs.field(4);
            rows.push_back({text::vbTrim(id), PFuStrNullToStr(rs.field(1)), PFuStrNullToStr(rs.field(2)),
                            listBirthday(rs.field(3)), PFuStrNullToStr(address), PFuStrNullToStr(rs.field(5)),
                            !MdlCommInterface::PFuBolIsEmpty(address)});
        }
        first = false;
        previous = id;
    }
    std::reverse(rows.begin(), rows.end());
    return rows;
}

QString patientSql(const QString& cardNumber) {
    QString sql = QStringLiteral("SELECT ") + QStringLiteral("m_personal_info.personal_id, ") +
                  QStringLiteral("m_personal_info.unification_id, ") +
                  QStringLiteral("m_personal_info.individual_id1, ") +
                  QStringLiteral("m_personal_info.individual_id2, ") +
                  QStringLiteral("m_personal_info.individual_id3, ") +
                  QStringLiteral("m_kh_insurance.name, ") + QStringLiteral("m_personal_info.birthday, ") +
                  QStringLiteral("m_personal_info.photo_link, ");
    for (size_t i = 0; i < kInsuranceColumns.size(); ++i)
        sql += QStringLiteral("m_kh_insurance.") + QLatin1String(kInsuranceColumns[i].column) +
               (i + 1 < kInsuranceColumns.size() ? QStringLiteral(", ") : QStringLiteral(" "));
    sql += QStringLiteral("FROM ") + QStringLiteral("m_personal_info ,m_kh_insurance ") +
           QStringLiteral("WHERE m_personal_info.personal_id = m_kh_insurance.personal_id ") +
           QStringLiteral("AND m_personal_info.personal_id = '") + ado::sqlQuote(cardNumber) + u'\'' +
           QStringLiteral("ORDER BY m_kh_insurance.entry");
    return sql;
}

bool readPatientInfo(ado::Recordset& rs, const QString& sexName, const QString& ageBase, PatientInfo& info) {
    info.insurance.clear();
    bool any = false;
    for (; !rs.eof(); rs.moveNext()) {
        any = true;
        info.personal_id = text::vbTrim(rs.field(0).toString());
        info.unification_id = PFuStrNullToStr(rs.field(1));
        info.individual_id1 = PFuStrNullToStr(rs.field(2));
        info.individual_id2 = PFuStrNullToStr(rs.field(3));
        info.individual_id3 = PFuStrNullToStr(rs.field(4));
        info.sex_name = sexName;
        info.name = rs.field(5).toString();
        info.birthday = rs.field(6).toString();
        info.age = QString::number(MdlCommInterface::PFuLngGetAge(info.birthday, ageBase));
        info.photo_link = PFuStrNullToStr(rs.field(7));

        InsuranceData entry;
        for (size_t i = 0; i < kInsuranceColumns.size(); ++i) {
            const ado::Field f = rs.field(kFirstInsuranceColumn + static_cast<int>(i));
            // entry and name are taken as read: a Null there is an error, not an empty text.
            const bool asRead = kInsuranceColumns[i].field == &InsuranceData::entry ||
                                kInsuranceColumns[i].field == &InsuranceData::name;
            entry.*kInsuranceColumns[i].field = asRead ? f.toString() : PFuStrNullToStr(f);
        }
        info.insurance.push_back(std::move(entry));
    }
    return any;
}

} // namespace patientsearch
