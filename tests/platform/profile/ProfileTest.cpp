#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "platform/profile/Profile.h"
#include "platform/text/Text.h"
#include "support/TestSupport.h"

using testsupport::readBytes;
using testsupport::writeBytes;

namespace {

class ProfileTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString path() const { return dir.filePath(QStringLiteral("Orvanta.ini")); }
    void writeText(const QString& s) { ASSERT_TRUE(writeBytes(path(), text::toCp932(s))); }
    QString read(const QString& sec, const QString& key, const QString& def = QStringLiteral("None")) {
        return profile::readString(path(), sec, key, def);
    }
};

TEST_F(ProfileTest, BlanksQuotesAndCaseOfNames) {
    writeText(QStringLiteral("[CLIENT]\r\nclinic_code =  \"0001\"  \r\n\tmdb_name\t=\t'Orvanta.mdb'\t\r\n"
                             "a = \"x'\r\nb = \"\"y\"\"\r\nc = \"\r\nd = a=b=c\r\n"));
    EXPECT_EQ(read("CLIENT", "clinic_code"), "0001");
    EXPECT_EQ(read("client", "CLINIC_CODE"), "0001");
    EXPECT_EQ(read("Client", "MDB_NAME"), "Orvanta.mdb");
    EXPECT_EQ(read("CLIENT", "a"), "\"x'");  // quotes that do not match stay
    EXPECT_EQ(read("CLIENT", "b"), "\"y\""); // only one pair is dropped
    EXPECT_EQ(read("CLIENT", "c"), "\"");    // a lone quote is no pair
    EXPECT_EQ(read("CLIENT", "d"), "a=b=c"); // split at the first '='
    // Case folding is ASCII only: a full-width letter is a different name.
    EXPECT_EQ(read(QStringLiteral("ＣＬＩＥＮＴ"), "clinic_code"), "None");
}

TEST_F(ProfileTest, MissingAndEmptyValues) {
    writeText(QStringLiteral("[CLIENT]\r\nImagePath=\r\nquoted=\"\"\r\n"));
    EXPECT_EQ(read("CLIENT", "ImagePath"), "");
    EXPECT_EQ(read("CLIENT", "quoted"), "");
    EXPECT_EQ(read("CLIENT", "Nothing"), "None");
    EXPECT_EQ(read("Other", "ImagePath"), "None");
    EXPECT_EQ(profile::readString(path(), "CLIENT", "Nothing", QString()), "");
    EXPECT_FALSE(profile::findValue(path(), "CLIENT", "Nothing").has_value());
    EXPECT_TRUE(profile::findValue(path(), "CLIENT", "ImagePath").has_value());

    const QString missing = dir.filePath("none.ini");
    EXPECT_EQ(profile::readString(missing, "CLIENT", "ImagePath", "None"), "None");
    // A folder is no settings file.
    EXPECT_EQ(profile::readString(dir.path(), "CLIENT", "ImagePath", "None"), "None");
}

TEST_F(ProfileTest, DecodesBeforeParsingAndTakesValuesLiterally) {
    QByteArray raw("[CLIENT]\r\nname=");
    raw += QByteArray("\x93\xFA\x96\x7B\x8C\xEA", 6);
    raw += "\r\npath=C:\\img\\new,a;b\r\n";
    // A section name whose second byte is ']' (ゾ is 83 5D) and one whose second byte is '['.
    raw += text::toCp932(QStringLiteral("[ゾーン]\r\nk=v1\r\n[ゼロ]\r\nk=v2\r\n"));
    ASSERT_TRUE(writeBytes(path(), raw));
    EXPECT_EQ(read("CLIENT", "name"), QStringLiteral("日本語"));
    EXPECT_EQ(read("CLIENT", "path"), QStringLiteral("C:\\img\\new,a;b"));
    EXPECT_EQ(read(QStringLiteral("ゾーン"), "k"), "v1");
    EXPECT_EQ(read(QStringLiteral("ゼロ"), "k"), "v2");
}

TEST_F(ProfileTest, LineEndsAndFirstMatchWins) {
    ASSERT_TRUE(writeBytes(
        path(), QByteArray("top=0\n[A]\rk=1\nk=2\r\n[B]\nk=3\n[a]\r\nk=4\r\nonly=5\r\n[C]\r\nx=9")));
    EXPECT_EQ(read("A", "k"), "1");
    EXPECT_EQ(read("B", "k"), "3");
    // Only the first section of a name counts.
    EXPECT_EQ(read("A", "only"), "None");
    // A key before any section belongs to none.
    EXPECT_EQ(read("", "top"), "None");
    // The last line needs no line end.
    EXPECT_EQ(read("C", "x"), "9");
}

TEST_F(ProfileTest, ValuesAreCutAt255BytesWithoutHalfCharacters) {
    writeText(QStringLiteral("[S]\r\nascii=") + QString(300, u'x') + QStringLiteral("\r\nkanji=") +
              QString(128, QChar(0x65E5)) + QStringLiteral("\r\nodd=a") + QString(128, QChar(0x65E5)) +
              QStringLiteral("\r\nexact=") + QString(255, u'y') + QStringLiteral("\r\n"));
    EXPECT_EQ(read("S", "ascii"), QString(255, u'x'));
    EXPECT_EQ(read("S", "kanji"), QString(127, QChar(0x65E5)));
    // "a" plus 127 kanji is exactly 255 bytes.
    EXPECT_EQ(read("S", "odd"), u'a' + QString(127, QChar(0x65E5)));
    EXPECT_EQ(read("S", "exact"), QString(255, u'y'));
    // The default passes through the same 256-byte buffer.
    EXPECT_EQ(read("S", "missing", QString(300, u'd')), QString(255, u'd'));
}

TEST_F(ProfileTest, WriterReplacesInPlaceAndKeepsEveryOtherByte) {
    QByteArray raw("; remark\n[CLIENT]\r\nclinic_code = 0001\r\n");
    raw += text::toCp932(QStringLiteral("name=表示ソフト\r")); // odd line ends and trail bytes '\'
    raw += "\r\n[Log]\r\nFileName=log\\a.log";
    ASSERT_TRUE(writeBytes(path(), raw));
    EXPECT_TRUE(profile::writeString(path(), "client", "CLINIC_CODE", QStringLiteral("0002")));
    QByteArray expected = raw;
    expected.replace("clinic_code = 0001", "clinic_code =0002");
    EXPECT_EQ(readBytes(path()), expected);
    EXPECT_EQ(read("CLIENT", "clinic_code"), "0002");
}

TEST_F(ProfileTest, WriterAddsKeyAtSectionEndAndSectionAtFileEnd) {
    const QByteArray raw("[A]\nx=1\n\n[B]\r\ny=2");
    ASSERT_TRUE(writeBytes(path(), raw));
    EXPECT_TRUE(profile::writeString(path(), "A", "z", QStringLiteral("漢字")));
    QByteArray expected =
        QByteArray("[A]\nx=1\n") + "z=" + text::toCp932(QStringLiteral("漢字")) + "\r\n" + "\n[B]\r\ny=2";
    EXPECT_EQ(readBytes(path()), expected);

    EXPECT_TRUE(profile::writeString(path(), "C", "w", "3"));
    expected.append("\r\n[C]\r\nw=3\r\n");
    EXPECT_EQ(readBytes(path()), expected);
    EXPECT_EQ(read("A", "z"), QStringLiteral("漢字"));
    EXPECT_EQ(read("B", "y"), "2");
    EXPECT_EQ(read("C", "w"), "3");

    // A section that holds only its header gets the key right after it.
    ASSERT_TRUE(writeBytes(path(), QByteArray("[E]\r\n[F]\r\n")));
    EXPECT_TRUE(profile::writeString(path(), "E", "k", "v"));
    EXPECT_EQ(readBytes(path()), QByteArray("[E]\r\nk=v\r\n[F]\r\n"));
}

TEST_F(ProfileTest, WriterNeverChangesWhatOtherKeysRead) {
    const QByteArray head =
        QByteArray("[A]\r\nx=1\r\n[B]\r\ny=2\r\nz=") + text::toCp932(QStringLiteral("値"));
    const struct Ending {
        const char* what;
        QByteArray file;
    } endings[] = {
        {"half a character, no line end", head + '\x82'},
        {"no line end", head},
        {"line end", head + "\r\n"},
        {"empty file", QByteArray()},
    };
    // A key replaced in the first section, one added to the last section, one in a new section.
    const struct Write { const char *section, *key; } writes[] = {{"A", "x"}, {"B", "n"}, {"C", "k"}};
    const struct Key {
        const char *section, *key;
    } keys[] = {{"A", "x"}, {"B", "y"}, {"B", "z"}, {"B", "n"}, {"C", "k"}};

    for (const Ending& e : endings) {
        for (const Write& w : writes) {
            SCOPED_TRACE(std::string(e.what) + " / " + w.section + " " + w.key);
            ASSERT_TRUE(writeBytes(path(), e.file));
            std::vector<std::optional<QString>> before;
            for (const Key& k : keys)
                before.push_back(profile::findValue(path(), k.section, k.key));
            ASSERT_TRUE(profile::writeString(path(), w.section, w.key, QStringLiteral("新")));
            for (size_t i = 0; i < std::size(keys); ++i) {
                const bool written = QString::fromLatin1(keys[i].section) == QLatin1String(w.section) &&
                                     QString::fromLatin1(keys[i].key) == QLatin1String(w.key);
                EXPECT_EQ(profile::findValue(path(), keys[i].section, keys[i].key),
                          written ? std::optional<QString>(QStringLiteral("新")) : before[i])
                    << keys[i].section << " " << keys[i].key;
            }
        }
    }
}

TEST_F(ProfileTest, WriterCreatesFileAndRefusesWhatWouldBreakIt) {
    EXPECT_TRUE(profile::writeString(path(), "Log", "MaxRecord", "10"));
    EXPECT_EQ(readBytes(path()), QByteArray("[Log]\r\nMaxRecord=10\r\n"));

    EXPECT_FALSE(profile::writeString(path(), "Log", "k", "a\r\nb"));
    EXPECT_FALSE(profile::writeString(path(), "L]og", "k", "v"));
    EXPECT_FALSE(profile::writeString(path(), "Log", "k=x", "v"));
    EXPECT_FALSE(profile::writeString(path(), "Log", "[k", "v"));
    EXPECT_FALSE(profile::writeString(path(), "Log", "  ", "v"));
    EXPECT_EQ(readBytes(path()), QByteArray("[Log]\r\nMaxRecord=10\r\n"));

    EXPECT_FALSE(profile::writeString(dir.filePath("no/such/folder.ini"), "A", "k", "v"));
    EXPECT_FALSE(profile::writeString(dir.path(), "A", "k", "v"));
}

} // namespace
