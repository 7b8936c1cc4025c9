// A program folder whose database holds a small patient register, and the program's own message file.
#pragma once
#include "support/DbServicesFixture.h"

class SearchFixture : public DbServicesFixture {
protected:
    void SetUp() override {
        DbServicesFixture::SetUp();
        const QString schema =
            QString::fromUtf8(testsupport::readBytes(testsupport::sourcePath("resources/db/schema.sql")));
        createDb((schema + QString::fromUtf8(kRegister)).toUtf8().constData());
        gObjMessage->PoSetDirPath(QStringLiteral(ORVANTA_BIN_DIR "/message/OrvantaMessage.txt"));
    }

    // Runs more SQL on the database (rows removed or changed under an open dialog).
    void runSql(const char* sql) { createDb(sql); }

    // 0001: two entries, the newer one renamed and moved; 0010: a 令和 birth, no telephone;
    // 0002: no birthday, its newer entry without telephone or address; 0005: a birthday that is no date;
    // 7'7: a quote in the card number; 0003 has no insurance row and 0004 an unknown sex: never listed.
    static constexpr const char* kRegister = R"SQL(
INSERT INTO m_sex_m VALUES ('1', '男'), ('2', '女');
INSERT INTO m_personal_info VALUES
    ('0001', NULL, NULL, NULL, NULL, '1', '1970/05/12', NULL),
    ('0010', 'U10', 'K1', 'K2', 'K3', '2', '2019/05/01', '/photo/0010.jpg'),
    ('0002', NULL, NULL, NULL, NULL, '2', NULL, NULL),
    ('0005', NULL, NULL, NULL, NULL, '1', 'not a date', NULL),
    ('7''7', NULL, NULL, NULL, NULL, '1', '1990/02/03', NULL),
    ('0003', NULL, NULL, NULL, NULL, '1', '1980/01/01', NULL),
    ('0004', NULL, NULL, NULL, NULL, '9', '1980/01/01', NULL);
INSERT INTO m_kh_insurance (personal_id, entry, relation_code, employ_code, name, reading, zip, tel_no, address)
VALUES
    ('0001', 1, '1', '01', '山田', 'ヤマダ', '100-0001', '03-1111-2222', '東京都千代田区1'),
    ('0001', 2, '1', '02', '山田太郎', 'ヤマダ タロウ', NULL, '03-1111-2222', '東京都港区2'),
    ('0010', 1, '2', '05', '佐藤 花子', 'サトウ ハナコ', '150-0002', NULL, '東京都渋谷区3'),
    ('0002', 1, '1', '01', '山本 一郎', 'ヤマモト イチロウ', NULL, '090-1234-5678', '神奈川県横浜市4'),
    ('0002', 2, '1', '01', '鈴木 一郎', 'スズキ イチロウ', NULL, NULL, NULL),
    ('0005', 1, '1', '01', '田中 次郎', 'タナカ ジロウ', NULL, '03-1111-2222', '埼玉県5'),
    ('7''7', 1, '1', '01', 'オニール', 'オニール', NULL, '03-9999-0000', '千葉県6'),
    ('0004', 1, '1', '01', '不明 性別', 'フメイ', NULL, NULL, '7');
)SQL";
};
