-- The clinic database: patient register, staff and masters, record books.
-- Numbers are INTEGER (or REAL for measures), so that MAX() and ORDER BY work on values, not text;
-- codes are TEXT, so that leading zeros stay. A Null stays a Null: several readers tell it apart
-- from an empty text. The patient key compares without case, as the clinic's old database did.

PRAGMA user_version = 1;

-- ===== clinic, print points, staff ===============================================================

CREATE TABLE m_clinic (
    clinic_code          TEXT NOT NULL PRIMARY KEY,
    clinic_name          TEXT,
    zip                  TEXT,
    address              TEXT,
    tel_no               TEXT,
    fax_no               TEXT,
    clinic_s_name        TEXT,
    prefecture           TEXT,
    establishment_name   TEXT,
    map_link             TEXT,
    notif_prosthetic     TEXT,
    notif_first          TEXT,
    notif_p_total        TEXT,
    ent_date_time        TEXT,
    ent_staff_class_code TEXT,
    ent_staff_code       TEXT,
    upd_date_time        TEXT,
    upd_staff_class_code TEXT,
    upd_staff_code       TEXT
);

-- Print points of the precise periodontal inspection sheet: exactly 192 rows, read in datano order.
CREATE TABLE m_printinfo (
    datano      INTEGER NOT NULL PRIMARY KEY,
    pocketbasex REAL,
    pocketbasey REAL
);

CREATE TABLE m_personnel (
    staff_class_code TEXT NOT NULL,
    staff_code       TEXT NOT NULL,
    staff_name       TEXT,
    passwd           TEXT,
    PRIMARY KEY (staff_class_code, staff_code)
);

-- Which staff work at which clinic; a Null retirementday means still employed.
CREATE TABLE m_cp_link (
    clinic_code      TEXT NOT NULL,
    staff_class_code TEXT NOT NULL,
    staff_code       TEXT NOT NULL,
    retirementday    TEXT,
    PRIMARY KEY (clinic_code, staff_class_code, staff_code)
);

-- ===== patient register ============================================================================

CREATE TABLE m_sex_m (
    sex_code TEXT NOT NULL PRIMARY KEY,
    sex_name TEXT
);

CREATE TABLE m_employ_m (
    employ_code TEXT NOT NULL PRIMARY KEY,
    employ_name TEXT
);

CREATE TABLE m_personal_info (
    personal_id    TEXT NOT NULL COLLATE NOCASE PRIMARY KEY, -- the patient card number
    unification_id TEXT,
    individual_id1 TEXT,
    individual_id2 TEXT,
    individual_id3 TEXT,
    sex_code       TEXT,                                     -- m_sex_m
    birthday       TEXT,                                     -- 'yyyy/mm/dd'
    photo_link     TEXT                                      -- path of the face photo; Null = none
);

-- One row per insurance entry of a patient; the highest entry is the newest.
CREATE TABLE m_kh_insurance (
    personal_id            TEXT NOT NULL COLLATE NOCASE,
    entry                  INTEGER NOT NULL,
    relation_code          TEXT,
    burden_no1             TEXT,
    recipient_no1          TEXT,
    burden_rate1           TEXT,
    burden_no2             TEXT,
    recipient_no2          TEXT,
    burden_rate2           TEXT,
    payment_organization   TEXT,
    geriatric_state_no     TEXT,
    geriatric_recipient_no TEXT,
    advanced_age           TEXT,
    half_add               TEXT,
    insurance_no           TEXT,
    busi_name              TEXT,
    busi_address           TEXT,
    busi_tel_no            TEXT,
    ins_sign               TEXT,
    ins_number             TEXT,
    term_of_validity       TEXT,
    qualification          TEXT,
    insured_name           TEXT,
    insured_burden_rate    TEXT,
    employ_code            TEXT,                             -- m_employ_m
    name                   TEXT,
    reading                TEXT,
    zip                    TEXT,
    tel_no                 TEXT,                             -- Null = no telephone number
    address                TEXT,
    PRIMARY KEY (personal_id, entry)
);

-- The columns of the patient search's list and its reading criterion: the search reads this index
-- alone, never the wide insurance rows (the program only reads the register, so it costs no writes).
CREATE INDEX m_kh_insurance_list ON m_kh_insurance (personal_id, entry, name, reading, address, tel_no);

-- ===== record books ================================================================================

-- The head row of a patient's record book.
CREATE TABLE m_karte (
    personal_id          TEXT NOT NULL COLLATE NOCASE PRIMARY KEY,
    rec_no               INTEGER,                            -- the first line of the chain
    picture_server       TEXT,
    ent_date_time        TEXT,
    ent_staff_class_code TEXT,
    ent_staff_code       TEXT,
    upd_date_time        TEXT,
    upd_staff_class_code TEXT,
    upd_staff_code       TEXT
);

-- One row per record line, chained by prv_rec_no / nxt_rec_no (Null = none).
CREATE TABLE m_kh_record (
    personal_id          TEXT NOT NULL COLLATE NOCASE,
    rec_no               INTEGER NOT NULL,
    prv_rec_no           INTEGER,
    nxt_rec_no           INTEGER,
    obj_id               TEXT,                               -- '100', '250' or '800'
    entry_no             INTEGER,
    nest_level           INTEGER,
    karte_date           TEXT,                               -- 'yyyy/mm/dd'
    part                 TEXT,
    part_text            TEXT,
    ref_ur               TEXT,
    ref_ul               TEXT,
    ref_dr               TEXT,
    ref_dl               TEXT,
    claim                TEXT,
    del_mark             TEXT,                               -- '1' = deleted
    ent_date_time        TEXT,
    ent_staff_class_code TEXT,
    ent_staff_code       TEXT,
    del_date_time        TEXT,
    del_staff_class_code TEXT,
    del_staff_code       TEXT,
    PRIMARY KEY (personal_id, rec_no)
);

-- Detail rows: keyed by the patient, the line's date (entry) and its entry_no.

CREATE TABLE m_kr_appeals (
    personal_id TEXT NOT NULL COLLATE NOCASE,
    entry       TEXT NOT NULL,
    entry_no    INTEGER NOT NULL,
    appeals     TEXT,
    addition    TEXT,
    PRIMARY KEY (personal_id, entry, entry_no)
);

CREATE TABLE m_kr_cir_inspection (
    personal_id    TEXT NOT NULL COLLATE NOCASE,
    entry          TEXT NOT NULL,
    entry_no       INTEGER NOT NULL,
    inspection_cls TEXT,                                     -- '1' basic, '2' precise
    entry_no_pl    INTEGER,                                  -- Null or 0 = no row
    entry_no_mi    INTEGER,
    entry_no_po    INTEGER,
    inst_point     TEXT,
    PRIMARY KEY (personal_id, entry, entry_no)
);

-- Tooth mobility; a Null tooth is a missing tooth.
CREATE TABLE m_kr_miller (
    personal_id TEXT NOT NULL COLLATE NOCASE,
    entry       TEXT NOT NULL,
    entry_no    INTEGER NOT NULL,
    mil_ur1 TEXT, mil_ur2 TEXT, mil_ur3 TEXT, mil_ur4 TEXT, mil_ur5 TEXT, mil_ur6 TEXT, mil_ur7 TEXT, mil_ur8 TEXT,
    mil_ul1 TEXT, mil_ul2 TEXT, mil_ul3 TEXT, mil_ul4 TEXT, mil_ul5 TEXT, mil_ul6 TEXT, mil_ul7 TEXT, mil_ul8 TEXT,
    mil_dr1 TEXT, mil_dr2 TEXT, mil_dr3 TEXT, mil_dr4 TEXT, mil_dr5 TEXT, mil_dr6 TEXT, mil_dr7 TEXT, mil_dr8 TEXT,
    mil_dl1 TEXT, mil_dl2 TEXT, mil_dl3 TEXT, mil_dl4 TEXT, mil_dl5 TEXT, mil_dl6 TEXT, mil_dl7 TEXT, mil_dl8 TEXT,
    mil_ura TEXT, mil_urb TEXT, mil_urc TEXT, mil_urd TEXT, mil_ure TEXT,
    mil_ula TEXT, mil_ulb TEXT, mil_ulc TEXT, mil_uld TEXT, mil_ule TEXT,
    mil_dra TEXT, mil_drb TEXT, mil_drc TEXT, mil_drd TEXT, mil_dre TEXT,
    mil_dla TEXT, mil_dlb TEXT, mil_dlc TEXT, mil_dld TEXT, mil_dle TEXT,
    PRIMARY KEY (personal_id, entry, entry_no)
);

-- Pocket depths and bleeding, 24 characters per tooth; Null = missing tooth.
CREATE TABLE m_kr_pocket (
    personal_id TEXT NOT NULL COLLATE NOCASE,
    entry       TEXT NOT NULL,
    entry_no    INTEGER NOT NULL,
    poc_ur1 TEXT, poc_ur2 TEXT, poc_ur3 TEXT, poc_ur4 TEXT, poc_ur5 TEXT, poc_ur6 TEXT, poc_ur7 TEXT, poc_ur8 TEXT,
    poc_ul1 TEXT, poc_ul2 TEXT, poc_ul3 TEXT, poc_ul4 TEXT, poc_ul5 TEXT, poc_ul6 TEXT, poc_ul7 TEXT, poc_ul8 TEXT,
    poc_dr1 TEXT, poc_dr2 TEXT, poc_dr3 TEXT, poc_dr4 TEXT, poc_dr5 TEXT, poc_dr6 TEXT, poc_dr7 TEXT, poc_dr8 TEXT,
    poc_dl1 TEXT, poc_dl2 TEXT, poc_dl3 TEXT, poc_dl4 TEXT, poc_dl5 TEXT, poc_dl6 TEXT, poc_dl7 TEXT, poc_dl8 TEXT,
    poc_ura TEXT, poc_urb TEXT, poc_urc TEXT, poc_urd TEXT, poc_ure TEXT,
    poc_ula TEXT, poc_ulb TEXT, poc_ulc TEXT, poc_uld TEXT, poc_ule TEXT,
    poc_dra TEXT, poc_drb TEXT, poc_drc TEXT, poc_drd TEXT, poc_dre TEXT,
    poc_dla TEXT, poc_dlb TEXT, poc_dlc TEXT, poc_dld TEXT, poc_dle TEXT,
    PRIMARY KEY (personal_id, entry, entry_no)
);

-- Plaque per tooth surface of an inspection; Null = missing tooth.
CREATE TABLE m_kr_plaque (
    personal_id TEXT NOT NULL COLLATE NOCASE,
    entry       TEXT NOT NULL,
    entry_no    INTEGER NOT NULL,
    prq_ur1 TEXT, prq_ur2 TEXT, prq_ur3 TEXT, prq_ur4 TEXT, prq_ur5 TEXT, prq_ur6 TEXT, prq_ur7 TEXT, prq_ur8 TEXT,
    prq_ul1 TEXT, prq_ul2 TEXT, prq_ul3 TEXT, prq_ul4 TEXT, prq_ul5 TEXT, prq_ul6 TEXT, prq_ul7 TEXT, prq_ul8 TEXT,
    prq_dr1 TEXT, prq_dr2 TEXT, prq_dr3 TEXT, prq_dr4 TEXT, prq_dr5 TEXT, prq_dr6 TEXT, prq_dr7 TEXT, prq_dr8 TEXT,
    prq_dl1 TEXT, prq_dl2 TEXT, prq_dl3 TEXT, prq_dl4 TEXT, prq_dl5 TEXT, prq_dl6 TEXT, prq_dl7 TEXT, prq_dl8 TEXT,
    prq_ura TEXT, prq_urb TEXT, prq_urc TEXT, prq_urd TEXT, prq_ure TEXT,
    prq_ula TEXT, prq_ulb TEXT, prq_ulc TEXT, prq_uld TEXT, prq_ule TEXT,
    prq_dra TEXT, prq_drb TEXT, prq_drc TEXT, prq_drd TEXT, prq_dre TEXT,
    prq_dla TEXT, prq_dlb TEXT, prq_dlc TEXT, prq_dld TEXT, prq_dle TEXT,
    PRIMARY KEY (personal_id, entry, entry_no)
);

-- A practical hygiene instruction with its plaque control record.
CREATE TABLE m_actual_instruction (
    personal_id       TEXT NOT NULL COLLATE NOCASE,
    entry             TEXT NOT NULL,
    entry_no          INTEGER NOT NULL,
    inst_start_time   TEXT,                                  -- 'hh:mm'
    inst_end_time     TEXT,
    inst_point        TEXT,
    communicate_point TEXT,
    prq_ur1 TEXT, prq_ur2 TEXT, prq_ur3 TEXT, prq_ur4 TEXT, prq_ur5 TEXT, prq_ur6 TEXT, prq_ur7 TEXT, prq_ur8 TEXT,
    prq_ul1 TEXT, prq_ul2 TEXT, prq_ul3 TEXT, prq_ul4 TEXT, prq_ul5 TEXT, prq_ul6 TEXT, prq_ul7 TEXT, prq_ul8 TEXT,
    prq_dr1 TEXT, prq_dr2 TEXT, prq_dr3 TEXT, prq_dr4 TEXT, prq_dr5 TEXT, prq_dr6 TEXT, prq_dr7 TEXT, prq_dr8 TEXT,
    prq_dl1 TEXT, prq_dl2 TEXT, prq_dl3 TEXT, prq_dl4 TEXT, prq_dl5 TEXT, prq_dl6 TEXT, prq_dl7 TEXT, prq_dl8 TEXT,
    prq_ura TEXT, prq_urb TEXT, prq_urc TEXT, prq_urd TEXT, prq_ure TEXT,
    prq_ula TEXT, prq_ulb TEXT, prq_ulc TEXT, prq_uld TEXT, prq_ule TEXT,
    prq_dra TEXT, prq_drb TEXT, prq_drc TEXT, prq_drd TEXT, prq_dre TEXT,
    prq_dla TEXT, prq_dlb TEXT, prq_dlc TEXT, prq_dld TEXT, prq_dle TEXT,
    PRIMARY KEY (personal_id, entry, entry_no)
);

-- The cleaning implements chosen at an instruction, in list order.
CREATE TABLE m_selection_imp (
    personal_id  TEXT NOT NULL COLLATE NOCASE,
    entry        TEXT NOT NULL,
    entry_no     INTEGER NOT NULL,
    select_no    INTEGER NOT NULL,                           -- 1..n
    cleaning_imp TEXT,
    PRIMARY KEY (personal_id, entry, entry_no, select_no)
);

-- ===== masters of the instruction entry ============================================================

CREATE TABLE m_cleaning_imp_m (
    cleaning_imp_code TEXT NOT NULL PRIMARY KEY,
    cleaning_imp_name TEXT
);

CREATE TABLE m_comment_kind_m (
    user_class        TEXT NOT NULL,
    comment_kind_code TEXT NOT NULL,
    commnet_kind_name TEXT,                                  -- the column is spelled so
    PRIMARY KEY (user_class, comment_kind_code)
);

CREATE TABLE m_comment_m (
    user_class        TEXT NOT NULL,
    comment_kind_code TEXT NOT NULL,
    comment_code      TEXT NOT NULL,
    comment           TEXT,
    PRIMARY KEY (user_class, comment_kind_code, comment_code)
);
