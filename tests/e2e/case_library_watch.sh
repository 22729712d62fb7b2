# A library copied into libs while the program runs, in two halves a moment
# apart, shows once and whole: a component of the second half is found with
# Ctrl+F and picked with Return (the macro tool, no beep); a library written
# later is noticed too.
. "$TV_E2E_DIR/lib.sh"

prog=$TV_CASE_DIR/prog
mkdir -p "$prog/libs" "$prog/macros"
tv_start --program-dir "$prog"
tv_wait_ready

lib=$prog/libs/copiata.tvl
printf '[TAVOLIB Copiata]\r\n{Prove}\r\n[P1 Primo pezzo]\r\nLI 90 100 110 100\r\n' >"$lib"
sleep 0.2
printf '[P2 Seconda metà]\r\nSA 100 100\r\n' >>"$lib"
sleep 1.2 # the folders are quiet for half a second before the tree is read again

find_leaf() {
    tv_key "$TV_MAIN" ctrl+f
    xdotool key --delay 20 ctrl+a
    xdotool type --delay 10 -- "$1"
    xdotool key Return
}

find_leaf "Seconda"
tv_wait_line "TOOL 10"
[ -z "$(tv_trace_lines BEEP)" ] || tv_fail "a beep: the second half was not read"

printf '[TAVOLIB Dopo]\r\n[D1 Scritta dopo]\r\nSA 100 100\r\n' >"$prog/libs/dopo.tvl"
sleep 1.2
find_leaf "Scritta dopo"
[ -z "$(tv_trace_lines BEEP)" ] || tv_fail "a beep: the library written later was not read"
tv_quit
