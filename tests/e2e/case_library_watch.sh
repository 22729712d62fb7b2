# A library copied into libs while the program runs, in two halves a moment
# apart, shows once and whole: a component of the second half is found with
# Ctrl+F, picked with Return (the macro tool, no beep) and placed with a click;
# after a close cancelled at its question, a library written later is noticed too.
. "$TV_E2E_DIR/lib.sh"

prog=$TV_CASE_DIR/prog
mkdir -p "$prog/libs" "$prog/macros"
tv_start --program-dir "$prog"
tv_wait_ready
tv_new_drawing Documento1
tv_macros

lib=$prog/libs/copiata.tvl
printf '[TAVOLIB Copiata]\r\n{Prove}\r\n[P1 Primo pezzo]\r\nLI 90 100 110 100\r\n' >"$lib"
sleep 0.2 # half of the quiet time the watcher waits for
printf '[P2 Seconda metà]\r\nSA 100 100\r\n' >>"$lib"
tv_wait_line "MACROS $((TV_MACROS + 2))"

find_leaf() {
    tv_key "$TV_MAIN" ctrl+f
    xdotool key --delay 20 ctrl+a
    xdotool type --delay 10 -- "$1"
    xdotool key Return
}

find_leaf "Seconda met"
tv_wait_line "TOOL 10"
[ -z "$(tv_trace_lines BEEP)" ] || tv_fail "a beep: the second half was not read"
xdotool mousemove --sync $((TV_VX + 80)) $((TV_VY + 80)) click 1
tv_expect_title "Tavolin - Documento1*"
[ -z "$(tv_trace_lines BEEP)" ] || tv_fail "a beep: the component was not placed"

# Quitting asks about the placed component; "Annulla" keeps the program and its watcher.
tv_menu f e
tv_wait_msg "Tavolin|Salvare le modifiche a Documento1?"
tv_dismiss '^Tavolin$' Escape

printf '[TAVOLIB Dopo]\r\n[D1 Scritta dopo]\r\nSA 100 100\r\n' >"$prog/libs/dopo.tvl"
tv_wait_line "MACROS $((TV_MACROS + 3))"
find_leaf "Scritta dopo"
[ -z "$(tv_trace_lines BEEP)" ] || tv_fail "a beep: the library written later was not read"
xdotool mousemove --sync $((TV_VX + 160)) $((TV_VY + 80)) click 1
tv_save_as "$TV_CASE_DIR/placed.tvd"
# Saved split into their primitives ("bSplit"): they are no standard symbols.
expect_eq "the two components placed" "SA 20 20
SA 40 20" "$(tail -n +2 "$TV_CASE_DIR/placed.tvd" | tr -d '\r')"
tv_quit
