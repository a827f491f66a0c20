#!/usr/bin/env bash
# The program writes no file and opens no connection. A whole randomized
# session runs under strace, and every file opened for writing, every file
# created, renamed or removed, and every socket is looked at.
set -euo pipefail
session_test="$1"
if ! command -v strace >/dev/null; then
    echo "strace is not installed"
    exit 77
fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
# LeakSanitizer cannot run under ptrace.
ASAN_OPTIONS=detect_leaks=0 QT_QPA_PLATFORM=offscreen strace -f -qq -o "$log" \
    -e trace=open,openat,creat,rename,renameat,renameat2,unlink,unlinkat,mkdir,mkdirat,socket,connect \
    "$session_test" --gtest_filter='Seeds/RandomSession.*/0' >/dev/null 2>&1

allowed_write='"/dev/|"/proc/'
writes=$(grep -E '\bopen(at)?\(' "$log" | grep -E 'O_WRONLY|O_RDWR|O_CREAT' | grep -vE "$allowed_write" || true)
changes=$(grep -E '\b(creat|rename|renameat2?|unlink|unlinkat)\(' "$log" | grep -v ' = -1 ' || true)
# Qt makes its per-user runtime folder when the environment names none.
folders=$(grep -E '\bmkdir(at)?\(' "$log" | grep -v 'runtime-' || true)
# glibc asks the name-service cache about the user; that is all the sockets may do.
sockets=$(grep -E '\bsocket\(' "$log" | grep -v 'AF_UNIX' || true)
connects=$(grep -E '\bconnect\(' "$log" | grep -v '/nscd/socket' || true)

status=0
for what in writes changes folders sockets connects; do
    if [[ -n "${!what}" ]]; then
        echo "unexpected $what:"
        echo "${!what}"
        status=1
    fi
done
if [[ $status -eq 0 ]]; then
    echo "1 passed, 0 failed: no file written, no connection opened"
fi
exit $status
