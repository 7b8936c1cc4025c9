#include "app/shell/MdlMain.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <algorithm>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>
#include <vector>

#include "app/shell/FrmMKarte01_001.h"
#include "app/shell/FrmMKarte99_002.h"
#include "app/shell/MdlCommInterface.h"
#include "app/shell/MdlCommInterfaceCompact.h"
#include "app/shell/MdlIniData.h"
#include "app/shell/MdlStartData.h"
#include "app/shell/ShellGlobals.h"
#include "platform/error/VbError.h"
#include "platform/lock/LockFile.h"
#include "platform/msgbox/MsgBox.h"
#include "platform/text/Text.h"

namespace MdlMain {

namespace {

// ---- instance lock -------------------------------------------------------------------------
QString& lockPathOverride() {
    static QString p;
    return p;
}
std::unique_ptr<lockfile::LockFile>& heldLock() {
    static std::unique_ptr<lockfile::LockFile> l;
    return l;
}

QString programName() {
    const QString name = QCoreApplication::applicationName();
    return name.isEmpty() ? QStringLiteral("orvanta") : name;
}

// A folder that only this user owns and can write into: no other account can leave a file there that
// locks this user out, or take the lock away.
bool isPrivateFolder(const QString& path) {
    struct stat st {};
    return ::stat(QFile::encodeName(path).constData(), &st) == 0 && S_ISDIR(st.st_mode) &&
           st.st_uid == ::getuid() && (st.st_mode & (S_IWGRP | S_IWOTH)) == 0;
}

// The user's runtime folder when it is private, else a folder of the program's under the user's home;
// empty when neither can be had.
QString instanceLockFolder() {
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && isPrivateFolder(runtime))
        return runtime;
    const QString own = QDir::homePath() + QStringLiteral("/.local/state/") + programName();
    if (QDir().mkpath(own))
        ::chmod(QFile::encodeName(own).constData(), 0700);
    return isPrivateFolder(own) ? own : QString();
}

// The release routines of the screen folders, run in the order they were first registered.
std::vector<std::pair<QString, std::function<void()>>>& releaseRoutines() {
    static std::vector<std::pair<QString, std::function<void()>>> r;
    return r;
}

std::function<void(int)>& stepProbe() {
    static std::function<void(int)> p;
    return p;
}

// Marks the beginning of start-up step n for a probe set by a test.
void atStep(int n) {
    if (auto& p = stepProbe())
        p(n);
}

// Start-up failure n: the wait window goes first (so the pointer is the arrow again), then the
// message, then the services are released.
bool failStartup(const QString& number, const QString& added = QString()) {
    FrmMKarte99_002::unload();
    PFuDispMessage(QStringLiteral("000"), number, EnMsgDispButton::O, EnMsgDispIcon::Manual, added);
    PSuCommObjRelease();
    return false;
}

QString appFolder(const QString& dir) {
    QString p = text::localPath(dir);
    if (!p.endsWith(QLatin1Char('/')))
        p += QLatin1Char('/');
    return p;
}

// The folder part of a path: everything before its last separator.
QString folderOf(const QString& path) {
    const qsizetype i = path.lastIndexOf(QLatin1Char('/'));
    return i < 0 ? QString() : path.left(i);
}

} // namespace

// ---- instance lock -------------------------------------------------------------------------

void setInstanceLockPath(const QString& path) {
    lockPathOverride() = path;
}

QString instanceLockPath() {
    if (!lockPathOverride().isEmpty())
        return lockPathOverride();
    const QString folder = instanceLockFolder();
    return folder.isEmpty() ? QString() : folder + u'/' + programName() + QStringLiteral(".lock");
}

void releaseInstanceLock() {
    heldLock().reset();
}

bool FuBolPrevInstance() {
    const QString path = instanceLockPath();
    if (heldLock() && heldLock()->isLocked() && heldLock()->path() == path)
        return false; // this process already holds it
    releaseInstanceLock();
    if (path.isEmpty())
        return false;
    // The running copy holds the lock itself, not a file: the system lets it go when that copy ends,
    // however it ends, so a lock file left behind never refuses a start.
    auto lock = std::make_unique<lockfile::LockFile>(path, 0600, lockfile::LockFile::Kind::WholeFile);
    switch (lock->tryLock(lockfile::LockFile::Mode::Exclusive)) {
    case lockfile::LockFile::Result::Locked:
        heldLock() = std::move(lock);
        return false;
    case lockfile::LockFile::Result::Busy:
        return true;
    case lockfile::LockFile::Result::Failed:
        break; // no lock can be made: the program starts
    }
    return false;
}

// ---- release -------------------------------------------------------------------------------

void PSuCommObjRelease() {
    if (gObjIniFile)
        gObjIniFile.reset();
    if (gObjLogging)
        gObjLogging.reset();
    if (gObjMessage)
        gObjMessage.reset();
    MdlCommInterface::releaseDatabaseLock();
    // A copy: a routine may register or remove routines while it runs.
    const auto routines = releaseRoutines();
    for (const auto& r : routines)
        r.second();
}

void setReleaseRoutine(const QString& name, std::function<void()> routine) {
    auto& routines = releaseRoutines();
    const auto it =
        std::find_if(routines.begin(), routines.end(), [&](const auto& r) { return r.first == name; });
    if (!routine) {
        if (it != routines.end())
            routines.erase(it);
    } else if (it != routines.end()) {
        it->second = std::move(routine);
    } else {
        routines.emplace_back(name, std::move(routine));
    }
}

void setStepProbe(std::function<void(int step)> probe) {
    stepProbe() = std::move(probe);
}

// ---- Main ----------------------------------------------------------------------------------

bool Main() {
    return Main(QCoreApplication::applicationDirPath());
}

bool Main(const QString& appDir) {
    using MdlCommInterface::PSuMousePointer;

    PSuMousePointer(11, nullptr);
    if (FuBolPrevInstance()) {
        msgbox::msgBoxA(nullptr, QStringLiteral("「Mirelda」は既に起動中です。"), kAppTitle, msgbox::MB_OK);
        PSuMousePointer(0, nullptr);
        return false;
    }
    PSuMousePointer(0, nullptr);

    try {
        gObjIniFile = std::make_unique<clsIniFile>();
        gObjLogging = std::make_unique<clsLogging>();
        gObjMessage = std::make_unique<clsMessage>();
    } catch (const std::exception& e) {
        const auto* v = dynamic_cast<const VbError*>(&e);
        msgbox::msgBoxA(nullptr,
                        QStringLiteral("Sub Mainでエラー。共通コンポーネント作成に失敗(Veltrum.dll)。\r\n"
                                       "Err.Source -> ") +
                            (v ? v->source() : QString()) + errorDescription(e),
                        kAppTitle, msgbox::MB_OK);
        return false;
    }

    try {
        atStep(8);
        gStrAppPath = appFolder(appDir);

        atStep(9);
        const QString iniPath = gStrAppPath + QStringLiteral("Orvanta.ini");
        if (!MdlCommInterface::PFuBolFileExist(iniPath))
            return failStartup(QStringLiteral("810"));
        atStep(10);
        gObjIniFile->PoSetIniFilePath(iniPath);

        atStep(11);
        gStrMsgFileName =
            PFuStrReadIniFile(QStringLiteral("MESSAGE"), QStringLiteral("FileName"), QStringLiteral("None"));
        if (gStrMsgFileName == QLatin1String("None"))
            return failStartup(QStringLiteral("811"));
        atStep(12);
        gObjMessage->PoSetDirPath(gStrAppPath + text::localPath(gStrMsgFileName));

        atStep(13);
        gStrLogFileName =
            PFuStrReadIniFile(QStringLiteral("Log"), QStringLiteral("FileName"), QStringLiteral("None"));
        if (gStrLogFileName == QLatin1String("None"))
            return failStartup(QStringLiteral("811"));
        atStep(14);
        const QString logPath = gStrAppPath + text::localPath(gStrLogFileName);
        gObjLogging->PoSetLogFilePath(logPath);
        atStep(15);
        if (!MdlCommInterface::PFuBolMkDir(folderOf(logPath)))
            return failStartup(QStringLiteral("812"));

        atStep(16);
        const QString maxRecord =
            PFuStrReadIniFile(QStringLiteral("Log"), QStringLiteral("MaxRecord"), QStringLiteral("None"));
        if (maxRecord == QLatin1String("None"))
            return failStartup(QStringLiteral("811"));
        gObjLogging->PoSetLogMaxWrite(maxRecord);

        atStep(17);
        PFuBolPutLog(QStringLiteral("○カルテ開始処理"), QStringLiteral("開始"));

        atStep(18);
        if (!MdlIniData::PFuGetIniData())
            return failStartup(QStringLiteral("811"));
        atStep(19);
        if (!MdlCommInterface::PFuBolCdbCompact())
            return failStartup(QStringLiteral("815"));
        // From here to its end the program has the database open: no other program's compaction may
        // replace it meanwhile.
        MdlCommInterface::holdDatabaseShared();

        atStep(20);
        FrmMKarte99_002* wait = FrmMKarte99_002::load();
        wait->show();
        wait->PoSetProgValue(1);
        atStep(21);
        if (!MdlStartData::FuBolImageFolderMake())
            return failStartup(QStringLiteral("812"));
        atStep(22);
        if (auto* w = FrmMKarte99_002::loaded())
            w->PoSetProgValue(3);
        atStep(23);
        if (!MdlStartData::FuBolClinicInfoGet())
            return failStartup(QStringLiteral("808"));
        atStep(24);
        if (!MdlStartData::FuBolPrintInfoGet())
            return failStartup(QStringLiteral("816"));
        atStep(25);
        if (auto* w = FrmMKarte99_002::loaded()) {
            w->PoSetProgValue(6);
            w->PoSetProgValue(10);
        }
        atStep(26);
        FrmMKarte99_002::unload();

        atStep(27);
        FrmMKarte01_001* login = FrmMKarte01_001::load();
        login->show();
        login->raise();
        login->activateWindow();
        return true;
    } catch (const std::exception& e) {
        return failStartup(QStringLiteral("900"), QStringLiteral("\r\n") + errorDescription(e));
    } catch (...) {
        return failStartup(QStringLiteral("900"), QStringLiteral("\r\n") + QStringLiteral("unknown error"));
    }
}

// ---- the program ---------------------------------------------------------------------------

int runProgram(QApplication& app) {
    // The program ends through its own end sequence (the login form's unload), never because
    // its last visible window went away.
    QApplication::setQuitOnLastWindowClosed(false);

    auto* qtText = new QTranslator(&app);
    if (qtText->load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                     QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qtText);

    if (!Main())
        return 0;
    return app.exec();
}

} // namespace MdlMain
