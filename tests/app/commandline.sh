#!/bin/sh
# Runs the built program with --help, --version and an unknown option where
# there is no display at all, and checks what it prints and its exit codes;
# then starts it on an offscreen display.
# Usage: commandline.sh <program> <version>
program=$1
version=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

out=$("$program" --help) || fail "--help ended with $?"
echo "$out" | grep -q '^Användning: ordkvarnen' || fail "--help printed: $out"
out=$("$program" --version) || fail "--version ended with $?"
[ "$out" = "ordkvarnen $version" ] || fail "--version printed: $out"
status=0
err=$("$program" --okand 2>&1 >/dev/null) || status=$?
[ "$status" -eq 2 ] || fail "an unknown option ended with $status"
echo "$err" | grep -q 'okänd flagga: --okand' || fail "an unknown option printed: $err"
echo "command line answered without a display"

# Started for real on a screen of its own, it is still running a moment later
# (a start that fails ends at once).
home=$(mktemp -d)
QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=$home "$program" >/dev/null 2>&1 &
pid=$!
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the program ended at start"
kill "$pid"
wait "$pid" 2>/dev/null
rm -rf "$home"
echo "started"
