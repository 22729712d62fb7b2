# "&Opzioni" -> "&Configurazione...": the "Impostazioni" dialog. OK keeps the
# changes, Annulla drops them, and an out-of-range "Millesimi di mm per UL:" is
# refused with the dialog left open.
. "$TV_E2E_DIR/lib.sh"

first_launch() { rm -rf "$XDG_CONFIG_HOME"; mkdir -p "$XDG_CONFIG_HOME"; tv_start; tv_wait_ready; }

open_dialog() {
    tv_menu o c
    tv_wait_window '^Impostazioni$'
    DLG=$TV_WIN
}

# "Splitta" off, "Grande", 500 UL, both check boxes below off. Tab into the
# size group lands on "Piccola" whatever is checked; Down stops at the last
# one, so two of them reach "Grande" from anywhere in the group.
change_everything() {
    tv_key "$DLG" space Tab Down Down Tab ctrl+a
    xdotool type --delay 10 500
    xdotool key --delay 30 Tab space Tab space
}

# The settings of a run where the dialog is never opened.
first_launch
tv_quit
cp "$TV_CONF" "$TV_CASE_DIR/plain.conf"

# OK: every change reaches the settings file (so that the keys above do change
# things, and Annulla below has something to drop).
first_launch
open_dialog
change_everything
xdotool key Return
tv_wait_gone "$DLG"
tv_quit
expect_eq "Configurazione after OK" \
"Configurazione/bPrintMirror=0
Configurazione/bRegisterFileTypes=0
Configurazione/bSplit=0
Configurazione/nMacrobarSize=2" "$(tv_ini "$TV_CONF" | grep '^Configurazione/')"

# Annulla after the same changes: the file is as if the dialog never opened.
first_launch
open_dialog
change_everything
xdotool key --delay 30 Tab Tab space   # OK, then Annulla
tv_wait_gone "$DLG"
tv_quit
expect_file_eq "settings file after Annulla" "$TV_CASE_DIR/plain.conf" "$TV_CONF"

# Out of range or not a number: refused each time, the dialog stays; then a
# good value is taken.
first_launch
open_dialog
tv_key "$DLG" Tab Tab
n=0
for bad in 0 1001 abc ""; do
    n=$((n + 1))
    tv_key "$DLG" ctrl+a BackSpace
    [ -n "$bad" ] && xdotool type --delay 10 "$bad"
    xdotool key Return
    tv_wait_msg "Tavolin|Immettere un numero intero compreso tra 1 e 1000." $n
    tv_dismiss '^Tavolin$'
    tv_is_shown "$DLG" || tv_fail "the dialog closed after OK with '$bad'"
done
tv_key "$DLG" ctrl+a
xdotool type --delay 10 1000
xdotool key Return
tv_wait_gone "$DLG"
expect_eq "message boxes" "$n" "$(tv_trace_lines MSG | wc -l)"
tv_quit
expect_file_eq "settings file after a refused value" "$TV_CASE_DIR/plain.conf" "$TV_CONF"
