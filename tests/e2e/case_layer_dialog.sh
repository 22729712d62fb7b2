# "&Visualizza" -> "&Visualizzazione e stampa layer...": "Gestione Layer"
# cancelled after a change leaves the settings file as a run without it, and
# nothing is ever written under "Layers" at exit.
. "$TV_E2E_DIR/lib.sh"

first_launch() { rm -rf "$XDG_CONFIG_HOME"; mkdir -p "$XDG_CONFIG_HOME"; tv_start; tv_wait_ready; }

first_launch
tv_quit
cp "$TV_CONF" "$TV_CASE_DIR/plain.conf"

first_launch
tv_menu v v
tv_wait_window '^Gestione Layer$'
DLG=$TV_WIN
tv_key "$DLG" ctrl+a
xdotool type --delay 10 "Prova"
xdotool key --delay 30 Tab space   # a name changed, a show box unticked
xdotool key Escape                 # Annulla
tv_wait_gone "$DLG"
tv_quit
expect_file_eq "settings file after Gestione Layer and Annulla" "$TV_CASE_DIR/plain.conf" "$TV_CONF"
tv_ini "$TV_CONF" | grep -q '^Layers/' && tv_fail "layers written at exit"
true
