// A program folder in a temporary directory: a keyed database, a log and a message file wired
// into the program's common services and settings values (header only, like its base).
#pragma once
#include <QFile>

#include "app/shell/MdlIniData.h"
#include "platform/profile/Profile.h"
#include "support/AppServicesFixture.h"
#include "support/KeyedDb.h"

class DbServicesFixture : public AppServicesFixture {
protected:
    static inline const QByteArray kPassword = QByteArray("pa'ss;w=rd7");

    // Messages 801 to 807 read "失敗801" and so on.
    DbServicesFixture() : AppServicesFixture(failureMessages()) {}

    void SetUp() override {
        AppServicesFixture::SetUp();
        saved = {gStrAppPath, gStrMdbName, gStrDbPassword, gStrConString, gStrOptimize};
        gStrAppPath = dir.path() + QLatin1Char('/');
        gStrMdbName = QStringLiteral("Orvanta.mdb");
        gStrDbPassword = kPassword;
        gStrConString = QStringLiteral("Provider=SQLCipher");
        gStrOptimize = QStringLiteral("F");
    }

    void TearDown() override {
        AppServicesFixture::TearDown();
        gStrAppPath = saved.appPath;
        gStrMdbName = saved.mdbName;
        gStrDbPassword = saved.password;
        gStrConString = saved.conString;
        gStrOptimize = saved.optimize;
    }

    QString dbPath() const { return path(gStrMdbName); }

    // Creates the database file with the password and runs script on it.
    void createDb(const char* script, const QString& file = QString(), const QByteArray& key = kPassword) {
        const QString error =
            testsupport::runKeyedSql(file.isEmpty() ? dbPath() : file, key, QString::fromUtf8(script));
        ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    }

    // The demo database's password: the settings file laid beside the program, decoded the
    // program's way.
    static QByteArray demoPassword() {
        return MdlIniData::FuStrPassDecode(profile::readString(QStringLiteral(ORVANTA_BIN_DIR "/Orvanta.ini"),
                                                               QStringLiteral("CLIENT"),
                                                               QStringLiteral("passwd"), QString()));
    }

    // Copies the demo database into the temporary program folder under mdb_name.
    void useDemoDatabase() {
        QFile::remove(dbPath());
        ASSERT_TRUE(QFile::copy(QStringLiteral(ORVANTA_BIN_DIR "/Orvanta.mdb"), dbPath()))
            << "build the program folder first";
        QFile(dbPath()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        gStrDbPassword = demoPassword();
    }

private:
    static QList<QPair<QString, QString>> failureMessages() {
        QList<QPair<QString, QString>> m;
        for (int n = 801; n <= 807; ++n)
            m.append({QString::number(n), QStringLiteral("失敗") + QString::number(n)});
        return m;
    }

    struct Saved {
        QString appPath, mdbName;
        QByteArray password;
        QString conString, optimize;
    } saved;
};
