# "Numera in progressione..." with prefix "R", start 8 and "Aggiungi zeri"
# numbers three components R08, R09, R10 and keeps their titles; "Annulla"
# changes nothing.
. "$TV_E2E_DIR/lib.sh"

lib=$TV_CASE_DIR/tre.tvl
printf '[TAVOLIB Tre]\r\n[A Primo]\r\nLI 90 100 110 100\r\n[B Secondo]\r\n[C Terzo]\r\nSA 100 100\r\n' >"$lib"
saved() { tr -d '\r' <"$lib"; }
number_dialog() {
    tv_menu l n
    tv_wait_window '^Numera in progressione$'
}

tv_start "$lib"
tv_wait_ready
tv_wait_painted tre.tvl

number_dialog
tv_key "$TV_WIN" End shift+Home R Tab 9 Escape
tv_wait_gone "$TV_WIN"
tv_expect_title "Tavolin - tre.tvl"

number_dialog
d=$TV_WIN
# The prefix, the first number, the step, then "Aggiungi zeri" and OK.
tv_key "$d" End shift+Home R Tab ctrl+a 8 Tab Tab space Return
tv_wait_gone "$d"
tv_expect_title "Tavolin - tre.tvl*"
tv_key "$TV_MAIN" ctrl+s
tv_expect_title "Tavolin - tre.tvl"
expect_eq "the numbered library" "[TAVOLIB Tre]
[R08 Primo]
LI 90 100 110 100
[R09 Secondo]
[R10 Terzo]
SA 100 100" "$(saved)"
expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_quit
