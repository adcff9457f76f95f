#!/usr/bin/env bash
# The tarnhold-level program itself, on a fresh demo folder: exit statuses,
# one line on stderr for each failure, the files it writes.
# Usage: command_line_test.sh TARNHOLD_LEVEL DEMO_LEVEL_GENERATOR
set -u
tool=$1
generator=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
"$generator" demo >/dev/null || { echo "the demo levels were not made"; exit 1; }

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# expect STATUS STDERR_LINES COMMAND...: runs the tool and checks its exit
# status and how many lines it wrote to stderr.
expect() {
    local status=$1 lines=$2
    shift 2
    "$tool" "$@" >out.txt 2>err.txt
    local got=$?
    [ "$got" -eq "$status" ] || fail "'$*' exited $got, not $status: $(cat err.txt)"
    local count
    count=$(wc -l <err.txt)
    [ "$count" -eq "$lines" ] || fail "'$*' wrote $count lines to stderr, not $lines: $(cat err.txt)"
}

expect 0 0 --help
"$tool" >out.txt 2>err.txt
[ $? -eq 2 ] && [ ! -s out.txt ] && head -1 err.txt | grep -q "^Usage: tarnhold-level" ||
    fail "without arguments the usage goes to stderr with status 2"
for command in info check export import render; do expect 0 0 "$command" --help; done
expect 2 1 frobnicate
expect 2 1 render demo/M01 -o m.png --cell 30
expect 1 1 info demo/M99
expect 1 1 export demo -o x.json

expect 0 0 check demo
grep -qx "24 levels checked: 0 errors, 0 warnings" out.txt || fail "check: $(tail -1 out.txt)"

expect 0 0 info demo/M23.map
grep -q "^Map: 96 x 80 cells" out.txt || fail "info: $(head -2 out.txt)"

# The demo levels come through the editor's load and save unchanged, so an
# export and an import give them back byte for byte.
cp demo/M05.map demo/M05.edt .
expect 0 0 export demo/M05 -o m05.json
expect 0 0 import m05.json demo/M05.edt
cmp -s M05.map demo/M05.map || fail "import changed M05.map"
cmp -s M05.edt demo/M05.edt || fail "import changed M05.edt"
sed -E 's/"credits": \[[0-9]+,/"credits": [70000,/' m05.json >bad.json
expect 1 2 import bad.json demo/M05
cmp -s M05.edt demo/M05.edt || fail "a refused import changed M05.edt"

# A damaged level makes check fail.
head -c 500 demo/M07.edt >M07.edt && mv M07.edt demo/M07.edt
expect 1 0 check demo
grep -q "^demo/M07.edt: error: " out.txt || fail "check missed the cut file: $(cat out.txt)"

expect 0 0 render demo/M23 --whole -o m23.png
# A PNG's width and height are the big-endian words at bytes 16 and 20.
size=$(od -An -tu1 -j16 -N8 m23.png | awk '{ print $3 * 256 + $4 "x" $7 * 256 + $8 }')
[ "$size" = "961x801" ] || fail "render --whole of the 96 x 80 level is $size"
head -c 8 m23.png | od -An -tx1 | grep -q "89 50 4e 47 0d 0a 1a 0a" || fail "m23.png is not a PNG"

[ "$failures" -eq 0 ] && echo "tarnhold-level: all command-line checks passed"
exit $((failures > 0))
