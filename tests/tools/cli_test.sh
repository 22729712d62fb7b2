#!/bin/bash
# tavolin-cli, byte for byte: outputs, messages and exit statuses.
# Usage: cli_test.sh PATH/TO/tavolin-cli TESTS/DATA PATH/TO/tavolin
CLI="$1"
D="$2"
EDITOR="$3"
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
O=$T/o # where the commands of the table write
failed=0
fail() { echo "FAIL: $*"; failed=$((failed + 1)); }
crlf() { printf '%s\r\n' "$@"; }

READ_MSG="Sono stati incontrati uno o piu' errori in lettura. I comandi sconosciuti sono stati ignorati."
NO_FORMAT="Formato del file non corretto."
NO_OPEN="Impossibile aprire il file."
printf 'LI 1 2 3 4\r\n' >"$T/nohdr.tvd"
printf '[TAVOLIB x]\r\n[1 a]\r\nLI 1 2 3 4\r\n' >"$T/lib.tvl"
mkdir "$T/folder.tvd"
cp "$T/nohdr.tvd" "$T/locked.tvd" && chmod 000 "$T/locked.tvd"
printf '[TAVOLIN]\r\n' >"$T/nothing.tvd"
mkdir -p "$T/prog/libs" "$T/prog/macros"
printf '[TAVOLIB P]\r\n[R1 r]\r\nLI 100 100 110 100\r\nMC 100 100 0 0 080\r\n' >"$T/prog/libs/parts.tvl"
printf '[TAVOLIN M]\r\nMC 10 10 0 0 parts.R1\r\nMC 50 50 1 0 080\r\nMC 5 5 0 0 nolib.xyz\r\n' >"$T/macros.tvd"
crlf "[TAVOLIN M]" "MC 10 10 0 0 parts.R1" "MC 50 50 1 0 080" >"$T/ref.want"
crlf "[TAVOLIN M]" "LI 10 10 20 10" "MC 10 10 0 0 080" "MC 50 50 1 0 080" >"$T/split.want"
# A library whose file name has a dot: a.b.tvl gives the names a.b.KEY.
printf '[TAVOLIB AB]\r\n[K k]\r\nLI 100 100 110 100\r\n' >"$T/prog/libs/a.b.tvl"
printf '[TAVOLIN D]\r\nMC 10 10 0 0 a.b.K\r\n' >"$T/dotted.tvd"
crlf "[TAVOLIN D]" "MC 10 10 0 0 a.b.K" >"$T/dotted.want"
crlf "[TAVOLIN D]" "LI 10 10 20 10" >"$T/dotted-split.want"
printf '[TAVOLIB T]\r\n{Cat\tegoria}\r\n[K\tx Uno\tdue\t]\r\nSA 100 100\r\n' >"$T/tabs.tvl"
printf 'Cat egoria\tK x\tUno due \ttabs.K x\n' >"$T/tabs.want"
# Kind, then top to bottom, left to right, then the whole line; a symbol no
# library holds stays; what is not a command goes.
printf '[TAVOLIN S]\r\nSA 3 3\r\nLI 50 10 60 10\r\nMC 5 5 0 0 nolib.xyz\r\nXX\r\nLI 10  10 20 10\r\nLI 10 10 15 10\r\nLI 10 5 20 10\r\n' >"$T/unsorted.tvd"
printf '%s\n' "[TAVOLIN S]" "LI 10 5 20 10" "LI 10 10 15 10" "LI 10 10 20 10" "LI 50 10 60 10" "MC 5 5 0 0 nolib.xyz" "SA 3 3" >"$T/sorted.want"
# Drawings to compare: the resistor moved, the text changed, a wire added.
crlf "[TAVOLIN C]" "MC 100 100 0 0 080" "TY 50 50 5 3 0 0 0 * R1" >"$T/c1.tvd"
crlf "[TAVOLIN C]" "TY 50 50 5 3 0 0 0 * R2" "MC 200 100 0 0 080" "LI 0 0 10 0" >"$T/c2.tvd"
printf '%s\n' "+ LI 0 0 10 0" "- TY 50 50 5 3 0 0 0 * R1" "+ TY 50 50 5 3 0 0 0 * R2" \
    "~ MC 100 100 0 0 080 -> MC 200 100 0 0 080" >"$T/c12.want"
printf '%s\n' "- TY 50 50 5 3 0 0 0 * R1" "- MC 100 100 0 0 080" >"$T/c1-gone.want"
printf '[TAVOLIB x]\r\n[1 a]\r\nLI 1 2 3 5\r\n[2 b]\r\nSA 1 1\r\n' >"$T/lib2.tvl"
printf '%s\n' "~ [1 a]" "  - LI 1 2 3 4" "  + LI 1 2 3 5" "+ [2 b]" >"$T/lib12.want"
# A board: two tracks too close and a thin one, a pad joining the sides; its
# findings and nets; at a looser rule nothing is found.
crlf "[TAVOLIN B]" "PL 0 0 20 0 1 1" "PL 0 2 20 2 2 1" "PA 40 0 8 8 3 0 2" "PL 40 0 60 0 2 1" \
    "RV -10 -10 62 10 5" "LI 0 50 20 50" "LI 10 50 10 60" >"$T/board.tvd"
printf '%s\n' "Pista sottile 10 0: 0.127 < 0.15" "Distanza insufficiente 0 1: 0.063 < 0.15" \
    "Rame vicino al bordo 61 0: 0.127 < 0.3" >"$T/board.want"
printf '%s\n' "1: PL 0 0 20 0 1 1" "2: PL 0 2 20 2 2 1" "3: PA 40 0 8 8 3 0 2 | PL 40 0 60 0 2 1" \
    "4: LI 0 50 20 50 | LI 10 50 10 60" >"$T/nets.want"
# Old files that refused commands must leave alone (080 is a standard key).
printf '[TAVOLIN niente rame]\r\nLI 0 0 10 0 3\r\n' >"$T/no_copper.tvd"
printf 'old' | tee "$T/080.tvm" "$T/keep.bmp" >"$T/old.want"

# The table: exit status | stderr's first line (a pattern; empty: stderr is
# empty) | arguments | FILE that must be written, or FILE=EXPECTED bytes ("-"
# is standard output). @D, @T and @O stand for the folders. A refusal (2)
# says something, prints nothing on standard output and writes nothing.
N=all_commands.normalized.tvd
while IFS='|' read -r rc msg args want; do
    [ -z "$rc" ] && continue
    args=${args//@D/$D} args=${args//@T/$T} args=${args//@O/$O} msg=${msg//@T/$T}
    want=${want//@D/$D} want=${want//@T/$T}
    rm -rf "$O" && mkdir "$O"
    # shellcheck disable=SC2086
    "$CLI" $args >"$O/-" 2>"$T/err"
    got=$?
    what="tavolin-cli $args"
    [ "$got" = "$rc" ] || fail "$what: exit $got, not $rc"
    if [ -z "$msg" ]; then [ ! -s "$T/err" ] || fail "$what: says $(head -1 "$T/err")"
    else [[ "$(head -1 "$T/err")" == $msg ]] || fail "$what: says '$(head -1 "$T/err")', not '$msg'"; fi
    if [ "$rc" = 2 ]; then
        [ ! -s "$O/-" ] && [ -s "$T/err" ] || fail "$what: refused without a word, or printed"
        [ "$(ls -A "$O")" = - ] || fail "$what: wrote $(ls -A "$O")"
    elif [ -n "$want" ]; then
        case $want in
        *=*) cmp -s "$O/${want%%=*}" "${want#*=}" || fail "$what: ${want%%=*} differs from ${want#*=}" ;;
        *) [ -s "$O/$want" ] || fail "$what: no $want" ;;
        esac
    fi
done <<EOF
1|$READ_MSG|normalize @D/all_commands.tvd -o @O/n.tvd|n.tvd=@D/$N
0||normalize @D/$N|-=@D/$N
0||normalize --sorted @T/unsorted.tvd|-=@T/sorted.want
0||normalize --sorted @T/unsorted.tvd -o @O/s.tvd|s.tvd=@T/sorted.want
2|$NO_FORMAT|normalize --sorted @T/lib.tvl
2|*|normalize --sorted --split @T/unsorted.tvd
2|*|normalize --as sheet @D/$N
1|*|normalize --program-dir @T/prog @T/macros.tvd -o @O/r.tvd|r.tvd=@T/ref.want
1|*|normalize --split --program-dir @T/prog @T/macros.tvd -o @O/s.tvd|s.tvd=@T/split.want
0||normalize --program-dir @T/prog @T/dotted.tvd -o @O/d.tvd|d.tvd=@T/dotted.want
0||normalize --split --program-dir @T/prog @T/dotted.tvd -o @O/d.tvd|d.tvd=@T/dotted-split.want
0||export --program-dir @T/prog @T/dotted.tvd -o @O/d.svg|d.svg
0||render --program-dir @T/prog @T/dotted.tvd -o @O/d.png|d.png
2|*libreria standard*|normalize --as macro @D/$N -o @T/080.tvm
0||normalize --as macro @D/$N -o @T/m.tvm
0||normalize --split --program-dir @T @T/m.tvm -o @O/back.tvd|back.tvd=@D/$N
0||normalize --as macro @D/$N -o @O/Resistore.tvm|Resistore.tvm
0||library list|-=@D/stdlib_list.txt
0||library list @T/tabs.tvl|-=@T/tabs.want
0||library sheet -o @O/sheet.png|sheet.png
2|$NO_OPEN|library list @T/missing.tvl
0||diff @T/c1.tvd @T/c1.tvd|-=/dev/null
1||diff @T/c1.tvd @T/c2.tvd|-=@T/c12.want
1||diff @T/c1.tvd /dev/null --text|-=@T/c1-gone.want
0||diff /dev/null /dev/null|-=/dev/null
1||diff @T/c1.tvd @T/c2.tvd -o @O/d.svg --context all --size 300x200|d.svg
1||diff @T/lib.tvl @T/lib2.tvl|-=@T/lib12.want
2|Impossibile aprire il file @T/missing.tvd.|diff @T/c1.tvd @T/missing.tvd
2|*libreria*|diff @T/c1.tvd @T/lib.tvl
2|*non e' un disegno*|diff @T/c1.tvd @T/nohdr.tvd
2|*|diff @T/c1.tvd --context -1 @T/c2.tvd
2|Formato di uscita sconosciuto*|diff @T/c1.tvd @T/c2.tvd -o @O/x.gif
2|*|diff @T/c1.tvd
2|$NO_OPEN|library list @T/folder.tvd
2|*|library list @T/nohdr.tvd
1|$READ_MSG|export @D/all_commands.tvd -o @O/x.bmp|x.bmp
2|*compreso tra*|export @D/$N -o @O/x.bmp --zoom 0
2|*compreso tra*|export @D/$N -o @O/x.bmp --relative --zoom 2001
2|*compreso tra*|export @D/$N -o @O/x.bmp --dpi 29
2|*compreso tra*|export @D/$N -o @O/x.bmp --dpi 2401
2|*compreso tra*|export @D/$N -o @O/x.bmp --microns 0
2|*compreso tra*|export @D/$N -o @O/x.bmp --microns 1001
2|*|export @T/nothing.tvd -o @T/keep.bmp
2|Formato di uscita sconosciuto*|export @D/$N -o @O/.png
2|L'opzione --zoom vale solo con --relative.|export @D/$N -o @O/x.bmp --zoom 100
2|L'opzione --zoom vale solo con --relative.|export @D/$N -o @O/x.png --absolute --zoom 100
2|L'opzione --dpi non vale con --relative.|export @D/$N -o @O/x.bmp --relative --dpi 300
2|L'opzione --microns non vale con --relative.|export @D/$N -o @O/x.png --microns 100 --relative
2|Le opzioni --relative e --absolute si escludono a vicenda.|export @D/$N -o @O/x.bmp --relative --absolute
2|L'opzione --antialias non vale per i file .bmp.|export @D/$N -o @O/x.bmp --antialias
2|L'opzione --dpi non vale per i file .svg.|export @D/$N -o @O/x.svg --dpi 300
2|L'opzione --relative non vale per i file .pdf.|export @D/$N -o @O/x.pdf --relative --zoom 100
2|L'opzione --absolute non vale per i file .svg.|export @D/$N -o @O/x.svg --absolute
2|L'opzione --microns non vale per i file .emf.|export @D/$N -o @O/x.emf --microns 100
2|L'opzione --antialias non vale per i file .emf.|export @D/$N -o @O/x.emf --antialias
2|L'opzione --dpi e' ripetuta.|export @D/$N -o @O/x.bmp --dpi 300 --dpi 600
2|L'opzione -o e' ripetuta.|export @D/$N -o @O/x.bmp -o @O/y.bmp
2|Argomento non previsto: @T/extra.tvd|export @D/$N -o @O/x.bmp @T/extra.tvd
2|Manca il valore di --zoom.|export @D/$N -o @O/x.bmp --relative --zoom
0||export @D/$N -o @O/x.png --absolute --dpi 300 --microns 100 --antialias|x.png
0||export @D/$N -o @O/x.pdf --microns 254|x.pdf
0||export @D/$N -o @O/x.svg --microns 1|x.svg
2|Argomento non previsto: extra|library dump extra
2|*|library dump -o @O/d.tvl
2|*|library dump --program-dir @T
2|*|library list -o @O/l.txt
2|*|library list --program-dir @T
2|*|library list a.tvl b.tvl
2|*|library sheet -o @O/s.png extra.tvl more.tvl
2|*|library frobnicate
1||drc @T/board.tvd --outline-layer 5|-=@T/board.want
0||drc @T/board.tvd --min-track 0.1 --clearance 0.05 --edge 0.1 --outline-layer 5|-=/dev/null
0||nets @T/board.tvd|-=@T/nets.want
2|*lunghezza in millimetri*|drc @T/board.tvd --clearance 0
2|*livello da 0 a 15*|drc @T/board.tvd --outline-layer 16
2|$NO_OPEN|drc @T/missing.tvd
2|*|drc
2|Non c'e' niente sui livelli del rame (1 e 2): nessun file scritto.|gerber @T/no_copper.tvd -o @O/r.zip
2|Il contorno sul livello 9 e' vuoto*|gerber @D/fab_board.tvd --outline-layer 9 -o @O/r.zip
2|Il valore di --stroke deve essere*|gerber @D/fab_board.tvd --stroke 0 -o @O/r.zip
2|$NO_OPEN|gerber @T/missing.tvd -o @O/r.zip
2|*|nets @T/board.tvd @T/board.tvd
2|*|normalize @D/all_commands.tvd @D/all_commands.tvd
2|*|normalize --split --split x.tvd
2|*|normalize x.tvd --as
2|*|render x.tvd -o @O/r.png --size 10x10px
2|*|render x.tvd -o @O/r.png --zoom 3
2|*|render x.tvd y.tvd -o @O/r.png
2|*|
EOF
cmp -s "$T/080.tvm" "$T/old.want" && cmp -s "$T/keep.bmp" "$T/old.want" || fail "a refusal changed an old file"

# Files that cannot be read, alike for every command that reads drawings: the
# message, then the file's name.
unreadable="$T/missing.tvd $T/folder.tvd"
[ "$(id -u)" -ne 0 ] && unreadable="$unreadable $T/locked.tvd" # root reads it anyway
for f in "$T/nohdr.tvd" "$T/lib.tvl" $unreadable; do
    want=$NO_OPEN
    case "$f" in "$T/nohdr.tvd" | "$T/lib.tvl") want=$NO_FORMAT ;; esac
    for cmd in normalize:tvd export:svg render:png; do
        "$CLI" "${cmd%:*}" "$f" -o "$T/never.${cmd#*:}" 2>"$T/err"
        [ $? = 2 ] && [ "$(cat "$T/err")" = "$want"$'\n'"$f" ] && [ ! -e "$T/never.${cmd#*:}" ] || fail "$cmd $f"
    done
done

# The standard library dumped lists as the file's components (base.KEY).
"$CLI" library dump >"$T/std.tvl"
"$CLI" library list "$T/std.tvl" >"$T/list.txt"
sed 's/\t~\([^\t]*\)$/\tstd.\1/' "$D/stdlib_list.txt" | cmp -s - "$T/list.txt" || fail "the dumped library's list"

# Export's defaults: absolute at 600 DPI; a relative bitmap has no resolution.
ppm() { od -An -tu4 -j38 -N4 "$1" | tr -d ' '; }
"$CLI" export "$D/$N" -o "$T/x.bmp" && "$CLI" export "$D/$N" -o "$T/r.bmp" --relative --zoom 100 || fail "export"
[ "$(ppm "$T/x.bmp")" = 23622 ] && [ "$(ppm "$T/r.bmp")" = 0 ] || fail "bmp pixels per metre"

# --help and --version: standard output, exit 0, no display needed; the
# usage names every option of every command.
for cmd in "$CLI --help" "$CLI render --help" "$CLI --version" "$EDITOR --help" "$EDITOR --version"; do
    # shellcheck disable=SC2086
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $cmd >"$T/out" 2>"$T/err"
    [ $? -eq 0 -a -s "$T/out" -a ! -s "$T/err" ] || fail "$cmd"
done
[ "$(cat "$T/out")" = "Tavolin 0.96pl4 Beta" ] || fail "version"
"$CLI" --help >"$T/out"
for opt in --context --open --split --as --view --zoom --grid --origin-mark --stretch --size dump sheet --relative --dpi --microns --antialias; do
    grep -q -- "$opt" "$T/out" || fail "usage without $opt"
done

# git's difftool without a display: the text, and no picture anywhere.
env -u DISPLAY -u WAYLAND_DISPLAY TMPDIR="$T/tmp" "$CLI" diff --open "$T/c1.tvd" "$T/c2.tvd" >"$T/out"
[ $? = 1 ] && cmp -s "$T/out" "$T/c12.want" && [ ! -e "$T/tmp" ] || fail "diff --open without a display"

# With a display: the picture in a new private folder for the viewer; of the
# folders earlier runs left, those more than a day old go, and nothing else.
P=$T/pictures
mkdir -p "$T/bin" "$P"/tavolin-diff-{Old123,New123,Sub123/sub,Oth123} "$P/other-Old123" "$P/tavolin-diff-1234567"
printf '#!/bin/sh\nexit 0\n' >"$T/bin/xdg-open" && chmod +x "$T/bin/xdg-open"
touch "$P/tavolin-diff-Old123/confronto.png" "$P/tavolin-diff-Fil123"
ln -s "$P/other-Old123" "$P/tavolin-diff-Lnk123"
[ "$(id -u)" -eq 0 ] && chown 12345 "$P/tavolin-diff-Oth123"
for f in "$P"/*; do [ "$f" = "$P/tavolin-diff-New123" ] || touch -h -d '2 days ago' "$f"; done
DISPLAY=:1 PATH="$T/bin:$PATH" TMPDIR="$P" "$CLI" diff --open "$T/c1.tvd" "$T/c2.tvd" >"$T/out"
[ $? = 1 ] && [ ! -s "$T/out" ] || fail "diff --open with a display"
[ ! -e "$P/tavolin-diff-Old123" ] || fail "diff --open left a folder two days old"
for f in New123 Sub123 Oth123 1234567 Fil123 Lnk123; do
    [ -e "$P/tavolin-diff-$f" ] || fail "diff --open removed tavolin-diff-$f"
done
[ -d "$P/other-Old123" ] && [ "$(ls "$P"/tavolin-diff-*/confronto.png | wc -l)" = 1 ] || fail "diff --open's picture"

[ "$failed" -eq 0 ] && echo "all passed"
[ "$failed" -eq 0 ]
