#!/bin/sh
# Runs the built program with --help, --version and an unknown option where
# there is no display at all, and checks what it prints and its exit codes.
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
