#!/bin/bash
# Both manual pages of each program and its --help (with each command's) list
# every option of the table they are made from; man renders them without a warning.
# Usage: man_test.sh BUILD PATH/TO/tavolin-man
B="$1"
GEN="$2"
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
# Listed: at the start of a line of the options, not only in the synopsis.
has() { grep -qE -- "^ +$1( |\$)" "$2"; }

for prog in tavolin tavolin-cli; do
    env -u DISPLAY "$B/$prog" --help >"$T/help" || fail "$prog --help"
    "$GEN" "$prog" options >"$T/options" && [ "$(wc -l <"$T/options")" -ge 8 ] || fail "$prog options"
    for command in $(grep '^[a-z]' "$T/options"); do
        "$B/$prog" "$command" --help >>"$T/help" 2>/dev/null
    done
    for page in "man/man1/$prog.1.gz" "man/it/man1/$prog.1.gz"; do
        MANWIDTH=200 LC_ALL=C.UTF-8 man -l --warnings "$B/$page" >"$T/page" 2>"$T/err" || fail "$page"
        [ -s "$T/err" ] && fail "$page: $(cat "$T/err")"
        while read -r opt; do
            has "$opt" "$T/page" || fail "$page without $opt"
            has "$opt" "$T/help" || fail "$prog --help without $opt"
        done <"$T/options"
    done
done
[ "$failed" -eq 0 ] && echo "all passed"
[ "$failed" -eq 0 ]
