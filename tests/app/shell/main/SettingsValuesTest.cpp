// The settings values read at start-up and the unscrambling of the database password.
#include "StartupFixture.h"
#include "app/shell/MdlIniData.h"

using progfolder::Ini;

// ---- password unscrambling -----------------------------------------------------------------

TEST(PassDecode, UnscramblesWithTheProgramKeyInTurn) {
    EXPECT_EQ(MdlIniData::FuStrPassDecode("151F1A41515407"), QByteArray("dental1"));
    EXPECT_EQ(MdlIniData::FuStrPassDecode("151f1a41515407"), QByteArray("dental1"));
    // The 8th character is unscrambled with the key's first character again.
    EXPECT_EQ(MdlIniData::FuStrPassDecode("3C1306505C5C57434A4601"), QByteArray("Mirelda2024"));
}

TEST(PassDecode, OddLengthsRoundHalvesToEvenAndMissingDigitsCountAsZero) {
    EXPECT_EQ(MdlIniData::FuStrPassDecode("151F1A415154071"), QByteArray("dental1a")); // 15 -> 8 bytes
    EXPECT_EQ(MdlIniData::FuAryHexToBytes("12345678901234567").size(), 8);             // 17 -> 8
    EXPECT_EQ(MdlIniData::FuAryHexToBytes("1234567890123456789").size(), 10);          // 19 -> 10
    EXPECT_EQ(MdlIniData::FuStrPassDecode("ZZZZZZZZZZZZZZ"), QByteArray("qzt5086"));
    EXPECT_EQ(MdlIniData::FuStrPassDecode("00000000000000"), QByteArray("qzt5086"));
}

TEST(PassDecode, KeepsEveryByteIncludingZeroAndHighBytes) {
    // "71" XOR 'q' is a zero byte; high bytes stay raw (a CP932 password's bytes).
    const QByteArray pw = MdlIniData::FuStrPassDecode("71FF74353038364D");
    ASSERT_EQ(pw.size(), 8);
    EXPECT_EQ(pw[0], '\0');
    EXPECT_EQ(static_cast<unsigned char>(pw[1]), 0xFF ^ 0x7A);
    EXPECT_EQ(pw.mid(2, 5), QByteArray(5, '\0'));
    EXPECT_EQ(static_cast<unsigned char>(pw[7]), 0x4D ^ 0x71);
    EXPECT_EQ(MdlIniData::FuStrPassDecode(progfolder::scramble("歯科衛生")), QByteArray("歯科衛生"));
}

TEST(PassDecode, PairDigitsInEitherCase) {
    EXPECT_EQ(MdlIniData::FuBytHexToByte("aF"), 0xAF);
    EXPECT_EQ(MdlIniData::FuBytHexToByte("0g"), 0x00);
    EXPECT_EQ(MdlIniData::FuBytHexToByte("7"), 0x70);
    EXPECT_EQ(MdlIniData::FuBytHexToByte(""), 0x00);
}

// ---- PFuGetIniData -------------------------------------------------------------------------

class SettingsValues : public StartupFixture {
protected:
    // Points fresh services at the folder's settings file and log, as the start-up does.
    bool read(const Ini& ini) {
        f.writeIni(ini);
        gStrAppPath = f.prog() + "/";
        gObjIniFile = std::make_unique<clsIniFile>();
        gObjLogging = std::make_unique<clsLogging>();
        gObjMessage = std::make_unique<clsMessage>();
        gObjIniFile->PoSetIniFilePath(f.prog() + "/Orvanta.ini");
        QDir().mkpath(f.prog() + "/log");
        gObjLogging->PoSetLogFilePath(f.log());
        return MdlIniData::PFuGetIniData();
    }
    QStringList lines() const { return progfolder::logLines(f.log()); }
};

TEST_F(SettingsValues, CompleteSettingsFillEveryValue) {
    ASSERT_TRUE(read(Ini::complete()
                         .set("Printer", "Dialog", "Y")
                         .set("DEBUG", "MainBtn", "Y")
                         .set("SeimituPrint", "Kizami", "0.25mm")
                         .set("CLIENT", "Optimize", "T")));
    EXPECT_EQ(gStrClinicCode, QStringLiteral("C01"));
    EXPECT_EQ(gStrConString, QStringLiteral("Provider=SQLCipher"));
    EXPECT_EQ(gStrDbPassword, QByteArray("dental1"));
    EXPECT_EQ(gStrMdbName, QStringLiteral("Orvanta.mdb"));
    EXPECT_EQ(gStrOptimize, QStringLiteral("T"));
    EXPECT_EQ(gStrCompactCon, QStringLiteral("Provider=SQLCipher"));
    EXPECT_EQ(gStrImagePath, f.prog() + "/Image");
    EXPECT_EQ(gStrEiseiMM, QStringLiteral("5"));
    EXPECT_EQ(gStrEiseiChkMM, QStringLiteral("20"));
    EXPECT_TRUE(gBolPrintDialog);
    EXPECT_FALSE(gBolPrintPreview);
    EXPECT_TRUE(gBolMainBtn);
    EXPECT_DOUBLE_EQ(gDblKizami, 0.25);
    EXPECT_TRUE(lines().isEmpty());
}

TEST_F(SettingsValues, YesIsExactlyUpperCaseY) {
    EXPECT_TRUE(read(Ini::complete().set("Printer", "Dialog", "y").set("Printer", "PrintPreview", "YES")));
    EXPECT_FALSE(gBolPrintDialog);
    EXPECT_FALSE(gBolPrintPreview);
}

TEST_F(SettingsValues, MinuteSettingsMustBeNumeric) {
    gStrEiseiMM = QStringLiteral("7");
    EXPECT_FALSE(read(Ini::complete().set("CLIENT", "Eisei_MM", "abc").set("CLIENT", "Eisei_Chk_MM", "")));
    EXPECT_EQ(lines(),
              (QStringList{
                  QStringLiteral("Sub Main-PFuGetIniData [CLIENT] Eisei_MMの取得に失敗(数値チェック)"),
                  QStringLiteral("Sub Main-PFuGetIniData [CLIENT] Eisei_Chk_MMの取得に失敗(数値チェック)")}));
    EXPECT_EQ(gStrEiseiMM, QStringLiteral("7"));      // a failing key keeps the earlier value
    EXPECT_EQ(gStrDbPassword, QByteArray("dental1")); // and the others are still read
}

TEST_F(SettingsValues, NumericMinuteSettingsAreKeptAsWritten) {
    EXPECT_TRUE(
        read(Ini::complete().set("CLIENT", "Eisei_MM", "+1.5E1").set("CLIENT", "Eisei_Chk_MM", "2.0E1")));
    EXPECT_EQ(gStrEiseiMM, QStringLiteral("+1.5E1"));
    EXPECT_EQ(gStrEiseiChkMM, QStringLiteral("2.0E1"));
}

TEST_F(SettingsValues, MinuteSettingsTheScreensCannotCountWithAreInvalid) {
    // Each value in both keys: true when it is taken, else the key's numeric-check line and false.
    const struct Case {
        QString value;
        bool usable;
    } cases[] = {
        {QStringLiteral("5"), true},           {QStringLiteral("0"), true},
        {QStringLiteral("1440"), true},        {QStringLiteral("1439.6"), true},
        {QStringLiteral("1441"), false},       {QStringLiteral("-1"), false},
        {QStringLiteral("1e18"), false},       {QString(255, u'9'), false},
        {QStringLiteral("2147483648"), false}, {QStringLiteral("abc"), false},
    };
    const QString p = QStringLiteral("Sub Main-PFuGetIniData [CLIENT] ");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value.toStdString());
        gStrEiseiMM = gStrEiseiChkMM = QStringLiteral("before");
        const qsizetype logged = lines().size();
        EXPECT_EQ(
            read(Ini::complete().set("CLIENT", "Eisei_MM", c.value).set("CLIENT", "Eisei_Chk_MM", c.value)),
            c.usable);
        const QString kept = c.usable ? c.value : QStringLiteral("before");
        EXPECT_EQ(gStrEiseiMM, kept);
        EXPECT_EQ(gStrEiseiChkMM, kept);
        const QStringList expected = {p + QStringLiteral("Eisei_MMの取得に失敗(数値チェック)"),
                                      p + QStringLiteral("Eisei_Chk_MMの取得に失敗(数値チェック)")};
        EXPECT_EQ(lines().mid(logged), c.usable ? QStringList() : expected);
    }
}

TEST_F(SettingsValues, PasswordNeedsSevenWholePairs) {
    EXPECT_FALSE(read(Ini::complete().set("CLIENT", "passwd", "151F1A4151540")));
    EXPECT_EQ(lines(), QStringList{QStringLiteral(
                           "Sub Main-PFuGetIniData [CLIENT] passwdの取得に失敗(パスワードの長さ)")});
    EXPECT_TRUE(gStrDbPassword.isEmpty());
}

TEST_F(SettingsValues, ImagePathAndDatabaseNameTakeBackslashesAsSeparators) {
    EXPECT_TRUE(read(Ini::complete()
                         .set("CLIENT", "ImagePath", "data\\images")
                         .set("CLIENT", "mdb_name", "db\\clinic.mdb")));
    EXPECT_EQ(gStrImagePath, f.prog() + "/data/images");
    EXPECT_EQ(gStrMdbName, QStringLiteral("db/clinic.mdb"));
}

TEST_F(SettingsValues, KizamiTakesTheLeadingNumberOnly) {
    EXPECT_TRUE(read(Ini::complete().set("SeimituPrint", "Kizami", "abc")));
    EXPECT_DOUBLE_EQ(gDblKizami, 0.0);
    EXPECT_TRUE(read(Ini::complete().set("SeimituPrint", "Kizami", " 2.5 x")));
    EXPECT_DOUBLE_EQ(gDblKizami, 2.5);
}

TEST_F(SettingsValues, AnEmptyValueIsPresentNotMissing) {
    EXPECT_TRUE(read(Ini::complete().set("CLIENT", "clinic_code", "").set("Printer", "Dialog", "")));
    EXPECT_EQ(gStrClinicCode, QString());
    EXPECT_TRUE(lines().isEmpty());
}
