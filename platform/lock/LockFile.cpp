#include "platform/lock/LockFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace lockfile {
namespace {

QString systemError(int err) {
    return QString::fromLocal8Bit(std::strerror(err));
}

// A lock of the open file description (not of the process): two descriptors conflict even in one
// process, closing another descriptor of the file does not drop it, and the lock goes with the
// descriptor. These locks reach network file systems as ordinary record locks do.
int setRecordLock(int fd, short type) {
    struct flock fl {};
    fl.l_type = type;
    fl.l_whence = SEEK_SET;
    fl.l_start = 0;
    fl.l_len = 0; // the whole file
    return ::fcntl(fd, F_OFD_SETLK, &fl);
}

// Shared (F_RDLCK), exclusive (F_WRLCK) or none (F_UNLCK), of either kind, without waiting.
int setLock(int fd, LockFile::Kind kind, short type) {
    if (kind == LockFile::Kind::Record)
        return setRecordLock(fd, type);
    const int op = type == F_UNLCK ? LOCK_UN : (type == F_WRLCK ? LOCK_EX : LOCK_SH) | LOCK_NB;
    return ::flock(fd, op);
}

} // namespace

LockFile::LockFile(QString path, unsigned createMode, Kind kind)
    : path_(std::move(path)), createMode_(createMode), kind_(kind) {}

LockFile::~LockFile() {
    if (fd_ >= 0)
        ::close(fd_);
}

bool LockFile::openFile() {
    if (fd_ >= 0)
        return true;
    const QByteArray name = QFile::encodeName(path_);
    fd_ = ::open(name.constData(), O_RDWR | O_CREAT | O_CLOEXEC, static_cast<mode_t>(createMode_));
    writable_ = fd_ >= 0;
    if (fd_ < 0 && errno == EACCES)
        fd_ = ::open(name.constData(), O_RDONLY | O_CLOEXEC); // enough for a shared lock
    if (fd_ < 0) {
        error_ = path_ + QStringLiteral(": ") + systemError(errno);
        return false;
    }
    return true;
}

LockFile::Result LockFile::tryLock(Mode mode) {
    if (!openFile())
        return Result::Failed;
    // A record lock held exclusively needs the file open for writing; a whole-file lock does not.
    if (mode == Mode::Exclusive && kind_ == Kind::Record && !writable_) {
        error_ = path_ + QStringLiteral(": ") + systemError(EACCES);
        return Result::Failed;
    }
    if (setLock(fd_, kind_, mode == Mode::Exclusive ? F_WRLCK : F_RDLCK) == 0) {
        held_ = true;
        return Result::Locked;
    }
    const int err = errno;
    if (err == EAGAIN || err == EACCES || err == EWOULDBLOCK)
        return Result::Busy;
    error_ = path_ + QStringLiteral(": ") + systemError(err);
    return Result::Failed;
}

LockFile::Result LockFile::lock(Mode mode, int timeoutMs) {
    QElapsedTimer waited;
    waited.start();
    for (;;) {
        const Result r = tryLock(mode);
        if (r != Result::Busy || waited.elapsed() >= timeoutMs)
            return r;
        QThread::msleep(50);
    }
}

void LockFile::unlock() {
    if (fd_ >= 0 && held_)
        setLock(fd_, kind_, F_UNLCK);
    held_ = false;
}

} // namespace lockfile
