// The compaction of the clinic database at start-up (a procedure of MdlCommInterface): backup,
// compacted copy, replace.
#pragma once

namespace MdlCommInterface {

// Compacts the database when [CLIENT] Optimize is "T"; true when no compaction was asked for or it
// succeeded. Never passes an error on: every outcome is logged.
bool PFuBolCdbCompact();

} // namespace MdlCommInterface
