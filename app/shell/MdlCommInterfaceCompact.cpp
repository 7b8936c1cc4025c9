#include "app/shell/MdlCommInterfaceCompact.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

#include "app/shell/ShellGlobals.h"
#include "platform/ado/Ado.h"
#include "platform/lock/LockFile.h"
#include "platform/text/Text.h"

namespace MdlCommInterface {
namespace {

using lockfile::LockFile;

const QString kProc = QStringLiteral("PFuBolCdbCompact");
// How long a starting program waits for another program's compaction to end.
constexpr int kSharedWaitMs = 60000;

std::function<void(CompactStep)>& stepProbe() {
    static std::function<void(CompactStep)> p;
    return p;
}

void reached(CompactStep step) {
    if (auto& p = stepProbe())
        p(step);
}

std::unique_ptr<LockFile>& sharedLock() {
    static std::unique_ptr<LockFile> l;
    return l;
}

void log(const QString& text) {
    PFuBolPutLog(kProc, text);
}

std::filesystem::path fsPath(const QString& p) {
    return std::filesystem::path(QFile::encodeName(p).toStdString());
}

QString describe(const std::error_code& ec) {
    return QString::fromLocal8Bit(ec.message().c_str());
}

QString systemError() {
    return describe(std::error_code(errno, std::generic_category()));
}

QString configuredDatabase() {
    return text::localPath(gStrAppPath + gStrMdbName);
}

// The permission bits of the database, for the files made beside it (its lock file): every user who can
// open the database can open them.
unsigned databaseMode(const QString& db) {
    struct stat st {};
    if (::stat(QFile::encodeName(db).constData(), &st) != 0)
        return 0666;
    return st.st_mode & 0666;
}

// Delete failed: the description, then the path.
bool deleteFailed(const QString& path, const QString& description) {
    log(description);
    log(path + QStringLiteral("ファイルの削除に失敗"));
    return false;
}

// The backup could not be made (or the database is in use elsewhere): nothing was touched.
bool backupFailed(const QString& db, const QString& description) {
    log(description);
    log(QStringLiteral("最適化もとのファイルのバックアップに失敗"));
    log(db + QStringLiteral("ファイルを別のプロセスで開いている可能性あり"));
    return false;
}

// The compaction itself failed.
bool compactFailed(const QString& description) {
    log(description);
    log(QStringLiteral("最適化コマンド失敗(JROJet.CompactDatabase)"));
    log(QStringLiteral("パスワードが正しいならOrvanta_NEW.mdbファイルがあるなら削除しないといけない。"));
    return false;
}

// Removes path when present; false with the error text otherwise.
bool removeIfPresent(const QString& path, QString& error) {
    std::error_code ec;
    std::filesystem::remove(fsPath(path), ec);
    if (ec)
        error = describe(ec);
    return !ec;
}

// Flushes a file, or a folder's list of names, to the disk.
bool syncPath(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

QString folderOf(const QString& path) {
    return QFileInfo(path).absolutePath();
}

// Renames from over to in one step: at every instant the name `to` holds its old file or the new one.
bool replaceFile(const QString& from, const QString& to, QString& error) {
    std::error_code ec;
    std::filesystem::rename(fsPath(from), fsPath(to), ec);
    if (ec) {
        error = describe(ec);
        return false;
    }
    syncPath(folderOf(to));
    return true;
}

// Copies src to dst (replaced when present) with src's permissions, flushed to the disk.
bool copyFlushed(const QString& src, const QString& dst, QString& error) {
    QFile in(src);
    if (!in.open(QIODevice::ReadOnly)) {
        error = src + QStringLiteral(": ") + in.errorString();
        return false;
    }
    QFile out(dst);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        error = dst + QStringLiteral(": ") + out.errorString();
        return false;
    }
    out.setPermissions(in.permissions());
    const qint64 half = in.size() / 2;
    qint64 written = 0;
    bool halfReported = false;
    QByteArray chunk;
    while (!(chunk = in.read(1 << 20)).isEmpty()) {
        // The chunk that crosses the middle of the file is written in two parts, with the step between.
        const qint64 first = halfReported ? chunk.size() : std::min<qint64>(chunk.size(), half - written);
        for (const QByteArray& part : {chunk.left(first), chunk.mid(first)}) {
            if (!part.isEmpty() && out.write(part) != part.size()) {
                error = dst + QStringLiteral(": ") + out.errorString();
                return false;
            }
            written += part.size();
            if (!halfReported && written >= half) {
                halfReported = true;
                out.flush();
                reached(CompactStep::BackupHalfWritten);
            }
        }
    }
    if (in.error() != QFileDevice::NoError) {
        error = src + QStringLiteral(": ") + in.errorString();
        return false;
    }
    if (!out.flush() || ::fsync(out.handle()) != 0) {
        error = dst + QStringLiteral(": ") +
                (out.error() != QFileDevice::NoError ? out.errorString() : systemError());
        return false;
    }
    return true;
}

// Copies the database to the backup under a read lock, so no workstation writes into the file during
// the copy. The first read rolls back a journal left by a workstation that stopped in the middle of a
// save; a journal that stays belongs to a save in progress, and the copy is refused. The copy is
// written under a temporary name and takes the backup's name only when complete, so a backup is never
// half written.
bool backupDatabase(const QString& db, const QString& backup, QString& error) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(fsPath(db), ec)) {
        error = describe(ec ? ec : std::make_error_code(std::errc::no_such_file_or_directory));
        return false;
    }
    ado::Connection guard;
    bool locked = false;
    try {
        guard.open(db, gStrDbPassword);
        guard.execute(QStringLiteral("BEGIN"));
        guard.execute(QStringLiteral("SELECT count(*) FROM sqlite_master"));
        locked = true;
    } catch (const std::exception&) {
        // A wrong password is reported by the compaction itself.
    }
    bool ok = true;
    const QString journal = db + QStringLiteral("-journal");
    if (QFile::exists(journal)) {
        error = QStringLiteral("データベースは別の処理で書き込み中です(") + journal + QStringLiteral(")");
        ok = false;
    }
    const QString partial = backup + QStringLiteral(".tmp");
    if (ok)
        ok = copyFlushed(db, partial, error);
    if (ok)
        reached(CompactStep::BackupWritten);
    if (ok)
        ok = replaceFile(partial, backup, error);
    if (!ok)
        QFile::remove(partial);
    if (locked) {
        try {
            guard.rollbackTrans();
        } catch (const std::exception&) {
        }
    }
    return ok;
}

// The database must be sound before anything is copied: a damaged or empty database copied over the
// backup would take the clinic's last good copy with it. A database the key does not open may be the
// wrong password (then the compaction goes on and fails at its own step, as it always did) or a file
// that is no database: when the backup opens with the key, the key is right and the database is not.
bool databaseFitToCopy(const QString& db, const QString& backup, QString& description) {
    switch (ado::checkDatabase(db, gStrDbPassword, description)) {
    case ado::DatabaseCheck::Damaged:
        return false;
    case ado::DatabaseCheck::KeyRefused: {
        QString backupDescription;
        return ado::checkDatabase(backup, gStrDbPassword, backupDescription) != ado::DatabaseCheck::Sound;
    }
    case ado::DatabaseCheck::Sound:
    case ado::DatabaseCheck::Unreadable: // a missing file, say: the backup step reports it
        return true;
    }
    return true;
}

} // namespace

QString databaseLockPath(const QString& databasePath) {
    if (databasePath.endsWith(QLatin1String(".mdb"), Qt::CaseInsensitive))
        return databasePath.chopped(4) + QStringLiteral(".ldb");
    return databasePath + QStringLiteral(".ldb");
}

bool holdDatabaseShared() {
    releaseDatabaseLock();
    const QString db = configuredDatabase();
    auto lock = std::make_unique<LockFile>(databaseLockPath(db), databaseMode(db));
    if (lock->lock(LockFile::Mode::Shared, kSharedWaitMs) != LockFile::Result::Locked)
        return false;
    sharedLock() = std::move(lock);
    return true;
}

void releaseDatabaseLock() {
    sharedLock().reset();
}

void setCompactStepProbe(std::function<void(CompactStep)> probe) {
    stepProbe() = std::move(probe);
}

bool PFuBolCdbCompact() {
    if (gStrOptimize != QLatin1String("T")) {
        log(QStringLiteral("MDBの最適化をしていません(エラーじゃない)"));
        return true;
    }
    const QString db = configuredDatabase();
    const QString newFile = db + QStringLiteral("_NEW.mdb");
    const QString backup = db + QStringLiteral(".bak");
    QString error;

    // The whole sequence runs under the database's lock file, held exclusively: while any other program
    // has the database open, nothing is touched (Jet refused to compact an open database the same way).
    LockFile lock(databaseLockPath(db), databaseMode(db));
    switch (lock.tryLock(LockFile::Mode::Exclusive)) {
    case LockFile::Result::Locked:
        break;
    case LockFile::Result::Busy:
        return backupFailed(db, QStringLiteral("データベースは別のプログラムで使用中です(") + lock.path() +
                                    QStringLiteral(")"));
    case LockFile::Result::Failed:
        return backupFailed(db, lock.errorString());
    }
    reached(CompactStep::Locked);

    // Nothing is touched unless the database is fit to be copied.
    if (!databaseFitToCopy(db, backup, error))
        return compactFailed(error);
    reached(CompactStep::Checked);

    // 2. A compacted copy left by an earlier run (and its journal) goes first, and a backup that an
    // earlier run did not finish.
    for (const QString& leftover :
         {newFile, newFile + QStringLiteral("-journal"), backup + QStringLiteral(".tmp")}) {
        if (!removeIfPresent(leftover, error))
            return deleteFailed(leftover, error);
    }
    reached(CompactStep::LeftoversGone);

    // 3. Backup. A missing database fails here and leaves the last good backup as it is.
    if (!backupDatabase(db, backup, error))
        return backupFailed(db, error);
    reached(CompactStep::BackupNamed);

    // 4. The engine: a keyed connection on the database (it is never created here).
    ado::Connection engine;
    try {
        engine.openKeyed(db, gStrDbPassword);
    } catch (const std::exception& e) {
        log(QStringLiteral("Microsoft Jet and Replication Objects 2.6 Library がインストールされていない"));
        log(QStringLiteral("%Program Files%\\Common File\\System\\ADO\\msjro.dll"));
        log(errorDescription(e));
        return false;
    }
    reached(CompactStep::EngineOpen);

    // 5. The compacted copy.
    try {
        engine.exportCompacted(newFile, gStrDbPassword);
        engine.close();
    } catch (const std::exception& e) {
        if (engine.isOpen()) {
            try {
                engine.close();
            } catch (const std::exception&) {
            }
        }
        return compactFailed(errorDescription(e));
    }
    reached(CompactStep::Exported);

    // 6 and 7. The copy takes the database's name in one step: the old database is replaced, never
    // deleted first, so a stop at any instant leaves a database under the configured name, and a failed
    // rename leaves the old one in place.
    if (!replaceFile(newFile, db, error)) {
        log(error);
        log(QStringLiteral("ファイル名変更（") + gStrMdbName + QStringLiteral("_NEW.mdb→") + gStrMdbName +
            QStringLiteral("）に失敗"));
        log(QStringLiteral("Orvanta_NEW.mdbをOrvanta.mdbにリネームしないと電子カルテがうごかないとおもう"));
        return false;
    }
    reached(CompactStep::Replaced);

    log(QStringLiteral("○mdb最適化処理成功"));
    return true;
}

} // namespace MdlCommInterface
