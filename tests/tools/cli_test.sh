#!/bin/sh
# tavolin-cli, byte for byte: outputs, messages and exit statuses.
# Usage: cli_test.sh PATH/TO/tavolin-cli TESTS/DATA PATH/TO/tavolin
CLI="$1"
DATA="$2"
EDITOR="$3"
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
passed=0
failed=0
check() { # description, condition...
    name="$1"
    shift
    if "$@"; then passed=$((passed + 1)); else failed=$((failed + 1)); echo "FAIL: $name"; fi
}
crlf() { printf '%s\r\n' "$@"; }

# Lines skipped: the text is still written, exit 1 and the reading message.
"$CLI" normalize "$DATA/all_commands.tvd" -o "$T/out.tvd" 2>"$T/err"
check "skipped lines exit 1" [ $? -eq 1 ]
check "skipped lines output" cmp -s "$T/out.tvd" "$DATA/all_commands.normalized.tvd"
crlf "Sono stati incontrati uno o piu' errori in lettura. I comandi sconosciuti sono stati ignorati." | tr -d '\r' >"$T/msg"
check "reading message" cmp -s "$T/err" "$T/msg"

# A clean file: exit 0, nothing on standard error, standard output when no -o.
"$CLI" normalize "$DATA/all_commands.normalized.tvd" >"$T/stdout" 2>"$T/err"
check "clean exit 0" [ $? -eq 0 ]
check "clean output unchanged" cmp -s "$T/stdout" "$DATA/all_commands.normalized.tvd"
check "clean is silent" [ ! -s "$T/err" ]

# As a macro: the MACROCAD header, the same lines; a macro file reads too.
"$CLI" normalize --as macro "$DATA/all_commands.normalized.tvd" -o "$T/m.tvm"
check "macro header" [ "$(head -c 37 "$T/m.tvm")" = "[MACROCAD Prova di tutti i comandi  ]" ]
"$CLI" normalize --split --program-dir "$T" "$T/m.tvm" -o "$T/back.tvd"
check "macro reads as drawing" cmp -s "$T/back.tvd" "$DATA/all_commands.normalized.tvd"

# No header or a library: exit 2, the format message, nothing written. A file
# that cannot be read is another message.
printf 'LI 1 2 3 4\r\n' >"$T/nohdr.tvd"
printf '[TAVOLIB x]\r\n[1 a]\r\nLI 1 2 3 4\r\n' >"$T/lib.tvl"
mkdir "$T/folder.tvd"
cp "$T/nohdr.tvd" "$T/locked.tvd" && chmod 000 "$T/locked.tvd"
unreadable="$T/missing.tvd $T/folder.tvd"
[ "$(id -u)" -ne 0 ] && unreadable="$unreadable $T/locked.tvd" # root reads it anyway
for f in "$T/nohdr.tvd" "$T/lib.tvl" $unreadable; do
    want="Formato del file non corretto."
    case "$f" in "$T/nohdr.tvd" | "$T/lib.tvl") ;; *) want="Impossibile aprire il file." ;; esac
    for cmd in normalize:tvd export:svg render:png; do
        "$CLI" "${cmd%:*}" "$f" -o "$T/never.${cmd#*:}" 2>"$T/err"
        check "bad input exit 2: $cmd $f" [ $? -eq 2 ]
        check "bad input message: $cmd $f" [ "$(cat "$T/err")" = "$want" ]
        check "bad input writes nothing: $cmd $f" [ ! -e "$T/never.${cmd#*:}" ]
    done
done
for f in "$T/missing.tvl" "$T/folder.tvd"; do
    "$CLI" library list "$f" 2>"$T/err"
    check "unreadable library exit 2: $f" [ $? -eq 2 ]
    check "unreadable library message: $f" [ "$(cat "$T/err")" = "Impossibile aprire il file." ]
done

# An empty long title; layer 0 never written except in TY.
printf '[TAVOLIN]\nSA 1 1 0\nTE 5 5 t\n' >"$T/empty.tvd"
"$CLI" normalize "$T/empty.tvd" -o "$T/empty.out"
crlf "[TAVOLIN ]" "SA 1 1" "TY 5 5 5 3 0 0 0 * t" >"$T/empty.want"
check "empty title" cmp -s "$T/empty.out" "$T/empty.want"

"$CLI" normalize --as sheet "$DATA/all_commands.tvd" 2>/dev/null
check "bad option exit 2" [ $? -eq 2 ]

# Macros: a user library resolves from --program-dir; --split expands it but
# never a standard-library macro.
mkdir -p "$T/prog/libs" "$T/prog/macros"
printf '[TAVOLIB P]\r\n[R1 r]\r\nLI 100 100 110 100\r\nMC 100 100 0 0 080\r\n' >"$T/prog/libs/parts.tvl"
printf '[TAVOLIN M]\r\nMC 10 10 0 0 parts.R1\r\nMC 50 50 1 0 080\r\nMC 5 5 0 0 nolib.xyz\r\n' >"$T/macros.tvd"
"$CLI" normalize --program-dir "$T/prog" "$T/macros.tvd" -o "$T/ref.tvd" 2>/dev/null
check "unresolvable macro exit 1" [ $? -eq 1 ]
crlf "[TAVOLIN M]" "MC 10 10 0 0 parts.R1" "MC 50 50 1 0 080" >"$T/ref.want"
check "macros as references" cmp -s "$T/ref.tvd" "$T/ref.want"
"$CLI" normalize --split --program-dir "$T/prog" "$T/macros.tvd" -o "$T/split.tvd" 2>/dev/null
crlf "[TAVOLIN M]" "LI 10 10 20 10" "MC 10 10 0 0 080" "MC 50 50 1 0 080" >"$T/split.want"
check "split macros" cmp -s "$T/split.tvd" "$T/split.want"

# A library whose file name has a dot: a.b.tvl gives the names a.b.KEY, alike
# for every command that reads drawings.
printf '[TAVOLIB AB]\r\n[K k]\r\nLI 100 100 110 100\r\n' >"$T/prog/libs/a.b.tvl"
printf '[TAVOLIN D]\r\nMC 10 10 0 0 a.b.K\r\n' >"$T/dotted.tvd"
"$CLI" normalize --program-dir "$T/prog" "$T/dotted.tvd" -o "$T/dotted.out" 2>"$T/err"
check "dotted library resolves" [ $? -eq 0 ]
crlf "[TAVOLIN D]" "MC 10 10 0 0 a.b.K" >"$T/dotted.want"
check "dotted library kept" cmp -s "$T/dotted.out" "$T/dotted.want"
"$CLI" normalize --split --program-dir "$T/prog" "$T/dotted.tvd" -o "$T/dotted.out" 2>"$T/err"
crlf "[TAVOLIN D]" "LI 10 10 20 10" >"$T/dotted.want"
check "dotted library splits" cmp -s "$T/dotted.out" "$T/dotted.want"
"$CLI" export --program-dir "$T/prog" "$T/dotted.tvd" -o "$T/dotted.svg" 2>"$T/err"
check "dotted library exports" [ $? -eq 0 -a ! -s "$T/err" ]
"$CLI" render --program-dir "$T/prog" "$T/dotted.tvd" -o "$T/dotted.png" 2>"$T/err"
check "dotted library renders" [ $? -eq 0 -a ! -s "$T/err" ]

# At 20 % grid points 5 units apart would be one pixel apart: every 4th is
# drawn, the picture of a 20-unit grid.
for g in 5 20; do
    "$CLI" render "$DATA/all_commands.normalized.tvd" -o "$T/grid$g.png" --zoom 20 --size 300x200 --grid $g,$g
done
check "grid thinned at 20 %" cmp -s "$T/grid5.png" "$T/grid20.png"

# The standard library: 132 components in the listed order, dump and sheet.
"$CLI" library list >"$T/list.txt"
check "standard library list" cmp -s "$T/list.txt" "$DATA/stdlib_list.txt"
"$CLI" library dump >"$T/std.tvl"
check "dump is a library" [ "$(head -c 27 "$T/std.tvl")" = "[TAVOLIB Libreria standard]" ]
"$CLI" library list "$T/std.tvl" >"$T/list2.txt"
check "a library file lists as base.KEY" [ "$(sed -n 15p "$T/list2.txt")" = "$(printf 'Componenti discreti\t080\tResistore\tstd.080')" ]
check "a library file lists every component" [ "$(wc -l <"$T/list2.txt")" -eq 132 ]
"$CLI" library sheet -o "$T/sheet.png"
check "sheet is a PNG" [ "$(head -c 4 "$T/sheet.png" | tail -c 3)" = "PNG" ]
printf '[TAVOLIB T]\r\n{Cat\tegoria}\r\n[K\tx Uno\tdue\t]\r\nSA 100 100\r\n' >"$T/tabs.tvl"
"$CLI" library list "$T/tabs.tvl" >"$T/tabs.txt"
check "tabs inside fields are spaces" [ "$(cat "$T/tabs.txt")" = "$(printf 'Cat egoria\tK x\tUno due \ttabs.K x')" ]
"$CLI" library list "$T/nohdr.tvd" 2>/dev/null
check "not a library exit 2" [ $? -eq 2 ]

# export: the format follows the extension; defaults are absolute, 600 DPI, 127 microns.
magic() { head -c "$2" "$1" | od -An -c | tr -d ' \n'; }
for ext in bmp emf png svg pdf; do
    "$CLI" export "$DATA/all_commands.normalized.tvd" -o "$T/x.$ext" 2>"$T/err"
    check "export $ext exit 0" [ $? -eq 0 ]
    check "export $ext silent" [ ! -s "$T/err" ]
done
check "bmp magic" [ "$(magic "$T/x.bmp" 2)" = "BM" ]
check "emf magic" [ "$(od -An -tx1 -j40 -N4 "$T/x.emf" | tr -d ' ')" = "20454d46" ]
check "png magic" [ "$(magic "$T/x.png" 4 | tail -c 3)" = "PNG" ]
check "pdf magic" [ "$(magic "$T/x.pdf" 4)" = "%PDF" ]
check "svg text" grep -q "<svg" "$T/x.svg"
check "bmp pixels per metre" [ "$(od -An -tu4 -j38 -N4 "$T/x.bmp" | tr -d ' ')" = "23622" ]
"$CLI" export "$DATA/all_commands.normalized.tvd" -o "$T/r.bmp" --relative --zoom 100
check "relative mode has no resolution" [ "$(od -An -tu4 -j38 -N4 "$T/r.bmp" | tr -d ' ')" = "0" ]
"$CLI" export "$DATA/all_commands.tvd" -o "$T/skipped.bmp" 2>"$T/err"
check "export with skipped lines exit 1" [ $? -eq 1 ]
check "export with skipped lines warns" cmp -s "$T/err" "$T/msg"
check "export with skipped lines writes" [ -s "$T/skipped.bmp" ]
for bad in "--zoom 0" "--zoom 2001" "--dpi 29" "--dpi 2401" "--microns 0" "--microns 1001" "--dpi x"; do
    # shellcheck disable=SC2086
    "$CLI" export "$DATA/all_commands.normalized.tvd" -o "$T/bad.bmp" $bad 2>"$T/err"
    check "out of range $bad exit 2" [ $? -eq 2 ]
    check "out of range $bad names the range" grep -q "compreso tra" "$T/err"
done
check "out of range writes nothing" [ ! -e "$T/bad.bmp" ]
printf 'keep' >"$T/keep.bmp"
printf '[TAVOLIN]\r\n' >"$T/nothing.tvd"
"$CLI" export "$T/nothing.tvd" -o "$T/keep.bmp" 2>"$T/err"
check "nothing to export exit 2" [ $? -eq 2 ]
check "nothing to export keeps the old file" [ "$(cat "$T/keep.bmp")" = "keep" ]
check "nothing to export says so" [ -s "$T/err" ]
"$CLI" export "$DATA/all_commands.normalized.tvd" -o "$T/x.gif" 2>/dev/null
check "unknown format exit 2" [ $? -eq 2 ]

# An option that would change nothing is refused, before anything is written.
refused() { # expected message, output extension, options...
    want="$1" ext="$2"
    shift 2
    "$CLI" export "$DATA/all_commands.normalized.tvd" -o "$T/refused.$ext" "$@" 2>"$T/err"
    check "refused $ext $* exit 2" [ $? -eq 2 ]
    check "refused $ext $* message" [ "$(head -n 1 "$T/err")" = "$want" ]
    check "refused $ext $* writes nothing" [ ! -e "$T/refused.$ext" ]
}
refused "L'opzione --zoom vale solo con --relative." bmp --zoom 100
refused "L'opzione --zoom vale solo con --relative." png --absolute --zoom 100
refused "L'opzione --dpi non vale con --relative." bmp --relative --dpi 300
refused "L'opzione --microns non vale con --relative." png --microns 100 --relative
refused "Le opzioni --relative e --absolute si escludono a vicenda." bmp --relative --absolute
refused "L'opzione --antialias non vale per i file .bmp." bmp --antialias
refused "L'opzione --dpi non vale per i file .svg." svg --dpi 300
refused "L'opzione --relative non vale per i file .pdf." pdf --relative --zoom 100
refused "L'opzione --absolute non vale per i file .svg." svg --absolute
refused "L'opzione --microns non vale per i file .emf." emf --microns 100
refused "L'opzione --antialias non vale per i file .emf." emf --antialias
refused "L'opzione --dpi e' ripetuta." bmp --dpi 300 --dpi 600
refused "L'opzione -o e' ripetuta." bmp -o "$T/other.bmp"
refused "Argomento non previsto: $T/extra.tvd" bmp "$T/extra.tvd"
refused "Manca il valore di --zoom." bmp --relative --zoom
for ok in "png --absolute --dpi 300 --microns 100 --antialias" "pdf --microns 254" "svg --microns 1"; do
    # shellcheck disable=SC2086
    set -- $ok
    ext="$1"
    shift
    "$CLI" export "$DATA/all_commands.normalized.tvd" -o "$T/ok.$ext" "$@" 2>"$T/err"
    check "accepted $ok" [ $? -eq 0 -a -s "$T/ok.$ext" -a ! -s "$T/err" ]
done

# Every command refuses what it does not take, with a message: exit 2.
for bad in "library dump extra" "library dump -o $T/d.tvl" "library dump --program-dir $T" \
    "library list -o $T/l.txt" "library list --program-dir $T" "library list a.tvl b.tvl" \
    "library sheet -o $T/s.png extra.tvl more.tvl" "library frobnicate" \
    "normalize $DATA/all_commands.tvd $DATA/all_commands.tvd" "normalize --split --split x.tvd" \
    "normalize x.tvd --as" "normalize --as sheet x.tvd" "render x.tvd -o $T/r.png --size 10x10px" \
    "render x.tvd -o $T/r.png --zoom 3" "render x.tvd y.tvd -o $T/r.png"; do
    # shellcheck disable=SC2086
    "$CLI" $bad >"$T/out" 2>"$T/err"
    check "stray: $bad exit 2" [ $? -eq 2 ]
    check "stray: $bad says so" [ -s "$T/err" -a ! -s "$T/out" ]
done
"$CLI" library dump extra 2>"$T/err"
check "stray argument named" [ "$(head -n 1 "$T/err")" = "Argomento non previsto: extra" ]

# --help and --version: standard output, exit 0, no display needed; the
# usage names every option of every command.
for cmd in "$CLI --help" "$CLI render --help" "$CLI --version" "$EDITOR --help" "$EDITOR --version"; do
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $cmd >"$T/out" 2>"$T/err"
    check "$cmd exit 0" [ $? -eq 0 -a -s "$T/out" -a ! -s "$T/err" ]
done
check "version" [ "$(cat "$T/out")" = "Tavolin 0.96pl4 Beta" ]
"$CLI" --help >"$T/out"
for opt in --split --as --view --zoom --grid --origin-mark --stretch --size dump sheet --relative --dpi --microns --antialias; do
    check "usage names $opt" grep -q -- "$opt" "$T/out"
done
"$CLI" >/dev/null 2>&1
check "no command exit 2" [ $? -eq 2 ]

# normalize saves through the document: a macro may not take a standard key,
# and a refused save leaves the old file alone.
printf 'old' >"$T/080.tvm"
"$CLI" normalize --as macro "$DATA/all_commands.normalized.tvd" -o "$T/080.tvm" 2>"$T/err"
check "standard key refused exit 2" [ $? -eq 2 ]
check "standard key message" grep -q "libreria standard" "$T/err"
check "standard key keeps the file" [ "$(cat "$T/080.tvm")" = "old" ]
"$CLI" normalize --as macro "$DATA/all_commands.normalized.tvd" -o "$T/Resistore.tvm" 2>/dev/null
check "a title is not a key" [ $? -eq 0 ]

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
