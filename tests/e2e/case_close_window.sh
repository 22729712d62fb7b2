# Closing the main window (what a window manager's close button sends) quits
# like "&Esci" and saves the same settings.
. "$TV_E2E_DIR/lib.sh"

tv_start
tv_wait_ready
tv_close
tv_wait_exit
expect_eq "exit status after closing the window" 0 "$TV_RC"
expect_eq "settings after closing the window" \
"$TV_FIRST_RUN_SETTINGS" "$(tv_ini "$TV_CONF" blob)"
