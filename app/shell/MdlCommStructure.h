// The current patient: the register data and insurance entries of the patient chosen in the
// patient search, read by the record book, the instruction entry and the printing.
#pragma once
#include <QString>
#include <vector>

// One m_kh_insurance row of the patient; Null read as "" except entry and name, copied as read.
struct InsuranceData {
    QString entry, relation_code, burden_no1, recipient_no1, burden_rate1, burden_no2, recipient_no2,
        burden_rate2, payment_organization, geriatric_state_no, geriatric_recipient_no, advanced_age,
        half_add, insurance_no, busi_name, busi_address, busi_tel_no, ins_sign, ins_number, term_of_validity,
        qualification, insured_name, insured_burden_rate, employ_code, name, reading, zip, tel_no, address;
    bool operator==(const InsuranceData&) const = default;
};

struct PatientInfo {
    QString personal_id; // the patient card number: the key of every record statement
    QString unification_id;
    QString individual_id1;
    QString individual_id2;
    QString individual_id3;
    QString sex_name;
    QString name;
    QString birthday;
    QString age;
    QString photo_link;
    std::vector<InsuranceData> insurance; // ascending entry; the last one is the newest
    bool operator==(const PatientInfo&) const = default;
};

// Written only by the patient search when the user chooses a patient.
inline PatientInfo gPatientInfo;
