# The settings file: a first launch leaves the defaults (Esci); dialogs
# cancelled and the window's close button leave the same file; OK in
# "Impostazioni" writes its changes.
. "$TV_E2E_DIR/lib.sh"

first_launch() { rm -rf "$XDG_CONFIG_HOME"; mkdir -p "$XDG_CONFIG_HOME"; tv_run; }

# "Splitta" off, "Grande", 500 UL, both check boxes below off. Tab into the
# size group lands on "Piccola" whatever is checked; Down stops at the last
# one, so two of them reach "Grande" from anywhere in the group.
change_configuration() {
    tv_menu o c
    tv_wait_window '^Impostazioni$'
    DLG=$TV_WIN
    tv_key "$DLG" space Tab Down Down Tab ctrl+a
    xdotool type --delay 10 500
    xdotool key --delay 30 Tab space Tab space
}

first_launch
tv_geometry "$TV_MAIN"
expect_eq "main window place and size on a first launch" "20,20 780x580" "$TV_X,$TV_Y ${TV_W}x$TV_H"
tv_quit
expect_eq "settings after a first launch" "Configurazione/bPrintMirror=1
Configurazione/bRegisterFileTypes=1
Configurazione/bSplit=1
Configurazione/nMacrobarSize=1
Toolbars/State=<bytes>
Window State/bottom=600
Window State/left=20
Window State/right=800
Window State/top=20" "$(tv_ini "$TV_CONF" | sed 's|^Toolbars/State=@ByteArray(.*)$|Toolbars/State=<bytes>|')"
expect_eq "files in the settings folder" "Tavolin.conf" "$(ls "$XDG_CONFIG_HOME/Zanibo Corporation")"
cp "$TV_CONF" "$TV_CASE_DIR/plain.conf"

# Both dialogs changed then cancelled; the close button quits like Esci.
first_launch
change_configuration
xdotool key --delay 30 Tab Tab space # OK, then Annulla
tv_wait_gone "$DLG"
tv_menu v v
tv_wait_window '^Gestione Layer$'
tv_key "$TV_WIN" ctrl+a
xdotool type --delay 10 "Prova"
xdotool key --delay 30 Tab space Escape # a name changed, a show box unticked, Annulla
tv_wait_gone "$TV_WIN"
tv_close
tv_wait_exit
expect_eq "exit status after closing the window" 0 "$TV_RC"
expect_file_eq "settings after cancelled dialogs and the close button" "$TV_CASE_DIR/plain.conf" "$TV_CONF"

tv_run
change_configuration
xdotool key Return
tv_wait_gone "$DLG"
tv_quit
expect_eq "Configurazione after OK" "Configurazione/bPrintMirror=0
Configurazione/bRegisterFileTypes=0
Configurazione/bSplit=0
Configurazione/nMacrobarSize=2" "$(tv_ini "$TV_CONF" | grep '^Configurazione/')"

# The tabbed view, once set, holds at the next start.
tv_run
tv_menu o c
tv_wait_window '^Impostazioni$'
tv_key "$TV_WIN" shift+Tab space Return # the last field, then OK
tv_wait_line "TABBED 1"
tv_quit
tv_run
expect_eq "the documents at the next start" "TABBED 1" "$(tv_trace_lines TABBED)"
tv_quit
