#!/usr/bin/env bash
# A crash of the program while a database is open leaves no core file, even
# where core files are allowed: the process turns them off for itself.
set -euo pipefail
source "$(dirname "$0")/lib.sh"
lw_setup "$1"

if ! (ulimit -c unlimited) 2>/dev/null; then
    echo "end-to-end no core: skipped, core files cannot be allowed here"
    exit 0
fi

cat > drive.sh <<'DRIVE'
ulimit -c unlimited
lw_create crash secret1
grep -Eq '^Max core file size +0 +0 ' "/proc/$LW_APP/limits" ||
    fail "core files are still allowed: $(grep 'core file' "/proc/$LW_APP/limits")"
kill -SEGV "$LW_APP"
wait_exit
DRIVE
lw_run_x drive.sh

cores=$(find . -maxdepth 1 -name 'core*' -type f)
[ -z "$cores" ] || fail "the crash left $cores"
echo "end-to-end no core: 1 passed, 0 failed"
