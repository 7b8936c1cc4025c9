// A program folder in a temporary directory: a keyed database, a log and a message file wired
// into the program's common services and settings values.
#pragma once
#include <sqlite3.h>

#include <QFile>
#include <QList>
#include <QPair>
#include <QString>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "app/shell/ShellGlobals.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/text/Text.h"
#include "support/TestSupport.h"

// One log line: procedure name and message.
using LogLine = QPair<QString, QString>;

class DbServicesFixture : public ::testing::Test {
protected:
    static inline const QByteArray kPassword = QByteArray("pa'ss;w=rd7");

    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        QString file = QStringLiteral("[000] 共通\r\n");
        for (int n = 801; n <= 807; ++n)
            file +=
                QString::number(n) + QStringLiteral(" 失敗") + QString::number(n) + QStringLiteral("\r\n");
        file += QStringLiteral("[001] 次\r\n");
        ASSERT_TRUE(testsupport::writeBytes(path(QStringLiteral("msg.txt")), text::toCp932(file)));

        saved = {gStrAppPath, gStrMdbName, gStrDbPassword, gStrConString, gStrOptimize};
        gStrAppPath = dir.path() + QLatin1Char('/');
        gStrMdbName = QStringLiteral("Orvanta.mdb");
        gStrDbPassword = kPassword;
        gStrConString = QStringLiteral("Provider=SQLCipher");
        gStrOptimize = QStringLiteral("F");

        gObjMessage = std::make_unique<clsMessage>();
        gObjMessage->PoSetDirPath(path(QStringLiteral("msg.txt")));
        gObjLogging = std::make_unique<clsLogging>();
        gObjLogging->PoSetLogFilePath(path(QStringLiteral("test.log")));
        msgbox::clearShown();
        msgbox::clearAnswers();
    }

    void TearDown() override {
        gObjLogging.reset();
        gObjMessage.reset();
        msgbox::clearShown();
        gStrAppPath = saved.appPath;
        gStrMdbName = saved.mdbName;
        gStrDbPassword = saved.password;
        gStrConString = saved.conString;
        gStrOptimize = saved.optimize;
    }

    QString path(const QString& relative) const { return dir.filePath(relative); }
    QString dbPath() const { return path(gStrMdbName); }

    // Creates the database file with the password and runs script on it.
    void createDb(const char* script, const QString& file = QString(), const QByteArray& key = kPassword) {
        const QString p = file.isEmpty() ? dbPath() : file;
        sqlite3* db = nullptr;
        ASSERT_EQ(
            sqlite3_open_v2(p.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr),
            SQLITE_OK);
        ASSERT_EQ(sqlite3_key(db, key.constData(), static_cast<int>(key.size())), SQLITE_OK);
        char* err = nullptr;
        const int rc = sqlite3_exec(db, script, nullptr, nullptr, &err);
        const std::string msg = err ? err : "";
        sqlite3_free(err);
        sqlite3_close(db);
        ASSERT_EQ(rc, SQLITE_OK) << msg;
    }

    // Every line written to the log so far, oldest first (the tests never wrap the ring).
    QList<LogLine> logLines() const {
        const QByteArray bytes = testsupport::readBytes(path(QStringLiteral("test.log")));
        QList<LogLine> lines;
        if (bytes.size() < 1000)
            return lines;
        const int next = text::fromCp932(bytes.left(998)).trimmed().toInt();
        for (int rec = 2; rec < next && rec * 1000 <= bytes.size(); ++rec) {
            QString line = text::fromCp932(bytes.mid((rec - 1) * 1000, 998));
            while (line.endsWith(u' '))
                line.chop(1);
            // "nnnnn|yyyy/mm/dd hh:mm:ss proc msg"
            const QString rest = line.mid(line.indexOf(u'|') + 1 + 20);
            const qsizetype blank = rest.indexOf(u' ');
            lines.append({rest.left(blank), blank < 0 ? QString() : rest.mid(blank + 1)});
        }
        return lines;
    }

    // The demo database's password, unscrambled from the settings file laid beside the program.
    static QByteArray demoPassword() {
        const QByteArray ini = testsupport::readBytes(QStringLiteral(ORVANTA_BIN_DIR "/Orvanta.ini"));
        const qsizetype at = ini.indexOf("\npasswd=");
        if (at < 0)
            return QByteArray();
        const qsizetype start = at + 8;
        const QByteArray scrambled = QByteArray::fromHex(ini.mid(start, ini.indexOf('\r', start) - start));
        const QByteArray key("qzt5086");
        QByteArray password;
        for (qsizetype i = 0; i < scrambled.size(); ++i)
            password.append(static_cast<char>(scrambled[i] ^ key[i % key.size()]));
        return password;
    }

    // Copies the demo database into the temporary program folder under mdb_name.
    void useDemoDatabase() {
        QFile::remove(dbPath());
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANTA_BIN_DIR "/Orvanta.mdb"), dbPath()))
            << "build the program folder first";
        QFile(dbPath()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        gStrDbPassword = demoPassword();
    }

    // The whole log file as text, for checks that something never appears in it.
    QString logText() const {
        return text::fromCp932(testsupport::readBytes(path(QStringLiteral("test.log"))));
    }

    QTemporaryDir dir;

private:
    struct Saved {
        QString appPath, mdbName;
        QByteArray password;
        QString conString, optimize;
    } saved;
};
