#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "common/clsIniFile.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/text/Text.h"
#include "support/TestSupport.h"

using testsupport::readBytes;
using testsupport::writeBytes;

namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        msgbox::clearShown();
        ini.PoSetIniFilePath(dir.filePath(QStringLiteral("Orvanta.ini")));
    }
    QString path() const { return dir.filePath(QStringLiteral("Orvanta.ini")); }
    QTemporaryDir dir;
    clsIniFile ini;
};

TEST_F(IniFileTest, ReadsThroughTheProfileRules) {
    ASSERT_TRUE(writeBytes(
        path(), text::toCp932(QStringLiteral(
                    "[CLIENT]\r\nclinic_code =  \"0001\"  \r\nImagePath=\r\n"
                    "ConString=Provider=x;User ID=a,b\r\n[MESSAGE]\r\nFileName=メッセージ.txt\r\n"))));
    EXPECT_EQ(ini.PFuStrReadIniFile("CLIENT", "clinic_code", "None"), "0001");
    EXPECT_EQ(ini.PFuStrReadIniFile("client", "CLINIC_CODE", "None"), "0001");
    EXPECT_EQ(ini.PFuStrReadIniFile("CLIENT", "ImagePath", "None"), "");
    EXPECT_EQ(ini.PFuStrReadIniFile("CLIENT", "ConString", "None"), "Provider=x;User ID=a,b");
    EXPECT_EQ(ini.PFuStrReadIniFile("CLIENT", "Missing", "None"), "None");
    EXPECT_EQ(ini.PFuStrReadIniFile("CLIENT", "Missing"), "");
    EXPECT_EQ(ini.PFuStrReadIniFile("MESSAGE", "FileName", "None"), QStringLiteral("メッセージ.txt"));
    EXPECT_TRUE(msgbox::shown().isEmpty());
}

TEST_F(IniFileTest, MissingFileGivesTheDefaultForEveryKey) {
    EXPECT_EQ(ini.PFuStrReadIniFile("CLIENT", "clinic_code", "None"), "None");
    EXPECT_EQ(ini.PFuStrReadIniFile("Log", "MaxRecord", "None"), "None");
    clsIniFile unset; // no path set at all
    EXPECT_EQ(unset.PFuStrReadIniFile("CLIENT", "clinic_code", "None"), "None");
}

TEST_F(IniFileTest, EveryReadGoesToTheFile) {
    ASSERT_TRUE(writeBytes(path(), "[Log]\r\nMaxRecord=10\r\n"));
    EXPECT_EQ(ini.PFuStrReadIniFile("Log", "MaxRecord", "None"), "10");
    ASSERT_TRUE(writeBytes(path(), "[Log]\r\nMaxRecord=20\r\n"));
    EXPECT_EQ(ini.PFuStrReadIniFile("Log", "MaxRecord", "None"), "20");
    ini.PoSetIniFilePath(dir.filePath("other.ini"));
    EXPECT_EQ(ini.PFuStrReadIniFile("Log", "MaxRecord", "None"), "None");
}

TEST_F(IniFileTest, LongValuesComeBackCutToWholeCharacters) {
    ASSERT_TRUE(writeBytes(path(), "[S]\r\nascii=" + QByteArray(300, 'x') +
                                       "\r\nkanji=" + text::toCp932(QString(128, QChar(0x6F22))) + "\r\n"));
    EXPECT_EQ(ini.PFuStrReadIniFile("S", "ascii", "None"), QString(255, u'x'));
    const QString k = ini.PFuStrReadIniFile("S", "kanji", "None");
    EXPECT_EQ(k, QString(127, QChar(0x6F22)));
    EXPECT_EQ(text::toCp932(k).size(), 254);
}

TEST_F(IniFileTest, WriteReturnsOneOrZero) {
    EXPECT_EQ(ini.PFIntWriteIniFile("CLIENT", "clinic_code", "0003"), 1);
    EXPECT_EQ(readBytes(path()), QByteArray("[CLIENT]\r\nclinic_code=0003\r\n"));
    EXPECT_EQ(ini.PFuStrReadIniFile("CLIENT", "clinic_code", "None"), "0003");
    ini.PoSetIniFilePath(dir.filePath("missing/folder/Orvanta.ini"));
    EXPECT_EQ(ini.PFIntWriteIniFile("CLIENT", "clinic_code", "0003"), 0);
}

} // namespace
