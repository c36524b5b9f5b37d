#pragma once

namespace lw {

// Keeps the process's memory, which holds the master password and the
// decrypted accounts while a database is open, from reaching the disk or
// another process: no core file on a crash (both limits of RLIMIT_CORE set to
// 0, so the process cannot raise them again) and not dumpable, which also
// keeps other processes of the same user from attaching a debugger or
// reading its memory. Called first thing at start-up. Throws lw::Error naming
// the step that failed.
void HardenProcess();

} // namespace lw
