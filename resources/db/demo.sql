-- Demo data: one clinic with its hygiene staff, the masters and a few hundred patients.
-- Run after schema.sql on the same (keyed) database.

BEGIN;

-- ===== clinics ===================================================================================

INSERT INTO m_clinic VALUES (
    '0001', 'さくら歯科医院', '150-0001', '東京都渋谷区神宮前一丁目2番3号 さくらビル2階', '03-3401-1180',
    '03-3401-1181', 'さくら歯科', '東京都', '医療法人社団 桜会', NULL, '1', '1', '0',
    '2003/04/01-09:00:00', '1', '0001', '2024/04/01-08:45:12', '1', '0001');
INSERT INTO m_clinic VALUES (
    '0002', 'さくら歯科医院 横浜分院', '220-0011', '神奈川県横浜市西区高島二丁目5番1号', '045-441-2260',
    '045-441-2261', 'さくら歯科横浜', '神奈川県', '医療法人社団 桜会', NULL, '1', '0', '0',
    '2010/10/01-09:00:00', '1', '0001', NULL, NULL, NULL);

-- ===== staff =====================================================================================
-- Class "1" dentists, class "2" dental hygienists.

INSERT INTO m_personnel VALUES ('1', '0001', '桜井 一郎', 'sakurai1');
INSERT INTO m_personnel VALUES ('2', '0001', '青木 美咲', 'aoki01');
INSERT INTO m_personnel VALUES ('2', '0002', '石川 由美', 'ishikawa02');
INSERT INTO m_personnel VALUES ('2', '0003', '上野 加奈子', 'ueno03');
INSERT INTO m_personnel VALUES ('2', '0004', '江口 里奈', 'eguchi04');
INSERT INTO m_personnel VALUES ('2', '0005', '小野 真由美', NULL);
INSERT INTO m_personnel VALUES ('2', '0006', '加藤 恵', 'kato06');
INSERT INTO m_personnel VALUES ('2', '0007', '木村 さおり', 'kimura07');

INSERT INTO m_cp_link VALUES ('0001', '1', '0001', NULL);
INSERT INTO m_cp_link VALUES ('0001', '2', '0001', NULL);
INSERT INTO m_cp_link VALUES ('0001', '2', '0002', NULL);
INSERT INTO m_cp_link VALUES ('0001', '2', '0003', NULL);
INSERT INTO m_cp_link VALUES ('0001', '2', '0004', NULL);
INSERT INTO m_cp_link VALUES ('0001', '2', '0005', NULL);
INSERT INTO m_cp_link VALUES ('0001', '2', '0006', '2020/03/31');
INSERT INTO m_cp_link VALUES ('0002', '2', '0007', NULL);

-- ===== masters ===================================================================================

INSERT INTO m_sex_m VALUES ('1', '男');
INSERT INTO m_sex_m VALUES ('2', '女');

INSERT INTO m_employ_m VALUES ('01', '会社員');
INSERT INTO m_employ_m VALUES ('02', '公務員');
INSERT INTO m_employ_m VALUES ('03', '自営業');
INSERT INTO m_employ_m VALUES ('04', '主婦');
INSERT INTO m_employ_m VALUES ('05', '学生');
INSERT INTO m_employ_m VALUES ('06', '無職');
INSERT INTO m_employ_m VALUES ('07', '農業');
INSERT INTO m_employ_m VALUES ('08', 'その他');

INSERT INTO m_cleaning_imp_m VALUES ('01', '歯ブラシ（ふつう）');
INSERT INTO m_cleaning_imp_m VALUES ('02', '歯ブラシ（やわらかめ）');
INSERT INTO m_cleaning_imp_m VALUES ('03', '電動歯ブラシ');
INSERT INTO m_cleaning_imp_m VALUES ('04', 'タフトブラシ');
INSERT INTO m_cleaning_imp_m VALUES ('05', 'デンタルフロス');
INSERT INTO m_cleaning_imp_m VALUES ('06', '歯間ブラシ（SS）');
INSERT INTO m_cleaning_imp_m VALUES ('07', '歯間ブラシ（S）');
INSERT INTO m_cleaning_imp_m VALUES ('08', '歯間ブラシ（M）');
INSERT INTO m_cleaning_imp_m VALUES ('09', '舌ブラシ');
INSERT INTO m_cleaning_imp_m VALUES ('10', '義歯用ブラシ');
INSERT INTO m_cleaning_imp_m VALUES ('11', 'フッ化物配合歯磨剤');
INSERT INTO m_cleaning_imp_m VALUES ('12', '洗口液');

INSERT INTO m_comment_kind_m VALUES ('2', '01', 'ブラッシング');
INSERT INTO m_comment_kind_m VALUES ('2', '02', '歯間清掃');
INSERT INTO m_comment_kind_m VALUES ('2', '03', '食生活');
INSERT INTO m_comment_kind_m VALUES ('2', '04', '生活習慣');
INSERT INTO m_comment_kind_m VALUES ('2', '05', '次回予定');
INSERT INTO m_comment_kind_m VALUES ('1', '01', '診療メモ');

INSERT INTO m_comment_m VALUES ('2', '01', '001', '毛先を歯頸部に当て、小刻みに動かすよう指導した。');
INSERT INTO m_comment_m VALUES ('2', '01', '002', '力を入れすぎないよう、ペングリップでの把持を指導した。');
INSERT INTO m_comment_m VALUES ('2', '01', '003', '最後臼歯の遠心面の磨き残しについて説明した。');
INSERT INTO m_comment_m VALUES ('2', '01', '004', '就寝前のブラッシングを丁寧に行うよう指導した。');
INSERT INTO m_comment_m VALUES ('2', '02', '001', 'デンタルフロスの使い方を実習した。');
INSERT INTO m_comment_m VALUES ('2', '02', '002', '歯間ブラシのサイズを確認し、挿入方向を指導した。');
INSERT INTO m_comment_m VALUES ('2', '02', '003', '歯間部の出血は清掃を続けると改善することを説明した。');
INSERT INTO m_comment_m VALUES ('2', '03', '001', '間食の回数を減らすよう説明した。');
INSERT INTO m_comment_m VALUES ('2', '03', '002', '甘味飲料の摂取について説明した。');
INSERT INTO m_comment_m VALUES ('2', '03', '003', 'よく噛んで食べるよう指導した。');
INSERT INTO m_comment_m VALUES ('2', '04', '001', '喫煙と歯周病の関係について説明した。');
INSERT INTO m_comment_m VALUES ('2', '04', '002', '糖尿病と歯周病の関係について説明した。');
INSERT INTO m_comment_m VALUES ('2', '04', '003', '睡眠不足やストレスが歯肉に与える影響を説明した。');
INSERT INTO m_comment_m VALUES ('2', '05', '001', '次回、歯周精密検査を行う予定。');
INSERT INTO m_comment_m VALUES ('2', '05', '002', '次回、スケーリングを行う予定。');
INSERT INTO m_comment_m VALUES ('2', '05', '003', '１か月後にプラークの付着状況を再確認する。');
INSERT INTO m_comment_m VALUES ('1', '01', '001', '補綴物の適合を確認すること。');

-- ===== print points of the precise inspection sheet ==============================================
-- 32 teeth x 6 sites: upper jaw first, right to left on the sheet; three buccal then three
-- lingual sites per tooth.

WITH RECURSIVE seq(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM seq WHERE n < 192)
INSERT INTO m_printinfo (datano, pocketbasex, pocketbasey)
SELECT n,
       round(18.0 + (((n - 1) / 6) % 16) * 11.25 + ((n - 1) % 3) * 3.5, 2),
       round(62.5 + ((n - 1) / 96) * 48.0 + (((n - 1) % 6) / 3) * 14.5, 2)
FROM seq;

-- ===== patients ==================================================================================

CREATE TEMP TABLE family (id INTEGER PRIMARY KEY, kanji TEXT, kana TEXT);
INSERT INTO family VALUES
    (0, '佐藤', 'サトウ'), (1, '鈴木', 'スズキ'), (2, '高橋', 'タカハシ'), (3, '田中', 'タナカ'),
    (4, '伊藤', 'イトウ'), (5, '渡辺', 'ワタナベ'), (6, '山本', 'ヤマモト'), (7, '中村', 'ナカムラ'),
    (8, '小林', 'コバヤシ'), (9, '加藤', 'カトウ'), (10, '吉田', 'ヨシダ'), (11, '山田', 'ヤマダ'),
    (12, '佐々木', 'ササキ'), (13, '山口', 'ヤマグチ'), (14, '松本', 'マツモト'), (15, '井上', 'イノウエ'),
    (16, '木村', 'キムラ'), (17, '林', 'ハヤシ'), (18, '斎藤', 'サイトウ'), (19, '清水', 'シミズ'),
    (20, '山崎', 'ヤマザキ'), (21, '森', 'モリ'), (22, '池田', 'イケダ'), (23, '橋本', 'ハシモト'),
    (24, '阿部', 'アベ'), (25, '石川', 'イシカワ'), (26, '山下', 'ヤマシタ'), (27, '中島', 'ナカジマ'),
    (28, '前田', 'マエダ'), (29, '藤田', 'フジタ'), (30, '後藤', 'ゴトウ');

CREATE TEMP TABLE given (id INTEGER PRIMARY KEY, kanji TEXT, kana TEXT, sex TEXT);
INSERT INTO given VALUES
    (0, '太郎', 'タロウ', '1'), (1, '花子', 'ハナコ', '2'), (2, '健一', 'ケンイチ', '1'),
    (3, '陽子', 'ヨウコ', '2'), (4, '誠', 'マコト', '1'), (5, '美紀', 'ミキ', '2'),
    (6, '大輔', 'ダイスケ', '1'), (7, '恵子', 'ケイコ', '2'), (8, '翔太', 'ショウタ', '1'),
    (9, '由美子', 'ユミコ', '2'), (10, '浩二', 'コウジ', '1'), (11, '智子', 'トモコ', '2'),
    (12, '拓也', 'タクヤ', '1'), (13, '真理', 'マリ', '2'), (14, '隆', 'タカシ', '1'),
    (15, '幸子', 'サチコ', '2'), (16, '直樹', 'ナオキ', '1'), (17, '久美子', 'クミコ', '2'),
    (18, '和夫', 'カズオ', '1'), (19, '明美', 'アケミ', '2'), (20, '修', 'オサム', '1'),
    (21, 'さくら', 'サクラ', '2'), (22, '悠斗', 'ユウト', '1'), (23, '陽菜', 'ヒナ', '2'),
    (24, '蓮', 'レン', '1'), (25, '結衣', 'ユイ', '2'), (26, '茂', 'シゲル', '1'),
    (27, '節子', 'セツコ', '2'), (28, '正人', 'マサト', '1'), (29, '千尋', 'チヒロ', '2'),
    (30, '勝', 'マサル', '1'), (31, 'ひとみ', 'ヒトミ', '2'), (32, '亮', 'リョウ', '1'),
    (33, '典子', 'ノリコ', '2'), (34, '聡', 'サトシ', '1'), (35, '綾', 'アヤ', '2'),
    (36, '康弘', 'ヤスヒロ', '1'), (37, '京子', 'キョウコ', '2'), (38, '大和', 'ヤマト', '1'),
    (39, '舞', 'マイ', '2');

CREATE TEMP TABLE town (id INTEGER PRIMARY KEY, zip TEXT, address TEXT, area TEXT);
INSERT INTO town VALUES
    (0, '150-0001', '東京都渋谷区神宮前三丁目', '03'), (1, '150-0002', '東京都渋谷区渋谷二丁目', '03'),
    (2, '151-0053', '東京都渋谷区代々木一丁目', '03'), (3, '106-0032', '東京都港区六本木四丁目', '03'),
    (4, '107-0062', '東京都港区南青山五丁目', '03'), (5, '160-0022', '東京都新宿区新宿六丁目', '03'),
    (6, '153-0042', '東京都目黒区青葉台二丁目', '03'), (7, '154-0004', '東京都世田谷区太子堂四丁目', '03'),
    (8, '155-0031', '東京都世田谷区北沢二丁目', '03'), (9, '164-0001', '東京都中野区中野五丁目', '03'),
    (10, '166-0003', '東京都杉並区高円寺南三丁目', '03'), (11, '180-0004', '東京都武蔵野市吉祥寺本町一丁目', '0422'),
    (12, '182-0024', '東京都調布市布田四丁目', '042'), (13, '211-0004', '神奈川県川崎市中原区新丸子東二丁目', '044'),
    (14, '222-0033', '神奈川県横浜市港北区新横浜三丁目', '045');

CREATE TEMP TABLE company (id INTEGER PRIMARY KEY, name TEXT, address TEXT, tel TEXT, insurer TEXT);
INSERT INTO company VALUES
    (0, '株式会社青山商事', '東京都港区北青山二丁目7番', '03-3404-5510', '06130012'),
    (1, '渋谷電機株式会社', '東京都渋谷区道玄坂一丁目12番', '03-3461-2201', '06132208'),
    (2, '東都印刷株式会社', '東京都新宿区西新宿七丁目3番', '03-3365-7781', '01130012'),
    (3, '株式会社みどり食品', '東京都世田谷区三軒茶屋二丁目14番', '03-3413-0902', '01130012'),
    (4, '東京都', '東京都新宿区西新宿二丁目8番1号', '03-5321-1111', '31130016'),
    (5, '日本橋物産株式会社', '東京都中央区日本橋室町三丁目2番', '03-3241-6600', '06130954');

CREATE TEMP TABLE patient AS
WITH RECURSIVE seq(n) AS (SELECT 1 UNION ALL SELECT n + 1 FROM seq WHERE n < 320)
SELECT n,
       printf('%06d', 100000 + n * 37) AS personal_id,
       (n * 7) % 31 AS fam,
       (n * 11) % 40 AS giv,
       (n * 5) % 15 AS twn,
       (n * 3) % 6 AS cmp,
       strftime('%Y/%m/%d', date('1932-04-01', '+' || ((n * 7919) % 32500) || ' days')) AS birthday
FROM seq;

INSERT INTO m_personal_info (personal_id, unification_id, individual_id1, individual_id2, individual_id3,
                             sex_code, birthday, photo_link)
SELECT p.personal_id,
       CASE WHEN p.n % 4 = 0 THEN printf('U%07d', p.n) END,
       CASE WHEN p.n % 9 = 0 THEN printf('K%05d', p.n * 13) END,
       NULL, NULL,
       g.sex, p.birthday, NULL
FROM patient p JOIN given g ON g.id = p.giv;

-- First insurance entry of every patient.
INSERT INTO m_kh_insurance
SELECT p.personal_id, 1,
       CASE WHEN substr(p.birthday, 1, 4) > '2004' THEN '2' ELSE '1' END,
       CASE WHEN substr(p.birthday, 1, 4) > '2012' THEN '88136015' END,
       CASE WHEN substr(p.birthday, 1, 4) > '2012' THEN printf('%07d', p.n * 91 % 10000000) END,
       CASE WHEN substr(p.birthday, 1, 4) > '2012' THEN '0' END,
       NULL, NULL, NULL,
       CASE WHEN p.n % 3 = 0 THEN '2' ELSE '1' END,
       NULL, NULL,
       CASE WHEN substr(p.birthday, 1, 4) < '1950' THEN '1' END,
       NULL,
       CASE WHEN p.n % 3 = 0 THEN '138' || printf('%03d', p.twn * 7 + 1) ELSE c.insurer END,
       CASE WHEN p.n % 3 = 0 THEN NULL ELSE c.name END,
       CASE WHEN p.n % 3 = 0 THEN NULL ELSE c.address END,
       CASE WHEN p.n % 3 = 0 THEN NULL ELSE c.tel END,
       CASE WHEN p.n % 3 = 0 THEN printf('渋%d', p.twn + 1) ELSE printf('%d', 1000 + p.cmp * 17) END,
       printf('%d', 2000 + p.n * 29 % 8000),
       '2026/03/31',
       strftime('%Y/%m/%d', date('2004-04-01', '+' || ((p.n * 131) % 7000) || ' days')),
       f.kanji || ' ' || g.kanji,
       CASE WHEN substr(p.birthday, 1, 4) < '1950' THEN '10'
            WHEN substr(p.birthday, 1, 4) > '2016' THEN '20' ELSE '30' END,
       CASE WHEN substr(p.birthday, 1, 4) > '2004' THEN '05'
            WHEN substr(p.birthday, 1, 4) < '1955' THEN '06'
            WHEN p.n % 3 = 0 THEN CASE WHEN g.sex = '2' THEN '04' ELSE '03' END
            ELSE CASE WHEN c.id = 4 THEN '02' ELSE '01' END END,
       f.kanji || ' ' || g.kanji,
       f.kana || ' ' || g.kana,
       t.zip,
       CASE WHEN p.n % 13 = 0 THEN NULL
            WHEN p.n % 2 = 0 THEN printf('090-%04d-%04d', (p.n * 4019) % 10000, (p.n * 173) % 10000)
            ELSE t.area || '-' || printf('%04d-%04d', 3000 + (p.n * 37) % 7000, (p.n * 911) % 10000) END,
       t.address || printf('%d番%d号', 1 + p.n % 28, 1 + (p.n * 7) % 19)
FROM patient p
JOIN family f ON f.id = p.fam
JOIN given g ON g.id = p.giv
JOIN town t ON t.id = p.twn
JOIN company c ON c.id = p.cmp;

-- Some patients moved or changed insurance: a second entry with a new address.
INSERT INTO m_kh_insurance
SELECT i.personal_id, 2, i.relation_code, i.burden_no1, i.recipient_no1, i.burden_rate1, i.burden_no2,
       i.recipient_no2, i.burden_rate2, i.payment_organization, i.geriatric_state_no, i.geriatric_recipient_no,
       i.advanced_age, i.half_add, i.insurance_no, i.busi_name, i.busi_address, i.busi_tel_no, i.ins_sign,
       printf('%d', 3000 + p.n * 53 % 6000), '2027/03/31', '2021/04/01', i.insured_name, i.insured_burden_rate,
       i.employ_code, i.name, i.reading, t.zip,
       CASE WHEN p.n % 26 = 0 THEN NULL ELSE i.tel_no END,
       t.address || printf('%d番%d号', 1 + p.n % 17, 1 + (p.n * 3) % 23)
FROM m_kh_insurance i
JOIN patient p ON p.personal_id = i.personal_id
JOIN town t ON t.id = (p.twn + 4) % 15
WHERE i.entry = 1 AND p.n % 5 = 0;

-- A few married and took a new family name: a third entry.
INSERT INTO m_kh_insurance
SELECT i.personal_id, 3, '2', i.burden_no1, i.recipient_no1, i.burden_rate1, i.burden_no2, i.recipient_no2,
       i.burden_rate2, i.payment_organization, i.geriatric_state_no, i.geriatric_recipient_no, i.advanced_age,
       i.half_add, i.insurance_no, i.busi_name, i.busi_address, i.busi_tel_no, i.ins_sign,
       printf('%d', 5000 + p.n * 7 % 4000), '2028/03/31', '2023/06/01',
       f.kanji || ' ' || (SELECT kanji FROM given WHERE id = (p.giv + 1) % 40), i.insured_burden_rate,
       '04', f.kanji || ' ' || g.kanji, f.kana || ' ' || g.kana, i.zip, i.tel_no, i.address
FROM m_kh_insurance i
JOIN patient p ON p.personal_id = i.personal_id
JOIN given g ON g.id = p.giv
JOIN family f ON f.id = (p.fam + 9) % 31
WHERE i.entry = 2 AND p.n % 15 = 0 AND g.sex = '2' AND substr(p.birthday, 1, 4) BETWEEN '1960' AND '2000';

-- ===== record books ==============================================================================
-- Patient 100074: half a year of visits with every kind of line (chief complaints, basic and precise
-- periodontal inspections, practical instructions with plaque, implements and comments), a deleted
-- instruction and a deleted chief complaint, lines entered by three hygienists.
-- Patient 100111: a short book whose line numbers have a gap (1, 2, 4).
-- Third molars are missing (their tooth columns Null), deciduous teeth absent.

INSERT INTO m_karte VALUES ('100074', 1, NULL, '2024/01/15-10:05:30', '2', '0001', '2024/06/18-10:26:02', '2', '0002');
INSERT INTO m_kh_record VALUES ('100074', 1, NULL, 2, '100', 1, 0, '2024/01/15', NULL, NULL, NULL, NULL, NULL, NULL, '', NULL, '2024/01/15-10:05:12', '2', '0001', NULL, NULL, NULL);
INSERT INTO m_kr_appeals VALUES ('100074', '2024/01/15', 1, '歯を磨くと血が出る', '左下の奥歯');
INSERT INTO m_kh_record VALUES ('100074', 2, 1, 3, '250', 1, 0, '2024/01/15', 'N0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0', '全顎', '1111111000000', '1111111000000', '1111111000000', '1111111000000', '', NULL, '2024/01/15-10:18:40', '2', '0001', NULL, NULL, NULL);
INSERT INTO m_kr_cir_inspection VALUES ('100074', '2024/01/15', 1, '1', NULL, 1, 1, '');
INSERT INTO m_kr_miller (personal_id, entry, entry_no, mil_ur1, mil_ur2, mil_ur3, mil_ur4, mil_ur5, mil_ur6, mil_ur7, mil_ur8, mil_ul1, mil_ul2, mil_ul3, mil_ul4, mil_ul5, mil_ul6, mil_ul7, mil_ul8, mil_dr1, mil_dr2, mil_dr3, mil_dr4, mil_dr5, mil_dr6, mil_dr7, mil_dr8, mil_dl1, mil_dl2, mil_dl3, mil_dl4, mil_dl5, mil_dl6, mil_dl7, mil_dl8, mil_ura, mil_urb, mil_urc, mil_urd, mil_ure, mil_ula, mil_ulb, mil_ulc, mil_uld, mil_ule, mil_dra, mil_drb, mil_drc, mil_drd, mil_dre, mil_dla, mil_dlb, mil_dlc, mil_dld, mil_dle) VALUES ('100074', '2024/01/15', 1, '0', '0', '0', '0', '0', '0', '0', NULL, '0', '0', '0', '0', '0', '0', '0', NULL, '1', '0', '0', '0', '0', '0', '0', NULL, '0', '0', '0', '0', '0', '0', '0', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_kr_pocket (personal_id, entry, entry_no, poc_ur1, poc_ur2, poc_ur3, poc_ur4, poc_ur5, poc_ur6, poc_ur7, poc_ur8, poc_ul1, poc_ul2, poc_ul3, poc_ul4, poc_ul5, poc_ul6, poc_ul7, poc_ul8, poc_dr1, poc_dr2, poc_dr3, poc_dr4, poc_dr5, poc_dr6, poc_dr7, poc_dr8, poc_dl1, poc_dl2, poc_dl3, poc_dl4, poc_dl5, poc_dl6, poc_dl7, poc_dl8, poc_ura, poc_urb, poc_urc, poc_urd, poc_ure, poc_ula, poc_ulb, poc_ulc, poc_uld, poc_ule, poc_dra, poc_drb, poc_drc, poc_drd, poc_dre, poc_dla, poc_dlb, poc_dlc, poc_dld, poc_dle) VALUES ('100074', '2024/01/15', 1, '0  21  50  21  50  21  5', '0  30  30  30  30  30  3', '0  40  20  40  20  40  2', '0  20  30  20  30  20  3', '0  40  40  40  40  40  4', '1  50  21  50  21  50  2', '0  30  30  30  30  30  3', NULL, '0  30  20  30  20  30  2', '0  40  40  40  40  40  4', '0  21  50  21  50  21  5', '0  30  30  30  30  30  3', '0  40  20  40  20  40  2', '0  20  30  20  30  20  3', '0  40  40  40  40  40  4', NULL, '0  30  30  30  30  30  3', '0  20  40  20  40  20  4', '0  30  20  30  20  30  2', '0  40  40  40  40  40  4', '0  21  50  21  50  21  5', '0  30  30  30  30  30  3', '0  40  20  40  20  40  2', NULL, '0  40  40  40  40  40  4', '1  50  21  50  21  50  2', '0  30  30  30  30  30  3', '0  20  40  20  40  20  4', '0  30  20  30  20  30  2', '0  40  40  40  40  40  4', '0  21  50  21  50  21  5', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_kh_record VALUES ('100074', 3, 2, 4, '800', 1, 0, '2024/01/15', 'N0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0', NULL, '1111111000000', '1111111000000', '1111111000000', '1111111000000', '', NULL, '2024/01/15-10:52:03', '2', '0001', NULL, NULL, NULL);
INSERT INTO m_actual_instruction (personal_id, entry, entry_no, inst_start_time, inst_end_time, inst_point, communicate_point, prq_ur1, prq_ur2, prq_ur3, prq_ur4, prq_ur5, prq_ur6, prq_ur7, prq_ur8, prq_ul1, prq_ul2, prq_ul3, prq_ul4, prq_ul5, prq_ul6, prq_ul7, prq_ul8, prq_dr1, prq_dr2, prq_dr3, prq_dr4, prq_dr5, prq_dr6, prq_dr7, prq_dr8, prq_dl1, prq_dl2, prq_dl3, prq_dl4, prq_dl5, prq_dl6, prq_dl7, prq_dl8, prq_ura, prq_urb, prq_urc, prq_urd, prq_ure, prq_ula, prq_ulb, prq_ulc, prq_uld, prq_ule, prq_dra, prq_drb, prq_drc, prq_drd, prq_dre, prq_dla, prq_dlb, prq_dlc, prq_dld, prq_dle) VALUES ('100074', '2024/01/15', 1, '10:20', '10:50', '毛先を歯頸部に当て、小刻みに動かすよう指導した。', '次回、歯周精密検査を行う予定。', '1111', '1111', '1110', '1110', '1100', '1100', '1000', NULL, '0001', '0001', '0011', '0011', '0111', '0111', '1111', NULL, '1110', '1110', '1100', '1100', '1000', '1000', '0000', NULL, '0001', '0011', '0111', '0111', '1111', '1111', '1111', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_selection_imp VALUES ('100074', '2024/01/15', 1, 1, '歯ブラシ（ふつう）');
INSERT INTO m_selection_imp VALUES ('100074', '2024/01/15', 1, 2, 'デンタルフロス');
INSERT INTO m_kh_record VALUES ('100074', 4, 3, 5, '800', 1, 0, '2024/02/13', 'N0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0', NULL, '1111111000000', '1111111000000', '1111111000000', '1111111000000', '', '1', '2024/02/13-14:32:10', '2', '0001', '2024/02/13-14:41:09', '2', '0001');
INSERT INTO m_actual_instruction (personal_id, entry, entry_no, inst_start_time, inst_end_time, inst_point, communicate_point, prq_ur1, prq_ur2, prq_ur3, prq_ur4, prq_ur5, prq_ur6, prq_ur7, prq_ur8, prq_ul1, prq_ul2, prq_ul3, prq_ul4, prq_ul5, prq_ul6, prq_ul7, prq_ul8, prq_dr1, prq_dr2, prq_dr3, prq_dr4, prq_dr5, prq_dr6, prq_dr7, prq_dr8, prq_dl1, prq_dl2, prq_dl3, prq_dl4, prq_dl5, prq_dl6, prq_dl7, prq_dl8, prq_ura, prq_urb, prq_urc, prq_urd, prq_ure, prq_ula, prq_ulb, prq_ulc, prq_uld, prq_ule, prq_dra, prq_drb, prq_drc, prq_drd, prq_dre, prq_dla, prq_dlb, prq_dlc, prq_dld, prq_dle) VALUES ('100074', '2024/02/13', 1, '14:00', '14:30', '入力誤り', NULL, '1110', '1110', '1100', '1100', '1000', '0000', '0000', NULL, '0001', '0001', '0011', '0111', '0111', '1111', '1110', NULL, '1100', '1100', '1000', '1000', '0000', '0000', '0001', NULL, '0011', '0011', '0111', '0111', '1110', '1110', '1100', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_selection_imp VALUES ('100074', '2024/02/13', 1, 1, '歯ブラシ（ふつう）');
INSERT INTO m_kh_record VALUES ('100074', 5, 4, 6, '800', 2, 0, '2024/02/13', 'N0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0', NULL, '1111111000000', '1111111000000', '1111111000000', '1111111000000', '', NULL, '2024/02/13-14:40:55', '2', '0001', NULL, NULL, NULL);
INSERT INTO m_actual_instruction (personal_id, entry, entry_no, inst_start_time, inst_end_time, inst_point, communicate_point, prq_ur1, prq_ur2, prq_ur3, prq_ur4, prq_ur5, prq_ur6, prq_ur7, prq_ur8, prq_ul1, prq_ul2, prq_ul3, prq_ul4, prq_ul5, prq_ul6, prq_ul7, prq_ul8, prq_dr1, prq_dr2, prq_dr3, prq_dr4, prq_dr5, prq_dr6, prq_dr7, prq_dr8, prq_dl1, prq_dl2, prq_dl3, prq_dl4, prq_dl5, prq_dl6, prq_dl7, prq_dl8, prq_ura, prq_urb, prq_urc, prq_urd, prq_ure, prq_ula, prq_ulb, prq_ulc, prq_uld, prq_ule, prq_dra, prq_drb, prq_drc, prq_drd, prq_dre, prq_dla, prq_dlb, prq_dlc, prq_dld, prq_dle) VALUES ('100074', '2024/02/13', 2, '14:00', '14:30', '/{B歯間部/}の磨き残しについて説明し、フロスの使い方を実習した。', '/{C1/}フロスを毎晩使う。', '1110', '1110', '1100', '1100', '1000', '0000', '0000', NULL, '0001', '0001', '0011', '0111', '0111', '1111', '1110', NULL, '1100', '1100', '1000', '1000', '0000', '0000', '0001', NULL, '0011', '0011', '0111', '0111', '1110', '1110', '1100', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_selection_imp VALUES ('100074', '2024/02/13', 2, 1, '歯ブラシ（ふつう）');
INSERT INTO m_selection_imp VALUES ('100074', '2024/02/13', 2, 2, 'デンタルフロス');
INSERT INTO m_kh_record VALUES ('100074', 6, 5, 7, '250', 1, 0, '2024/03/12', 'N0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0', '全顎', '1111111000000', '1111111000000', '1111111000000', '1111111000000', '', NULL, '2024/03/12-09:48:31', '2', '0002', NULL, NULL, NULL);
INSERT INTO m_kr_cir_inspection VALUES ('100074', '2024/03/12', 1, '2', 1, 1, 1, '');
INSERT INTO m_kr_plaque (personal_id, entry, entry_no, prq_ur1, prq_ur2, prq_ur3, prq_ur4, prq_ur5, prq_ur6, prq_ur7, prq_ur8, prq_ul1, prq_ul2, prq_ul3, prq_ul4, prq_ul5, prq_ul6, prq_ul7, prq_ul8, prq_dr1, prq_dr2, prq_dr3, prq_dr4, prq_dr5, prq_dr6, prq_dr7, prq_dr8, prq_dl1, prq_dl2, prq_dl3, prq_dl4, prq_dl5, prq_dl6, prq_dl7, prq_dl8, prq_ura, prq_urb, prq_urc, prq_urd, prq_ure, prq_ula, prq_ulb, prq_ulc, prq_uld, prq_ule, prq_dra, prq_drb, prq_drc, prq_drd, prq_dre, prq_dla, prq_dlb, prq_dlc, prq_dld, prq_dle) VALUES ('100074', '2024/03/12', 1, '1100', '1000', '1000', '0000', '0000', '0000', '0000', NULL, '0001', '0011', '0011', '0111', '0110', '1110', '1100', NULL, '1000', '1000', '0000', '0000', '0000', '0001', '0001', NULL, '0011', '0111', '0110', '1110', '1100', '1100', '1000', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_kr_miller (personal_id, entry, entry_no, mil_ur1, mil_ur2, mil_ur3, mil_ur4, mil_ur5, mil_ur6, mil_ur7, mil_ur8, mil_ul1, mil_ul2, mil_ul3, mil_ul4, mil_ul5, mil_ul6, mil_ul7, mil_ul8, mil_dr1, mil_dr2, mil_dr3, mil_dr4, mil_dr5, mil_dr6, mil_dr7, mil_dr8, mil_dl1, mil_dl2, mil_dl3, mil_dl4, mil_dl5, mil_dl6, mil_dl7, mil_dl8, mil_ura, mil_urb, mil_urc, mil_urd, mil_ure, mil_ula, mil_ulb, mil_ulc, mil_uld, mil_ule, mil_dra, mil_drb, mil_drc, mil_drd, mil_dre, mil_dla, mil_dlb, mil_dlc, mil_dld, mil_dle) VALUES ('100074', '2024/03/12', 1, '0', '0', '0', '0', '0', '0', '0', NULL, '0', '0', '0', '0', '0', '0', '1', NULL, '0', '0', '0', '0', '0', '0', '0', NULL, '0', '0', '0', '0', '0', '0', '0', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_kr_pocket (personal_id, entry, entry_no, poc_ur1, poc_ur2, poc_ur3, poc_ur4, poc_ur5, poc_ur6, poc_ur7, poc_ur8, poc_ul1, poc_ul2, poc_ul3, poc_ul4, poc_ul5, poc_ul6, poc_ul7, poc_ul8, poc_dr1, poc_dr2, poc_dr3, poc_dr4, poc_dr5, poc_dr6, poc_dr7, poc_dr8, poc_dl1, poc_dl2, poc_dl3, poc_dl4, poc_dl5, poc_dl6, poc_dl7, poc_dl8, poc_ura, poc_urb, poc_urc, poc_urd, poc_ure, poc_ula, poc_ulb, poc_ulc, poc_uld, poc_ule, poc_dra, poc_drb, poc_drc, poc_drd, poc_dre, poc_dla, poc_dlb, poc_dlc, poc_dld, poc_dle) VALUES ('100074', '2024/03/12', 1, '0  20  30  20  30  20  3', '0  20  40  20  40  20  4', '0  31  20  31  20  31  2', '0  40  30  40  30  40  3', '0  20  40  20  40  20  4', '0  30  20  30  20  30  2', '0  40  20  40  20  40  2', NULL, '0  30  40  30  40  30  4', '0  40  20  40  20  40  2', '0  20  30  20  30  20  3', '0  20  40  20  40  20  4', '0  31  20  31  20  31  2', '0  40  30  40  30  40  3', '0  20  40  20  40  20  4', NULL, '0  40  20  40  20  40  2', '1  20  31  20  31  20  3', '0  30  40  30  40  30  4', '0  40  20  40  20  40  2', '0  20  30  20  30  20  3', '0  20  40  20  40  20  4', '0  31  20  31  20  31  2', NULL, '0  20  40  20  40  20  4', '0  30  20  30  20  30  2', '0  40  20  40  20  40  2', '1  20  31  20  31  20  3', '0  30  40  30  40  30  4', '0  40  20  40  20  40  2', '0  20  30  20  30  20  3', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_kh_record VALUES ('100074', 7, 6, 8, '800', 1, 0, '2024/03/12', 'N0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0', NULL, '1111111000000', '1111111000000', '1111111000000', '1111111000000', '', NULL, '2024/03/12-10:24:18', '2', '0002', NULL, NULL, NULL);
INSERT INTO m_actual_instruction (personal_id, entry, entry_no, inst_start_time, inst_end_time, inst_point, communicate_point, prq_ur1, prq_ur2, prq_ur3, prq_ur4, prq_ur5, prq_ur6, prq_ur7, prq_ur8, prq_ul1, prq_ul2, prq_ul3, prq_ul4, prq_ul5, prq_ul6, prq_ul7, prq_ul8, prq_dr1, prq_dr2, prq_dr3, prq_dr4, prq_dr5, prq_dr6, prq_dr7, prq_dr8, prq_dl1, prq_dl2, prq_dl3, prq_dl4, prq_dl5, prq_dl6, prq_dl7, prq_dl8, prq_ura, prq_urb, prq_urc, prq_urd, prq_ure, prq_ula, prq_ulb, prq_ulc, prq_uld, prq_ule, prq_dra, prq_drb, prq_drc, prq_drd, prq_dre, prq_dla, prq_dlb, prq_dlc, prq_dld, prq_dle) VALUES ('100074', '2024/03/12', 1, '09:50', '10:20', '歯間ブラシのサイズを確認し、挿入方向を指導した。', '歯間部の出血は清掃を続けると改善することを説明した。', '1100', '1000', '1000', '0000', '0000', '0000', '0000', NULL, '0001', '0011', '0011', '0111', '0110', '1110', '1100', NULL, '1000', '1000', '0000', '0000', '0000', '0001', '0001', NULL, '0011', '0111', '0110', '1110', '1100', '1100', '1000', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_selection_imp VALUES ('100074', '2024/03/12', 1, 1, '歯ブラシ（ふつう）');
INSERT INTO m_selection_imp VALUES ('100074', '2024/03/12', 1, 2, '歯間ブラシ（S）');
INSERT INTO m_selection_imp VALUES ('100074', '2024/03/12', 1, 3, 'デンタルフロス');
INSERT INTO m_kh_record VALUES ('100074', 8, 7, 9, '100', 1, 0, '2024/04/16', NULL, NULL, NULL, NULL, NULL, NULL, '', '1', '2024/04/16-11:02:44', '2', '0001', '2024/04/16-11:05:00', '2', '0001');
INSERT INTO m_kr_appeals VALUES ('100074', '2024/04/16', 1, '冷たい物がしみる', NULL);
INSERT INTO m_kh_record VALUES ('100074', 9, 8, 10, '800', 1, 0, '2024/04/16', 'N0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0', NULL, '1111111000000', '1111111000000', '1111111000000', '1111111000000', '', NULL, '2024/04/16-11:33:27', '2', '0001', NULL, NULL, NULL);
INSERT INTO m_actual_instruction (personal_id, entry, entry_no, inst_start_time, inst_end_time, inst_point, communicate_point, prq_ur1, prq_ur2, prq_ur3, prq_ur4, prq_ur5, prq_ur6, prq_ur7, prq_ur8, prq_ul1, prq_ul2, prq_ul3, prq_ul4, prq_ul5, prq_ul6, prq_ul7, prq_ul8, prq_dr1, prq_dr2, prq_dr3, prq_dr4, prq_dr5, prq_dr6, prq_dr7, prq_dr8, prq_dl1, prq_dl2, prq_dl3, prq_dl4, prq_dl5, prq_dl6, prq_dl7, prq_dl8, prq_ura, prq_urb, prq_urc, prq_urd, prq_ure, prq_ula, prq_ulb, prq_ulc, prq_uld, prq_ule, prq_dra, prq_drb, prq_drc, prq_drd, prq_dre, prq_dla, prq_dlb, prq_dlc, prq_dld, prq_dle) VALUES ('100074', '2024/04/16', 1, '11:00', '11:30', '知覚過敏について説明し、フッ化物配合歯磨剤を勧めた。', '１か月後にプラークの付着状況を再確認する。', '1000', '0000', '0000', '0000', '0000', '0000', '0001', NULL, '0011', '0011', '0110', '0110', '1100', '1100', '1000', NULL, '0000', '0000', '0000', '0000', '0000', '0001', '0011', NULL, '0110', '0110', '1100', '1100', '1000', '1000', '0000', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_selection_imp VALUES ('100074', '2024/04/16', 1, 1, '歯ブラシ（やわらかめ）');
INSERT INTO m_selection_imp VALUES ('100074', '2024/04/16', 1, 2, '歯間ブラシ（S）');
INSERT INTO m_selection_imp VALUES ('100074', '2024/04/16', 1, 3, 'フッ化物配合歯磨剤');
INSERT INTO m_kh_record VALUES ('100074', 10, 9, 11, '250', 1, 0, '2024/05/14', 'N0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0', '全顎', '1111111000000', '1111111000000', '1111111000000', '1111111000000', '', NULL, '2024/05/14-15:05:02', '2', '0001', NULL, NULL, NULL);
INSERT INTO m_kr_cir_inspection VALUES ('100074', '2024/05/14', 1, '1', NULL, 1, 1, '');
INSERT INTO m_kr_miller (personal_id, entry, entry_no, mil_ur1, mil_ur2, mil_ur3, mil_ur4, mil_ur5, mil_ur6, mil_ur7, mil_ur8, mil_ul1, mil_ul2, mil_ul3, mil_ul4, mil_ul5, mil_ul6, mil_ul7, mil_ul8, mil_dr1, mil_dr2, mil_dr3, mil_dr4, mil_dr5, mil_dr6, mil_dr7, mil_dr8, mil_dl1, mil_dl2, mil_dl3, mil_dl4, mil_dl5, mil_dl6, mil_dl7, mil_dl8, mil_ura, mil_urb, mil_urc, mil_urd, mil_ure, mil_ula, mil_ulb, mil_ulc, mil_uld, mil_ule, mil_dra, mil_drb, mil_drc, mil_drd, mil_dre, mil_dla, mil_dlb, mil_dlc, mil_dld, mil_dle) VALUES ('100074', '2024/05/14', 1, '0', '0', '0', '0', '0', '0', '0', NULL, '0', '0', '0', '0', '1', '0', '0', NULL, '0', '0', '0', '0', '0', '0', '0', NULL, '0', '0', '0', '0', '0', '1', '0', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_kr_pocket (personal_id, entry, entry_no, poc_ur1, poc_ur2, poc_ur3, poc_ur4, poc_ur5, poc_ur6, poc_ur7, poc_ur8, poc_ul1, poc_ul2, poc_ul3, poc_ul4, poc_ul5, poc_ul6, poc_ul7, poc_ul8, poc_dr1, poc_dr2, poc_dr3, poc_dr4, poc_dr5, poc_dr6, poc_dr7, poc_dr8, poc_dl1, poc_dl2, poc_dl3, poc_dl4, poc_dl5, poc_dl6, poc_dl7, poc_dl8, poc_ura, poc_urb, poc_urc, poc_urd, poc_ure, poc_ula, poc_ulb, poc_ulc, poc_uld, poc_ule, poc_dra, poc_drb, poc_drc, poc_drd, poc_dre, poc_dla, poc_dlb, poc_dlc, poc_dld, poc_dle) VALUES ('100074', '2024/05/14', 1, '0  40  20  40  20  40  2', '0  20  30  20  30  20  3', '0  30  40  30  40  30  4', '0  40  20  40  20  40  2', '0  21  30  21  30  21  3', '0  20  40  20  40  20  4', '0  30  20  30  20  30  2', NULL, '0  20  40  20  40  20  4', '1  30  21  30  21  30  2', '0  40  20  40  20  40  2', '0  20  30  20  30  20  3', '0  30  40  30  40  30  4', '0  40  20  40  20  40  2', '0  21  30  21  30  21  3', NULL, '0  30  20  30  20  30  2', '0  40  30  40  30  40  3', '0  20  40  20  40  20  4', '1  30  21  30  21  30  2', '0  40  20  40  20  40  2', '0  20  30  20  30  20  3', '0  30  40  30  40  30  4', NULL, '0  21  30  21  30  21  3', '0  20  40  20  40  20  4', '0  30  20  30  20  30  2', '0  40  30  40  30  40  3', '0  20  40  20  40  20  4', '1  30  21  30  21  30  2', '0  40  20  40  20  40  2', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_kh_record VALUES ('100074', 11, 10, 12, '800', 1, 0, '2024/05/14', 'N0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0', NULL, '1111111000000', '1111111000000', '1111111000000', '1111111000000', '', NULL, '2024/05/14-15:34:50', '2', '0001', NULL, NULL, NULL);
INSERT INTO m_actual_instruction (personal_id, entry, entry_no, inst_start_time, inst_end_time, inst_point, communicate_point, prq_ur1, prq_ur2, prq_ur3, prq_ur4, prq_ur5, prq_ur6, prq_ur7, prq_ur8, prq_ul1, prq_ul2, prq_ul3, prq_ul4, prq_ul5, prq_ul6, prq_ul7, prq_ul8, prq_dr1, prq_dr2, prq_dr3, prq_dr4, prq_dr5, prq_dr6, prq_dr7, prq_dr8, prq_dl1, prq_dl2, prq_dl3, prq_dl4, prq_dl5, prq_dl6, prq_dl7, prq_dl8, prq_ura, prq_urb, prq_urc, prq_urd, prq_ure, prq_ula, prq_ulb, prq_ulc, prq_uld, prq_ule, prq_dra, prq_drb, prq_drc, prq_drd, prq_dre, prq_dla, prq_dlb, prq_dlc, prq_dld, prq_dle) VALUES ('100074', '2024/05/14', 1, '15:10', '15:30', '就寝前のブラッシングを丁寧に行うよう指導した。', NULL, '0000', '0000', '0000', '0000', '0000', '0000', '0001', NULL, '0010', '0110', '0100', '1100', '1000', '1000', '0000', NULL, '0000', '0000', '0000', '0000', '0001', '0001', '0011', NULL, '0110', '1100', '1000', '1000', '0000', '0000', '0000', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_selection_imp VALUES ('100074', '2024/05/14', 1, 1, '歯ブラシ（やわらかめ）');
INSERT INTO m_selection_imp VALUES ('100074', '2024/05/14', 1, 2, '歯間ブラシ（S）');
INSERT INTO m_kh_record VALUES ('100074', 12, 11, NULL, '800', 1, 0, '2024/06/18', 'N0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0', NULL, '1111111000000', '1111111000000', '1111111000000', '1111111000000', '', NULL, '2024/06/18-10:25:41', '2', '0003', NULL, NULL, NULL);
INSERT INTO m_actual_instruction (personal_id, entry, entry_no, inst_start_time, inst_end_time, inst_point, communicate_point, prq_ur1, prq_ur2, prq_ur3, prq_ur4, prq_ur5, prq_ur6, prq_ur7, prq_ur8, prq_ul1, prq_ul2, prq_ul3, prq_ul4, prq_ul5, prq_ul6, prq_ul7, prq_ul8, prq_dr1, prq_dr2, prq_dr3, prq_dr4, prq_dr5, prq_dr6, prq_dr7, prq_dr8, prq_dl1, prq_dl2, prq_dl3, prq_dl4, prq_dl5, prq_dl6, prq_dl7, prq_dl8, prq_ura, prq_urb, prq_urc, prq_urd, prq_ure, prq_ula, prq_ulb, prq_ulc, prq_uld, prq_ule, prq_dra, prq_drb, prq_drc, prq_drd, prq_dre, prq_dla, prq_dlb, prq_dlc, prq_dld, prq_dle) VALUES ('100074', '2024/06/18', 1, '10:00', '10:20', 'プラークの付着が減っている。現在の清掃方法を続けるよう伝えた。', '次回、スケーリングを行う予定。', '0000', '0000', '0000', '0000', '0000', '0001', '0001', NULL, '0000', '0100', '1000', '1000', '0000', '0000', '0000', NULL, '0000', '0000', '0000', '0001', '0001', '0010', '0010', NULL, '0100', '1000', '0000', '0000', '0000', '0000', '0000', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_selection_imp VALUES ('100074', '2024/06/18', 1, 1, '歯ブラシ（やわらかめ）');
INSERT INTO m_selection_imp VALUES ('100074', '2024/06/18', 1, 2, '歯間ブラシ（S）');
INSERT INTO m_selection_imp VALUES ('100074', '2024/06/18', 1, 3, 'デンタルフロス');
INSERT INTO m_karte VALUES ('100111', 1, NULL, '2023/11/07-16:10:20', '2', '0001', '2023/12/05-16:33:30', '2', '0002');
INSERT INTO m_kh_record VALUES ('100111', 1, NULL, 2, '100', 1, 0, '2023/11/07', NULL, NULL, NULL, NULL, NULL, NULL, '', NULL, '2023/11/07-16:10:00', '2', '0001', NULL, NULL, NULL);
INSERT INTO m_kr_appeals VALUES ('100111', '2023/11/07', 1, '右上の歯ぐきが腫れている', '痛みはない');
INSERT INTO m_kh_record VALUES ('100111', 2, 1, 4, '800', 1, 0, '2023/11/07', 'N0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0', NULL, '1111111000000', '1111111000000', '1111111000000', '1111111000000', '', NULL, '2023/11/07-16:47:12', '2', '0001', NULL, NULL, NULL);
INSERT INTO m_actual_instruction (personal_id, entry, entry_no, inst_start_time, inst_end_time, inst_point, communicate_point, prq_ur1, prq_ur2, prq_ur3, prq_ur4, prq_ur5, prq_ur6, prq_ur7, prq_ur8, prq_ul1, prq_ul2, prq_ul3, prq_ul4, prq_ul5, prq_ul6, prq_ul7, prq_ul8, prq_dr1, prq_dr2, prq_dr3, prq_dr4, prq_dr5, prq_dr6, prq_dr7, prq_dr8, prq_dl1, prq_dl2, prq_dl3, prq_dl4, prq_dl5, prq_dl6, prq_dl7, prq_dl8, prq_ura, prq_urb, prq_urc, prq_urd, prq_ure, prq_ula, prq_ulb, prq_ulc, prq_uld, prq_ule, prq_dra, prq_drb, prq_drc, prq_drd, prq_dre, prq_dla, prq_dlb, prq_dlc, prq_dld, prq_dle) VALUES ('100111', '2023/11/07', 1, '16:15', '16:45', '/{DN0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0上顎/}の歯頸部にプラークが多い。', '喫煙と歯周病の関係について説明した。', '1100', '1100', '1000', '1000', '0001', '0001', '0011', NULL, '0111', '0111', '1111', '1111', '1111', '1110', '1110', NULL, '1000', '1000', '0001', '0001', '0011', '0011', '0111', NULL, '1111', '1111', '1111', '1110', '1110', '1100', '1100', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_selection_imp VALUES ('100111', '2023/11/07', 1, 1, '歯ブラシ（ふつう）');
INSERT INTO m_selection_imp VALUES ('100111', '2023/11/07', 1, 2, 'タフトブラシ');
INSERT INTO m_kh_record VALUES ('100111', 4, 2, NULL, '800', 1, 0, '2023/12/05', 'N0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0', NULL, '1111111000000', '1111111000000', '1111111000000', '1111111000000', '', NULL, '2023/12/05-16:33:05', '2', '0001', NULL, NULL, NULL);
INSERT INTO m_actual_instruction (personal_id, entry, entry_no, inst_start_time, inst_end_time, inst_point, communicate_point, prq_ur1, prq_ur2, prq_ur3, prq_ur4, prq_ur5, prq_ur6, prq_ur7, prq_ur8, prq_ul1, prq_ul2, prq_ul3, prq_ul4, prq_ul5, prq_ul6, prq_ul7, prq_ul8, prq_dr1, prq_dr2, prq_dr3, prq_dr4, prq_dr5, prq_dr6, prq_dr7, prq_dr8, prq_dl1, prq_dl2, prq_dl3, prq_dl4, prq_dl5, prq_dl6, prq_dl7, prq_dl8, prq_ura, prq_urb, prq_urc, prq_urd, prq_ure, prq_ula, prq_ulb, prq_ulc, prq_uld, prq_ule, prq_dra, prq_drb, prq_drc, prq_drd, prq_dre, prq_dla, prq_dlb, prq_dlc, prq_dld, prq_dle) VALUES ('100111', '2023/12/05', 1, '16:00', '16:30', 'タフトブラシの使い方を実習した。', NULL, '0000', '0000', '0000', '0001', '0001', '0011', '0011', NULL, '0111', '1110', '1110', '1100', '1100', '1000', '1000', NULL, '0000', '0000', '0001', '0001', '0011', '0111', '0111', NULL, '1110', '1100', '1100', '1000', '1000', '0000', '0000', NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL, NULL);
INSERT INTO m_selection_imp VALUES ('100111', '2023/12/05', 1, 1, 'タフトブラシ');

-- A book of nine years and a half for patient 100148: a visit a month, a precise inspection every
-- sixth visit, a chief complaint every twelfth, and a few instructions deleted.
INSERT INTO m_karte VALUES ('100148', 1, NULL, '2015/04/07-09:40:00', '2', '0003', '2024/09/08-10:02:11', '2', '0001');
WITH RECURSIVE v(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM v WHERE k < 114)
INSERT INTO m_kh_record
SELECT '100148', k, NULLIF(k - 1, 0), NULLIF((k + 1) % 115, 0), CASE WHEN k % 6 = 0 THEN '250' WHEN k % 12 = 1 THEN '100' ELSE '800' END, 1, 0, strftime('%Y/%m/%d', date('2015-04-06', '+' || (k - 1) || ' months', '+' || (k % 3) || ' days')),
       CASE WHEN k % 12 = 1 THEN NULL ELSE 'N0aaaaaaaaaaaaaa00aaaaaaaaaaaaaa0' END, NULL,
       CASE WHEN k % 12 = 1 THEN NULL ELSE '1111111000000' END, CASE WHEN k % 12 = 1 THEN NULL ELSE '1111111000000' END,
       CASE WHEN k % 12 = 1 THEN NULL ELSE '1111111000000' END, CASE WHEN k % 12 = 1 THEN NULL ELSE '1111111000000' END, '',
       CASE WHEN k % 17 = 5 AND k % 6 <> 0 AND k % 12 <> 1 THEN '1' END, strftime('%Y/%m/%d', date('2015-04-06', '+' || (k - 1) || ' months', '+' || (k % 3) || ' days')) || '-09:40:00', '2',
       CASE k % 3 WHEN 0 THEN '0001' WHEN 1 THEN '0003' ELSE '0004' END,
       CASE WHEN k % 17 = 5 AND k % 6 <> 0 AND k % 12 <> 1 THEN strftime('%Y/%m/%d', date('2015-04-06', '+' || (k - 1) || ' months', '+' || (k % 3) || ' days')) || '-10:05:00' END,
       CASE WHEN k % 17 = 5 AND k % 6 <> 0 AND k % 12 <> 1 THEN '2' END,
       CASE WHEN k % 17 = 5 AND k % 6 <> 0 AND k % 12 <> 1 THEN '0001' END
FROM v;
WITH RECURSIVE v(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM v WHERE k < 114)
INSERT INTO m_kr_appeals SELECT '100148', strftime('%Y/%m/%d', date('2015-04-06', '+' || (k - 1) || ' months', '+' || (k % 3) || ' days')), 1,
       CASE k % 5 WHEN 0 THEN '歯石が気になる' WHEN 1 THEN '歯ぐきから血が出る' WHEN 2 THEN '口臭が気になる'
                  WHEN 3 THEN '冷たい物がしみる' ELSE '定期検診' END, NULL
FROM v WHERE k % 12 = 1 AND k % 6 <> 0;
WITH RECURSIVE v(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM v WHERE k < 114)
INSERT INTO m_kr_cir_inspection SELECT '100148', strftime('%Y/%m/%d', date('2015-04-06', '+' || (k - 1) || ' months', '+' || (k % 3) || ' days')), 1, '2', 1, 1, 1, '' FROM v WHERE k % 6 = 0;
WITH RECURSIVE v(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM v WHERE k < 114)
INSERT INTO m_kr_plaque (personal_id, entry, entry_no, prq_ur1, prq_ur2, prq_ur3, prq_ur4, prq_ur5, prq_ur6, prq_ur7, prq_ur8, prq_ul1, prq_ul2, prq_ul3, prq_ul4, prq_ul5, prq_ul6, prq_ul7, prq_ul8, prq_dr1, prq_dr2, prq_dr3, prq_dr4, prq_dr5, prq_dr6, prq_dr7, prq_dr8, prq_dl1, prq_dl2, prq_dl3, prq_dl4, prq_dl5, prq_dl6, prq_dl7, prq_dl8, prq_ura, prq_urb, prq_urc, prq_urd, prq_ure, prq_ula, prq_ulb, prq_ulc, prq_uld, prq_ule, prq_dra, prq_drb, prq_drc, prq_drd, prq_dre, prq_dla, prq_dlb, prq_dlc, prq_dld, prq_dle)
SELECT '100148', strftime('%Y/%m/%d', date('2015-04-06', '+' || (k - 1) || ' months', '+' || (k % 3) || ' days')), 1,
       CASE WHEN (k + 0) % 5 < 2 THEN '1000' ELSE '0000' END,
       CASE WHEN (k + 1) % 5 < 2 THEN '1100' ELSE '0000' END,
       CASE WHEN (k + 2) % 5 < 2 THEN '1001' ELSE '0000' END,
       CASE WHEN (k + 3) % 5 < 2 THEN '1101' ELSE '0000' END,
       CASE WHEN (k + 4) % 5 < 2 THEN '1000' ELSE '0000' END,
       CASE WHEN (k + 5) % 5 < 2 THEN '1100' ELSE '0000' END,
       CASE WHEN (k + 6) % 5 < 2 THEN '1001' ELSE '0000' END,
       NULL,
       CASE WHEN (k + 8) % 5 < 2 THEN '1000' ELSE '0000' END,
       CASE WHEN (k + 9) % 5 < 2 THEN '1100' ELSE '0000' END,
       CASE WHEN (k + 10) % 5 < 2 THEN '1001' ELSE '0000' END,
       CASE WHEN (k + 11) % 5 < 2 THEN '1101' ELSE '0000' END,
       CASE WHEN (k + 12) % 5 < 2 THEN '1000' ELSE '0000' END,
       CASE WHEN (k + 13) % 5 < 2 THEN '1100' ELSE '0000' END,
       CASE WHEN (k + 14) % 5 < 2 THEN '1001' ELSE '0000' END,
       NULL,
       CASE WHEN (k + 16) % 5 < 2 THEN '1000' ELSE '0000' END,
       CASE WHEN (k + 17) % 5 < 2 THEN '1100' ELSE '0000' END,
       CASE WHEN (k + 18) % 5 < 2 THEN '1001' ELSE '0000' END,
       CASE WHEN (k + 19) % 5 < 2 THEN '1101' ELSE '0000' END,
       CASE WHEN (k + 20) % 5 < 2 THEN '1000' ELSE '0000' END,
       CASE WHEN (k + 21) % 5 < 2 THEN '1100' ELSE '0000' END,
       CASE WHEN (k + 22) % 5 < 2 THEN '1001' ELSE '0000' END,
       NULL,
       CASE WHEN (k + 24) % 5 < 2 THEN '1000' ELSE '0000' END,
       CASE WHEN (k + 25) % 5 < 2 THEN '1100' ELSE '0000' END,
       CASE WHEN (k + 26) % 5 < 2 THEN '1001' ELSE '0000' END,
       CASE WHEN (k + 27) % 5 < 2 THEN '1101' ELSE '0000' END,
       CASE WHEN (k + 28) % 5 < 2 THEN '1000' ELSE '0000' END,
       CASE WHEN (k + 29) % 5 < 2 THEN '1100' ELSE '0000' END,
       CASE WHEN (k + 30) % 5 < 2 THEN '1001' ELSE '0000' END,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL
FROM v WHERE k % 6 = 0;
WITH RECURSIVE v(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM v WHERE k < 114)
INSERT INTO m_kr_miller (personal_id, entry, entry_no, mil_ur1, mil_ur2, mil_ur3, mil_ur4, mil_ur5, mil_ur6, mil_ur7, mil_ur8, mil_ul1, mil_ul2, mil_ul3, mil_ul4, mil_ul5, mil_ul6, mil_ul7, mil_ul8, mil_dr1, mil_dr2, mil_dr3, mil_dr4, mil_dr5, mil_dr6, mil_dr7, mil_dr8, mil_dl1, mil_dl2, mil_dl3, mil_dl4, mil_dl5, mil_dl6, mil_dl7, mil_dl8, mil_ura, mil_urb, mil_urc, mil_urd, mil_ure, mil_ula, mil_ulb, mil_ulc, mil_uld, mil_ule, mil_dra, mil_drb, mil_drc, mil_drd, mil_dre, mil_dla, mil_dlb, mil_dlc, mil_dld, mil_dle)
SELECT '100148', strftime('%Y/%m/%d', date('2015-04-06', '+' || (k - 1) || ' months', '+' || (k % 3) || ' days')), 1,
       CASE WHEN (k + 0) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 1) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 2) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 3) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 4) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 5) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 6) % 23 = 0 THEN '1' ELSE '0' END,
       NULL,
       CASE WHEN (k + 8) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 9) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 10) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 11) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 12) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 13) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 14) % 23 = 0 THEN '1' ELSE '0' END,
       NULL,
       CASE WHEN (k + 16) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 17) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 18) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 19) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 20) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 21) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 22) % 23 = 0 THEN '1' ELSE '0' END,
       NULL,
       CASE WHEN (k + 24) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 25) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 26) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 27) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 28) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 29) % 23 = 0 THEN '1' ELSE '0' END,
       CASE WHEN (k + 30) % 23 = 0 THEN '1' ELSE '0' END,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL
FROM v WHERE k % 6 = 0;
WITH RECURSIVE v(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM v WHERE k < 114)
INSERT INTO m_kr_pocket (personal_id, entry, entry_no, poc_ur1, poc_ur2, poc_ur3, poc_ur4, poc_ur5, poc_ur6, poc_ur7, poc_ur8, poc_ul1, poc_ul2, poc_ul3, poc_ul4, poc_ul5, poc_ul6, poc_ul7, poc_ul8, poc_dr1, poc_dr2, poc_dr3, poc_dr4, poc_dr5, poc_dr6, poc_dr7, poc_dr8, poc_dl1, poc_dl2, poc_dl3, poc_dl4, poc_dl5, poc_dl6, poc_dl7, poc_dl8, poc_ura, poc_urb, poc_urc, poc_urd, poc_ure, poc_ula, poc_ulb, poc_ulc, poc_uld, poc_ule, poc_dra, poc_drb, poc_drc, poc_drd, poc_dre, poc_dla, poc_dlb, poc_dlc, poc_dld, poc_dle)
SELECT '100148', strftime('%Y/%m/%d', date('2015-04-06', '+' || (k - 1) || ' months', '+' || (k % 3) || ' days')), 1,
       CASE WHEN (k + 0) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 1) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 2) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 3) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 4) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 5) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 6) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       NULL,
       CASE WHEN (k + 8) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 9) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 10) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 11) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 12) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 13) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 14) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       NULL,
       CASE WHEN (k + 16) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 17) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 18) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 19) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 20) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 21) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 22) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       NULL,
       CASE WHEN (k + 24) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 25) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 26) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 27) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 28) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 29) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       CASE WHEN (k + 30) % 7 = 0 THEN '1  40  30  31  50  30  3' ELSE '0  20  30  20  20  30  2' END,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL
FROM v WHERE k % 6 = 0;
WITH RECURSIVE v(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM v WHERE k < 114)
INSERT INTO m_actual_instruction (personal_id, entry, entry_no, inst_start_time, inst_end_time, inst_point,
                                  communicate_point, prq_ur1, prq_ur2, prq_ur3, prq_ur4, prq_ur5, prq_ur6, prq_ur7, prq_ur8, prq_ul1, prq_ul2, prq_ul3, prq_ul4, prq_ul5, prq_ul6, prq_ul7, prq_ul8, prq_dr1, prq_dr2, prq_dr3, prq_dr4, prq_dr5, prq_dr6, prq_dr7, prq_dr8, prq_dl1, prq_dl2, prq_dl3, prq_dl4, prq_dl5, prq_dl6, prq_dl7, prq_dl8, prq_ura, prq_urb, prq_urc, prq_urd, prq_ure, prq_ula, prq_ulb, prq_ulc, prq_uld, prq_ule, prq_dra, prq_drb, prq_drc, prq_drd, prq_dre, prq_dla, prq_dlb, prq_dlc, prq_dld, prq_dle)
SELECT '100148', strftime('%Y/%m/%d', date('2015-04-06', '+' || (k - 1) || ' months', '+' || (k % 3) || ' days')), 1, '09:40', '10:00',
       CASE k % 4 WHEN 0 THEN '毛先を歯頸部に当て、小刻みに動かすよう指導した。' WHEN 1 THEN 'デンタルフロスの使い方を実習した。'
                  WHEN 2 THEN '/{B歯間部/}の清掃を続けるよう伝えた。' ELSE '最後臼歯の遠心面の磨き残しについて説明した。' END,
       CASE WHEN k % 3 = 0 THEN '次回、スケーリングを行う予定。' END,
       CASE WHEN (k * 3 + 0) % 9 < 2 THEN '1000' WHEN (k + 0) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 1) % 9 < 2 THEN '0010' WHEN (k + 1) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 2) % 9 < 2 THEN '1000' WHEN (k + 2) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 3) % 9 < 2 THEN '0010' WHEN (k + 3) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 4) % 9 < 2 THEN '1000' WHEN (k + 4) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 5) % 9 < 2 THEN '0010' WHEN (k + 5) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 6) % 9 < 2 THEN '1000' WHEN (k + 6) % 11 = 0 THEN '0001' ELSE '0000' END,
       NULL,
       CASE WHEN (k * 3 + 8) % 9 < 2 THEN '1000' WHEN (k + 8) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 9) % 9 < 2 THEN '0010' WHEN (k + 9) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 10) % 9 < 2 THEN '1000' WHEN (k + 10) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 11) % 9 < 2 THEN '0010' WHEN (k + 11) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 12) % 9 < 2 THEN '1000' WHEN (k + 12) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 13) % 9 < 2 THEN '0010' WHEN (k + 13) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 14) % 9 < 2 THEN '1000' WHEN (k + 14) % 11 = 0 THEN '0001' ELSE '0000' END,
       NULL,
       CASE WHEN (k * 3 + 16) % 9 < 2 THEN '1000' WHEN (k + 16) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 17) % 9 < 2 THEN '0010' WHEN (k + 17) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 18) % 9 < 2 THEN '1000' WHEN (k + 18) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 19) % 9 < 2 THEN '0010' WHEN (k + 19) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 20) % 9 < 2 THEN '1000' WHEN (k + 20) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 21) % 9 < 2 THEN '0010' WHEN (k + 21) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 22) % 9 < 2 THEN '1000' WHEN (k + 22) % 11 = 0 THEN '0001' ELSE '0000' END,
       NULL,
       CASE WHEN (k * 3 + 24) % 9 < 2 THEN '1000' WHEN (k + 24) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 25) % 9 < 2 THEN '0010' WHEN (k + 25) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 26) % 9 < 2 THEN '1000' WHEN (k + 26) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 27) % 9 < 2 THEN '0010' WHEN (k + 27) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 28) % 9 < 2 THEN '1000' WHEN (k + 28) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 29) % 9 < 2 THEN '0010' WHEN (k + 29) % 11 = 0 THEN '0001' ELSE '0000' END,
       CASE WHEN (k * 3 + 30) % 9 < 2 THEN '1000' WHEN (k + 30) % 11 = 0 THEN '0001' ELSE '0000' END,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL,
       NULL
FROM v WHERE k % 6 <> 0 AND k % 12 <> 1;
WITH RECURSIVE v(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM v WHERE k < 114)
INSERT INTO m_selection_imp SELECT '100148', strftime('%Y/%m/%d', date('2015-04-06', '+' || (k - 1) || ' months', '+' || (k % 3) || ' days')), 1, 1, '歯ブラシ（ふつう）' FROM v WHERE k % 6 <> 0 AND k % 12 <> 1;
WITH RECURSIVE v(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM v WHERE k < 114)
INSERT INTO m_selection_imp SELECT '100148', strftime('%Y/%m/%d', date('2015-04-06', '+' || (k - 1) || ' months', '+' || (k % 3) || ' days')), 1, 2,
       CASE k % 3 WHEN 0 THEN 'デンタルフロス' WHEN 1 THEN '歯間ブラシ（M）' ELSE 'タフトブラシ' END
FROM v WHERE k % 6 <> 0 AND k % 12 <> 1 AND k % 2 = 0;


COMMIT;
