#!/usr/bin/env bash
# The program writes no file and opens no connection. A whole randomized
# session runs under strace, and every file opened for writing, every file
# created, renamed or removed, and every socket is looked at.
#
# Two things can fail and the report says which: the session itself (its own
# failure, with its seed and actions, is printed) or the no-files,
# no-connections check.
set -uo pipefail
session_test="$1"
session_filter='Seeds/RandomSession.*/0'
if ! command -v strace >/dev/null; then
    echo "strace is not installed"
    exit 77
fi
log=$(mktemp)
output=$(mktemp)
trap 'rm -f "$log" "$output"' EXIT

# LeakSanitizer cannot run under ptrace.
session_status=0
ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen strace -f -qq -o "$log" \
    -e trace=open,openat,creat,rename,renameat,renameat2,unlink,unlinkat,mkdir,mkdirat,socket,connect \
    "$session_test" --gtest_filter="$session_filter" >"$output" 2>&1 || session_status=$?

session_failed=0
if [[ $session_status -ne 0 ]]; then
    echo "FAILED: the traced session ($session_filter) ended with status $session_status."
    if [[ ! -s "$log" ]]; then
        echo "strace traced nothing; it may not be allowed to trace here."
    fi
    echo "Its output:"
    cat "$output"
    session_failed=1
elif ! grep -q '^\[  PASSED  \] 1 test' "$output"; then
    echo "FAILED: no session ran: no test matches $session_filter. Its output:"
    cat "$output"
    session_failed=1
fi

allowed_write='"/dev/|"/proc/'
writes=$(grep -E '\bopen(at)?\(' "$log" | grep -E 'O_WRONLY|O_RDWR|O_CREAT' | grep -vE "$allowed_write" || true)
changes=$(grep -E '\b(creat|rename|renameat2?|unlink|unlinkat)\(' "$log" | grep -v ' = -1 ' || true)
# Qt makes its per-user runtime folder when the environment names none.
folders=$(grep -E '\bmkdir(at)?\(' "$log" | grep -v 'runtime-' || true)
# glibc asks the name-service cache about the user; that is all the sockets may do.
sockets=$(grep -E '\bsocket\(' "$log" | grep -v 'AF_UNIX' || true)
connects=$(grep -E '\bconnect\(' "$log" | grep -v '/nscd/socket' || true)

io_failed=0
for what in writes changes folders sockets connects; do
    if [[ -n "${!what}" ]]; then
        [[ $io_failed -eq 1 ]] || echo "FAILED: the no-files, no-connections check."
        echo "unexpected $what:"
        echo "${!what}"
        io_failed=1
    fi
done

if [[ $session_failed -eq 0 && $io_failed -eq 0 ]]; then
    echo "1 passed, 0 failed: no file written, no connection opened"
    exit 0
fi
if [[ $session_failed -eq 1 && $io_failed -eq 1 ]]; then
    echo "Both failed: the traced session and the no-files, no-connections check."
elif [[ $session_failed -eq 1 && ! -s "$log" ]]; then
    echo "The traced session did not pass; with no trace the no-files, no-connections check saw nothing."
elif [[ $session_failed -eq 1 ]]; then
    echo "The traced session did not pass; as far as it ran, it wrote no file and opened no connection."
else
    echo "The session passed; the no-files, no-connections check failed."
fi
exit 1
