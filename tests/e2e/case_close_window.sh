# Closing the main window (what a window manager's close button sends) quits
# like "&Esci" and saves the same settings.
. "$TV_E2E_DIR/lib.sh"

tv_start
tv_wait_ready
tv_close
tv_wait_exit
expect_eq "exit status after closing the window" 0 "$TV_RC"
expect_eq "settings after closing the window" \
"Configurazione/bPrintMirror=1
Configurazione/bRegisterFileTypes=1
Configurazione/bSplit=1
Configurazione/nMacrobarSize=1
Toolbars/State=<bytes>
Window State/bottom=600
Window State/left=20
Window State/right=800
Window State/top=20" "$(tv_ini "$TV_CONF" blob)"
