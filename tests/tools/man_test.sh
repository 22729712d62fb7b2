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
# A value's name in the reader's language: width by height.
page() { MANWIDTH=200 LC_ALL=C.UTF-8 man -l "$B/man/$1" 2>/dev/null; }
page it/man1/tavolin-cli.1.gz | grep -q -- '--size LxA' || fail "Italian tavolin-cli(1) without LxA"
page man1/tavolin-cli.1.gz >"$T/page"
grep -q -- '--size WxH' "$T/page" && ! grep -q LxA "$T/page" || fail "English tavolin-cli(1) says LxA"
env -u DISPLAY LC_ALL=en_US.UTF-8 LANGUAGE=en XDG_CONFIG_HOME="$T" "$B/tavolin-cli" --help >"$T/help"
grep -q -- '--size WxH' "$T/help" && ! grep -q LxA "$T/help" || fail "English --help says LxA"

# The editor's page: its keys from the command table, in the page's language,
# the environment and the files.
for lang in it:TASTI:AMBIENTE:FILE:"Salva il documento attivo" en:KEYS:ENVIRONMENT:FILES:"Saves the active document"; do
    IFS=: read -r l keys env files save <<<"$lang"
    [ "$l" = it ] && p=it/man1/tavolin.1.gz || p=man1/tavolin.1.gz
    page "$p" >"$T/page"
    for section in "$keys" "$env" "$files"; do
        grep -q "^$section\$" "$T/page" || fail "$p without $section"
    done
    sed -n "/^$keys\$/,/^$env\$/p" "$T/page" >"$T/keys"
    grep -A1 -E '^ +Ctrl\+S' "$T/keys" | grep -q "$save" || fail "$p: Ctrl+S is not \"$save\""
    grep -qE '^ +G +' "$T/keys" && grep -q XDG_STATE_HOME "$T/page" || fail "$p: keys or files"
done

[ "$failed" -eq 0 ] && echo "all passed"
[ "$failed" -eq 0 ]
