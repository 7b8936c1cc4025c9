// The compaction of the clinic database at start-up (a procedure of MdlCommInterface): backup,
// compacted copy, replace; and the lock file beside the database that keeps a compaction from pulling
// the database out from under a running program.
#pragma once
#include <QString>
#include <functional>

namespace MdlCommInterface {

// Compacts the database when [CLIENT] Optimize is "T"; true when no compaction was asked for or it
// succeeded. Never passes an error on: every outcome is logged. At every instant the configured name
// holds the old or the new database and the backup name a complete backup (or what it held before).
// Refused, touching nothing, while another program holds the database's lock file, or when the database
// is damaged or empty (a database the key does not open is refused too when the backup is sound).
bool PFuBolCdbCompact();

// The lock file beside a database, named as Jet named it: clinic.mdb gives clinic.ldb (a name without
// ".mdb" gets ".ldb" added).
QString databaseLockPath(const QString& databasePath);

// Every running program holds the configured database's lock file shared from the end of its
// compaction step to its end, so that no compaction replaces the database under it. While another
// program compacts, this waits for it (up to a minute). False when the lock cannot be had: the program
// goes on without it.
bool holdDatabaseShared();
// Lets the lock file go (the end of the program).
void releaseDatabaseLock();

// Tests: the compaction's steps, reported as each is reached.
enum class CompactStep {
    Locked,            // the lock file is held exclusively
    Checked,           // the database passed its check
    LeftoversGone,     // copies left by an earlier run are deleted
    BackupHalfWritten, // half of the backup is written, under its temporary name
    BackupWritten,     // the backup is complete, under its temporary name
    BackupNamed,       // the backup has its ".bak" name
    EngineOpen,        // the compaction's connection is open, nothing of the copy written yet
    Exported,          // the compacted copy is complete under its "_NEW.mdb" name
    Replaced,          // the compacted copy has the database's name
};
// Called with each step as it is reached (empty to stop).
void setCompactStepProbe(std::function<void(CompactStep)> probe);

} // namespace MdlCommInterface
