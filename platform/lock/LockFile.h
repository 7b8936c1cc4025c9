// An advisory lock on a lock file: shared or exclusive, held while the object lives, and released by the
// system when the process ends however it ends, so a lock file left behind never locks anyone out.
#pragma once
#include <QString>

namespace lockfile {

class LockFile {
public:
    enum class Mode { Shared, Exclusive };
    // Record locks (the default) reach network file systems, as the database's own locks do; whole-file
    // locks are the ones other programs' lock files (QLockFile among them) take on a local folder.
    enum class Kind { Record, WholeFile };
    enum class Result {
        Locked, // held now
        Busy,   // another holder's lock is in the way
        Failed, // the lock file cannot be opened or locked (see errorString)
    };

    // The lock file at path; created when missing, with the permission bits createMode (less the umask).
    explicit LockFile(QString path, unsigned createMode = 0666, Kind kind = Kind::Record);
    ~LockFile();
    LockFile(const LockFile&) = delete;
    LockFile& operator=(const LockFile&) = delete;

    // Takes the lock without waiting. A lock held already is changed to mode (a change that is in the way
    // of another holder is Busy, and the lock held stays as it was).
    Result tryLock(Mode mode);
    // Takes the lock, waiting up to timeoutMs while it is Busy.
    Result lock(Mode mode, int timeoutMs);
    void unlock();

    bool isLocked() const { return fd_ >= 0 && held_; }
    const QString& path() const { return path_; }
    // What failed, for a log line.
    const QString& errorString() const { return error_; }

private:
    bool openFile();

    QString path_;
    unsigned createMode_;
    Kind kind_;
    int fd_ = -1;
    bool writable_ = false;
    bool held_ = false;
    QString error_;
};

} // namespace lockfile
