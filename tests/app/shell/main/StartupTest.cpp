// The start-up procedure driven on prepared program folders: every failure's message, log lines
// and end state, and a clean start up to the login form.
#include <QFileInfo>
#include <QLockFile>

#include "StartupFixture.h"
#include "platform/error/VbError.h"

using progfolder::Ini;

namespace {
const QString kCritical = QStringLiteral("Orvanta");
constexpr int kOkStop = int(msgbox::MB_OK) | int(msgbox::MB_ICONSTOP);

QStringList entries(const QString& dir) {
    return QDir(dir).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
}
} // namespace

// ---- settings file and message file --------------------------------------------------------

TEST_F(StartupFixture, NoSettingsFileShows810FromTheWorkingDirectoryAndWritesNoLog) {
    f.writeCwdMessages();

    EXPECT_FALSE(MdlMain::Main(f.prog()));

    ASSERT_EQ(msgbox::shown().size(), 1);
    EXPECT_EQ(msgbox::shown()[0].text, QStringLiteral("cwd:000-810"));
    EXPECT_EQ(msgbox::shown()[0].caption, kCritical);
    EXPECT_EQ(msgbox::shown()[0].style, kOkStop);
    EXPECT_TRUE(servicesReleased());
    EXPECT_TRUE(entries(f.prog()).isEmpty());
    EXPECT_EQ(entries(f.cwd()), QStringList{QStringLiteral("clsMessage.txt")});
    EXPECT_EQ(FrmMKarte01_001::loaded(), nullptr);
}

TEST_F(StartupFixture, NoSettingsFileAndNoWorkingMessageFileShowsOnlyTheMissingFileBox) {
    EXPECT_FALSE(MdlMain::Main(f.prog()));

    ASSERT_EQ(msgbox::shown().size(), 1);
    EXPECT_EQ(msgbox::shown()[0].text,
              QStringLiteral("./clsMessage.txtが存在しない\r\nPFuDispMessageでエラー"));
    EXPECT_TRUE(servicesReleased());
    EXPECT_TRUE(entries(f.prog()).isEmpty());
    EXPECT_TRUE(entries(f.cwd()).isEmpty());
}

TEST_F(StartupFixture, ProgramFolderAtTheRootKeepsASingleSeparator) {
    f.writeCwdMessages();
    EXPECT_FALSE(MdlMain::Main(QStringLiteral("/")));
    EXPECT_EQ(gStrAppPath, QStringLiteral("/"));
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("cwd:000-810")});
}

TEST_F(StartupFixture, MissingMessageFileNameShows811FromTheWorkingDirectory) {
    f.writeCwdMessages();
    f.writeMessages();
    f.writeIni(Ini::complete().remove("MESSAGE", "FileName"));

    EXPECT_FALSE(MdlMain::Main(f.prog()));
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("cwd:000-811")});
    EXPECT_FALSE(QFileInfo::exists(f.prog() + "/log"));
    EXPECT_TRUE(servicesReleased());
}

TEST_F(StartupFixture, MissingLogFileNameShows811FromTheProgramsMessageFile) {
    f.writeCwdMessages();
    f.writeMessages();
    f.writeIni(Ini::complete().remove("Log", "FileName"));

    EXPECT_FALSE(MdlMain::Main(f.prog()));
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("000-811")});
    EXPECT_FALSE(QFileInfo::exists(f.prog() + "/log"));
}

TEST_F(StartupFixture, MessageFileNameWithBackslashesIsFound) {
    ASSERT_EQ(f.makeComplete(), QString());
    f.writeIni(
        Ini::complete().set("MESSAGE", "FileName", "message\\OrvantaMessage.txt").remove("Log", "MaxRecord"));

    EXPECT_FALSE(MdlMain::Main(f.prog()));
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("000-811")});
}

TEST_F(StartupFixture, SettingsWithOnlyMessageAndLogLogEveryKeyInOrderThen811) {
    f.writeMessages();
    f.writeIni(Ini::messageAndLogOnly());

    EXPECT_FALSE(MdlMain::Main(f.prog()));

    const QString p = QStringLiteral("Sub Main-PFuGetIniData ");
    const QStringList expected = {
        QStringLiteral("○カルテ開始処理 開始"), p + "[CLIENT] clinic_codeの取得に失敗",
        p + "[CLIENT] ConStringの取得に失敗",   p + "[CLIENT] passwdの取得に失敗",
        p + "[CLIENT] mdb_nameの取得に失敗",    p + "[CLIENT] Optimizeの取得に失敗",
        p + "[CLIENT] CompactConの取得に失敗",  p + "[CLIENT] ImagePathの取得に失敗",
        p + "[CLIENT] Eisei_MMの取得に失敗",    p + "[CLIENT] Eisei_Chk_MMの取得に失敗",
        p + "[Printer] Dialogの取得に失敗",     p + "[Printer] PrintPreviewの取得に失敗",
        p + "[DEBUG] MainBtnの取得に失敗",      p + "[SeimituPrint] Kizamiの取得に失敗",
    };
    EXPECT_EQ(progfolder::logLines(f.log()), expected);
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("000-811")});
    EXPECT_TRUE(servicesReleased());
    EXPECT_TRUE(progress.empty());
}

TEST_F(StartupFixture, ShortPasswordIsLoggedAndEnds811) {
    ASSERT_EQ(f.makeComplete(), QString());
    f.writeIni(Ini::complete().set("CLIENT", "passwd", "151F1A4151540"));

    EXPECT_FALSE(MdlMain::Main(f.prog()));
    EXPECT_EQ(progfolder::logLines(f.log()),
              (QStringList{
                  QStringLiteral("○カルテ開始処理 開始"),
                  QStringLiteral("Sub Main-PFuGetIniData [CLIENT] passwdの取得に失敗(パスワードの長さ)")}));
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("000-811")});
}

// ---- the log -------------------------------------------------------------------------------

TEST_F(StartupFixture, LogFileNameWithSubfoldersCreatesEveryLevelBeforeTheFirstLine) {
    ASSERT_EQ(f.makeComplete(), QString());
    f.writeIni(Ini::complete().set("Log", "FileName", "logs\\a/b.log"));

    EXPECT_TRUE(MdlMain::Main(f.prog()));

    const QString log = f.prog() + "/logs/a/b.log";
    ASSERT_TRUE(QFileInfo(log).isFile());
    EXPECT_EQ(progfolder::logRecord(log, 1), QStringLiteral("00004")); // start line and compaction line
    const QString first = progfolder::logRecord(log, 2);
    EXPECT_TRUE(first.startsWith(QStringLiteral("00002|"))) << first.toStdString();
    EXPECT_TRUE(first.endsWith(QStringLiteral(" ○カルテ開始処理 開始"))) << first.toStdString();
    EXPECT_EQ(QFileInfo(log).size(), 3000);
}

TEST_F(StartupFixture, EmptyMaxRecordKeepsAThousandRecordsAndStartsUp) {
    ASSERT_EQ(f.makeComplete(), QString());
    f.writeIni(Ini::complete().set("Log", "MaxRecord", ""));

    EXPECT_TRUE(MdlMain::Main(f.prog()));
    ASSERT_TRUE(gObjLogging);
    EXPECT_EQ(gObjLogging->maxRecord(), 1000);
    EXPECT_TRUE(boxTexts().isEmpty());
}

TEST_F(StartupFixture, AbsentMaxRecordShows811BeforeAnyLogLine) {
    ASSERT_EQ(f.makeComplete(), QString());
    f.writeIni(Ini::complete().remove("Log", "MaxRecord"));

    EXPECT_FALSE(MdlMain::Main(f.prog()));
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("000-811")});
    EXPECT_FALSE(QFileInfo::exists(f.log()));
}

TEST_F(StartupFixture, LogFolderThatCannotBeMadeShows812) {
    ASSERT_EQ(f.makeComplete(), QString());
    // A regular file stands where the log folder has to go.
    ASSERT_TRUE(testsupport::writeBytes(f.prog() + "/log", "not a folder"));

    EXPECT_FALSE(MdlMain::Main(f.prog()));

    // The folder routine reports first; its two log lines cannot reach the log (whose folder is
    // the one missing), and the log says so; then the start-up's own 812.
    const QStringList boxes = boxTexts();
    ASSERT_EQ(boxes.size(), 4);
    EXPECT_TRUE(boxes[0].startsWith(QStringLiteral("000-812\r\n"))) << boxes[0].toStdString();
    EXPECT_EQ(boxes[1], QStringLiteral("ログファイルの出力に失敗しました。"));
    EXPECT_EQ(boxes[2], QStringLiteral("ログファイルの出力に失敗しました。"));
    EXPECT_EQ(boxes[3], QStringLiteral("000-812"));
    EXPECT_TRUE(QFileInfo(f.prog() + "/log").isFile());
    EXPECT_TRUE(servicesReleased());
    EXPECT_TRUE(progress.empty());
}

// ---- database ------------------------------------------------------------------------------

TEST_F(StartupFixture, WrongDatabasePasswordShows801Then808AndLeavesTheFileUntouched) {
    ASSERT_EQ(f.makeComplete(), QString());
    f.writeIni(Ini::complete().set("CLIENT", "passwd", progfolder::scramble("wrong-password")));
    const QByteArray before = testsupport::readBytes(f.db());

    EXPECT_FALSE(MdlMain::Main(f.prog()));

    const QStringList boxes = boxTexts();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[0].startsWith(QStringLiteral("000-801\r\n"))) << boxes[0].toStdString();
    EXPECT_TRUE(boxes[0].contains(QStringLiteral("file is encrypted or is not a database")));
    EXPECT_EQ(boxes[1], QStringLiteral("000-808"));
    EXPECT_EQ(progfolder::logLines(f.log()).last(),
              QStringLiteral("Sub Main 自医院情報チェックの取得に失敗"));
    EXPECT_FALSE(progfolder::logLines(f.log()).join('\n').contains(QStringLiteral("wrong-password")));
    EXPECT_EQ(testsupport::readBytes(f.db()), before);
    EXPECT_EQ(progress, (std::vector<long>{1, 3}));
    EXPECT_EQ(FrmMKarte99_002::loaded(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(StartupFixture, MissingDatabaseShows801Then808AndIsNotCreated) {
    f.writeIni(Ini::complete());
    f.writeMessages();

    EXPECT_FALSE(MdlMain::Main(f.prog()));
    const QStringList boxes = boxTexts();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[0].startsWith(QStringLiteral("000-801")));
    EXPECT_EQ(boxes[1], QStringLiteral("000-808"));
    EXPECT_FALSE(QFileInfo::exists(f.db()));
}

TEST_F(StartupFixture, ClinicRowWithNullNameGivesAnEmptyName) {
    f.writeIni(Ini::complete());
    f.writeMessages();
    ASSERT_EQ(f.makeDb(progfolder::clinicRow("C01", "NULL") + progfolder::printRows(192)), QString());

    EXPECT_TRUE(MdlMain::Main(f.prog()));
    EXPECT_EQ(gClinicInfo.clinic_code, QStringLiteral("C01"));
    EXPECT_EQ(gClinicInfo.clinic_name, QString());
    EXPECT_EQ(gClinicInfo.establishment_name, QStringLiteral("医療法人 テスト会"));
    EXPECT_EQ(gClinicInfo.map_link, QString()); // Null in the row
    EXPECT_EQ(gClinicInfo.ent_date_time, QStringLiteral("2003/04/01-09:00:00"));
    EXPECT_EQ(gClinicInfo.ent_staff_code, QStringLiteral("0001"));
    EXPECT_EQ(gClinicInfo.upd_staff_code, QString());
}

TEST_F(StartupFixture, ClinicRowWithNullEntryDateEndsIn808) {
    f.writeIni(Ini::complete());
    f.writeMessages();
    ASSERT_EQ(f.makeDb(progfolder::clinicRow("C01", "'医院'", "NULL") + progfolder::printRows(192)),
              QString());

    EXPECT_FALSE(MdlMain::Main(f.prog()));
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("000-808")});
    EXPECT_EQ(progfolder::logLines(f.log()).last(),
              QStringLiteral("Sub Main 自医院情報チェックの取得に失敗"));
    EXPECT_EQ(gClinicInfo.clinic_code, QString()); // nothing half-copied
}

TEST_F(StartupFixture, NoClinicRowEndsIn808) {
    f.writeIni(Ini::complete());
    f.writeMessages();
    ASSERT_EQ(f.makeDb(progfolder::clinicRow("C02") + progfolder::printRows(192)), QString());

    EXPECT_FALSE(MdlMain::Main(f.prog()));
    EXPECT_EQ(progfolder::logLines(f.log()).last(),
              QStringLiteral("Sub Main mdbファイルに医院情報を登録していない可能性あり(m_clinic)"));
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("000-808")});
}

TEST_F(StartupFixture, TwoClinicRowsEndIn808) {
    f.writeIni(Ini::complete());
    f.writeMessages();
    // A clinic table without its key, as a damaged database might have it.
    const QString loose = QStringLiteral(
        "DROP TABLE m_clinic;\n"
        "CREATE TABLE m_clinic (clinic_code TEXT, clinic_name TEXT, zip TEXT, address TEXT, tel_no TEXT, "
        "fax_no TEXT, clinic_s_name TEXT, prefecture TEXT, establishment_name TEXT, map_link TEXT, "
        "notif_prosthetic TEXT, notif_first TEXT, notif_p_total TEXT, ent_date_time TEXT, "
        "ent_staff_class_code TEXT, ent_staff_code TEXT, upd_date_time TEXT, upd_staff_class_code TEXT, "
        "upd_staff_code TEXT);\n");
    ASSERT_EQ(f.makeDb(loose + progfolder::clinicRow("C01") + progfolder::clinicRow("C01") +
                       progfolder::printRows(192)),
              QString());

    EXPECT_FALSE(MdlMain::Main(f.prog()));
    const QStringList lines = progfolder::logLines(f.log());
    // The rows were read and closed without error: one line, no error exit.
    EXPECT_EQ(lines.last(), QStringLiteral("Sub Main ありえない。レコード取得件数：2"));
    EXPECT_FALSE(lines.contains(QStringLiteral("Sub Main 自医院情報チェックの取得に失敗")));
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("000-808")});
}

TEST_F(StartupFixture, ClinicCodeWithAQuoteStillFindsItsRow) {
    f.writeIni(Ini::complete().set("CLIENT", "clinic_code", "O'Neil"));
    f.writeMessages();
    ASSERT_EQ(f.makeDb(progfolder::clinicRow("O'Neil") + progfolder::printRows(192)), QString());

    EXPECT_TRUE(MdlMain::Main(f.prog()));
    EXPECT_EQ(gClinicInfo.clinic_code, QStringLiteral("O'Neil"));
    EXPECT_TRUE(boxTexts().isEmpty());
}

// ---- print points --------------------------------------------------------------------------

struct PrintCase {
    int rows;
    QStringList tail; // the last log lines
};

class PrintPointsTest : public StartupFixture, public ::testing::WithParamInterface<PrintCase> {};

TEST_P(PrintPointsTest, AnythingButExactly192RowsEndsIn816) {
    f.writeIni(Ini::complete());
    f.writeMessages();
    ASSERT_EQ(f.makeDb(progfolder::clinicRow("C01") + progfolder::printRows(GetParam().rows)), QString());

    EXPECT_FALSE(MdlMain::Main(f.prog()));

    EXPECT_EQ(progfolder::logLines(f.log()),
              QStringList({QStringLiteral("○カルテ開始処理 開始"), progfolder::kNoCompaction}) +
                  GetParam().tail);
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("000-816")});
    // The wait window is gone and the pointer is the arrow by the time the box shows.
    EXPECT_EQ(progress, (std::vector<long>{1, 3}));
    EXPECT_EQ(FrmMKarte99_002::loaded(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_TRUE(servicesReleased());
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PrintPointsTest,
    ::testing::Values(
        PrintCase{0,
                  {QStringLiteral(
                       "Sub Main mdbファイルに歯周精密検査印刷情報を登録していない可能性あり(m_printinfo)"),
                   QStringLiteral("Sub Main 歯周精密検査印刷情報の取得に失敗")}},
        PrintCase{191,
                  {QStringLiteral("Sub Main mdbファイルに歯周精密検査印刷情報が足りません(m_printinfo)"),
                   QStringLiteral("Sub Main 歯周精密検査印刷情報の取得に失敗")}},
        PrintCase{193, {QStringLiteral("Sub Main 歯周精密検査印刷情報の取得に失敗")}}),
    [](const ::testing::TestParamInfo<PrintCase>& info) { return "rows" + std::to_string(info.param.rows); });

// ---- folders and compaction ----------------------------------------------------------------

TEST_F(StartupFixture, ImageFolderThatCannotBeMadeShows812AndStopsThere) {
    ASSERT_EQ(f.makeComplete(), QString());
    ASSERT_TRUE(testsupport::writeBytes(f.prog() + "/Image/map", "in the way"));

    EXPECT_FALSE(MdlMain::Main(f.prog()));

    const QStringList boxes = boxTexts();
    ASSERT_EQ(boxes.size(), 2);
    EXPECT_TRUE(boxes[0].startsWith(QStringLiteral("000-812\r\n")));
    EXPECT_EQ(boxes[1], QStringLiteral("000-812"));
    EXPECT_EQ(progfolder::logLines(f.log()).last(),
              QStringLiteral("Sub Main フォルダ作成エラー ") + f.prog() + QStringLiteral("/Image/map"));
    EXPECT_TRUE(QFileInfo(f.prog() + "/Image/staff").isDir());
    EXPECT_FALSE(QFileInfo::exists(f.prog() + "/Image/temp"));
    EXPECT_EQ(progress, (std::vector<long>{1}));
    EXPECT_EQ(FrmMKarte99_002::loaded(), nullptr);
}

TEST_F(StartupFixture, OptimizeTCompactsAndStartsUp) {
    ASSERT_EQ(f.makeComplete(), QString());
    f.writeIni(Ini::complete().set("CLIENT", "Optimize", "T"));

    EXPECT_TRUE(MdlMain::Main(f.prog()));
    EXPECT_TRUE(QFileInfo(f.db() + ".bak").isFile());
    EXPECT_EQ(gClinicInfo.clinic_code, QStringLiteral("C01"));
}

TEST_F(StartupFixture, CompactionThatFailsShows815) {
    ASSERT_EQ(f.makeComplete(), QString());
    f.writeIni(Ini::complete().set("CLIENT", "Optimize", "T"));
    // A folder where the backup copy has to go makes the backup step fail.
    ASSERT_TRUE(QDir(f.prog()).mkpath("Orvanta.mdb.bak/inside"));

    EXPECT_FALSE(MdlMain::Main(f.prog()));
    EXPECT_EQ(boxTexts(), QStringList{QStringLiteral("000-815")});
    EXPECT_TRUE(progress.empty());
    EXPECT_TRUE(servicesReleased());
}

// ---- the clean start -----------------------------------------------------------------------

TEST_F(StartupFixture, CleanStartShowsTheLoginFormAfterTheFourProgressSteps) {
    ASSERT_EQ(f.makeComplete(), QString());

    EXPECT_TRUE(MdlMain::Main(f.prog()));

    EXPECT_EQ(progress, (std::vector<long>{1, 3, 6, 10}));
    EXPECT_EQ(FrmMKarte99_002::loaded(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    ASSERT_NE(FrmMKarte01_001::loaded(), nullptr);
    EXPECT_TRUE(FrmMKarte01_001::loaded()->isVisible());
    EXPECT_TRUE(boxTexts().isEmpty());

    EXPECT_EQ(gStrAppPath, f.prog() + "/");
    EXPECT_EQ(gStrDbPassword, QByteArray("dental1"));
    EXPECT_EQ(gStrImagePath, f.prog() + "/Image");
    for (const char* sub : {"staff", "map", "temp"})
        EXPECT_TRUE(QFileInfo(f.prog() + "/Image/" + sub).isDir()) << sub;
    EXPECT_EQ(gClinicInfo.clinic_name, QStringLiteral("テスト歯科医院"));
    EXPECT_DOUBLE_EQ(gDblPocketBaseX[0], 0.0);
    EXPECT_DOUBLE_EQ(gDblPocketBaseX[1], 1.5);
    EXPECT_DOUBLE_EQ(gDblPocketBaseY[1], 2.25);
    EXPECT_DOUBLE_EQ(gDblPocketBaseX[192], 288.0);
    EXPECT_DOUBLE_EQ(gDblPocketBaseY[192], 432.0);
    EXPECT_EQ(progfolder::logLines(f.log()),
              (QStringList{QStringLiteral("○カルテ開始処理 開始"), progfolder::kNoCompaction}));
    EXPECT_FALSE(QFileInfo::exists(f.db() + ".bak")); // Optimize F: no compaction
}

// ---- an unexpected error -------------------------------------------------------------------

struct ErrorCase {
    int step;
    std::vector<long> progress; // the values shown before the error
    bool waitOpen;              // whether the wait window was up when it came
    int logLines;               // lines in the log by then
};
void PrintTo(const ErrorCase& c, std::ostream* os) {
    *os << "error at step " << c.step;
}

class UnexpectedErrorTest : public StartupFixture, public ::testing::WithParamInterface<ErrorCase> {
protected:
    void TearDown() override {
        MdlMain::setStepProbe({});
        StartupFixture::TearDown();
    }
};

TEST_P(UnexpectedErrorTest, ClosesTheWaitWindowShows900WithTheDescriptionAndReleases) {
    ASSERT_EQ(f.makeComplete(), QString());
    const ErrorCase c = GetParam();
    bool waitOpen = false;
    MdlMain::setStepProbe([&](int step) {
        if (step != c.step)
            return;
        waitOpen = FrmMKarte99_002::loaded() != nullptr;
        throw VbError(5, QStringLiteral("MdlMain"), QStringLiteral("予期しない <エラー>"));
    });

    EXPECT_FALSE(MdlMain::Main(f.prog()));

    EXPECT_EQ(waitOpen, c.waitOpen);
    ASSERT_EQ(msgbox::shown().size(), 1);
    EXPECT_EQ(msgbox::shown()[0].text, QStringLiteral("000-900\r\n予期しない <エラー>"));
    EXPECT_EQ(msgbox::shown()[0].caption, kCritical);
    EXPECT_EQ(msgbox::shown()[0].style, kOkStop);
    EXPECT_EQ(progress, c.progress);
    EXPECT_EQ(FrmMKarte99_002::loaded(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(FrmMKarte01_001::loaded(), nullptr);
    EXPECT_TRUE(servicesReleased());
    EXPECT_EQ(progfolder::logLines(f.log()).size(), c.logLines);
}

INSTANTIATE_TEST_SUITE_P(Steps, UnexpectedErrorTest,
                         ::testing::Values(ErrorCase{18, {}, false, 1}, ErrorCase{21, {1}, true, 2},
                                           ErrorCase{23, {1, 3}, true, 2}, ErrorCase{25, {1, 3}, true, 2},
                                           ErrorCase{27, {1, 3, 6, 10}, false, 2}),
                         [](const ::testing::TestParamInfo<ErrorCase>& info) {
                             return "step" + std::to_string(info.param.step);
                         });

// ---- second copy ---------------------------------------------------------------------------

TEST_F(StartupFixture, SecondCopyIsRefusedBeforeTouchingAnything) {
    ASSERT_EQ(f.makeComplete(), QString());
    QLockFile running(MdlMain::instanceLockPath());
    running.setStaleLockTime(0);
    ASSERT_TRUE(running.tryLock(0));

    EXPECT_FALSE(MdlMain::Main(f.prog()));

    ASSERT_EQ(msgbox::shown().size(), 1);
    EXPECT_EQ(msgbox::shown()[0].text, QStringLiteral("「Mirelda」は既に起動中です。"));
    EXPECT_EQ(msgbox::shown()[0].caption, QStringLiteral("Orvanta"));
    EXPECT_EQ(msgbox::shown()[0].style, msgbox::MB_OK);
    EXPECT_TRUE(servicesReleased());
    EXPECT_TRUE(gStrAppPath.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(f.log()));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(StartupFixture, TheFirstCopyHoldsTheLockForTheNextOne) {
    ASSERT_EQ(f.makeComplete(), QString());
    ASSERT_TRUE(MdlMain::Main(f.prog()));

    QLockFile other(MdlMain::instanceLockPath());
    other.setStaleLockTime(0);
    EXPECT_FALSE(other.tryLock(0));
}

TEST_F(StartupFixture, ALockThatCannotBeMadeLetsTheProgramStart) {
    ASSERT_EQ(f.makeComplete(), QString());
    MdlMain::setInstanceLockPath(f.root() + "/no/such/folder/orvanta.lock");

    EXPECT_TRUE(MdlMain::Main(f.prog()));
    EXPECT_TRUE(boxTexts().isEmpty());
}

// ---- release -------------------------------------------------------------------------------

TEST_F(StartupFixture, ReleaseDropsTheServicesAndThePrintDialogWithoutClosingIt) {
    gObjIniFile = std::make_unique<clsIniFile>();
    gObjLogging = std::make_unique<clsLogging>();
    gObjMessage = std::make_unique<clsMessage>();
    QWidget dialog;
    dialog.show();
    gFrmPrintDlg = &dialog;

    MdlMain::PSuCommObjRelease();

    EXPECT_TRUE(servicesReleased());
    EXPECT_TRUE(gFrmPrintDlg.isNull());
    EXPECT_TRUE(dialog.isVisible());
    // Released services make the safe calls do nothing.
    EXPECT_FALSE(PFuBolPutLog("x", "y"));
    EXPECT_EQ(PFuDispMessage("000", "900", EnMsgDispButton::O, EnMsgDispIcon::Manual), 0);
    EXPECT_TRUE(msgbox::shown().isEmpty());
    MdlMain::PSuCommObjRelease(); // twice is harmless
}
