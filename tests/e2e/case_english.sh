# An English desktop gets the English interface, down to the core's messages;
# the setting "strLanguage" overrides the desktop's language. Its keys are an
# English desktop's.
. "$TV_E2E_DIR/lib.sh"

rm -f "$TV_CONF" # also when the case runs again in the same folder
printf 'garbage\r\n' >bad.tvd
printf '[TAVOLIN Prova]\r\nLI 10 10 100 100\r\n' >good.tvd
# The locale need not exist on the machine for Qt to read it (bash warns).
{ export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 LANGUAGE=en_US; } 2>/dev/null

tv_start bad.tvd missing.tvd good.tvd
tv_dismiss '^Error$'
tv_dismiss '^Error$'
tv_wait_ready
tv_wait_line "PAINTED good.tvd"
timeout 5 xdotool windowfocus --sync "$TV_MAIN" || tv_fail "could not focus the main window"
echo 'LI 20 20 200 20' >>good.tvd # a question made with the file's name
tv_dismiss '^Warning$' Return
expect_eq "message boxes on an English desktop" "MSG Error|The file format is not valid.\\nbad.tvd
MSG Error|Cannot open the file.\\nmissing.tvd
MSG Warning|The file good.tvd has been changed by another program. Reload it?" "$(tv_trace_lines MSG)"
# The keys of an English desktop: Ctrl+A selects all, Ctrl+O opens.
tv_keys_then "COMMAND 57642" ctrl+a
tv_key "$TV_MAIN" ctrl+o
tv_wait_window '^Open$'
tv_key "$TV_WIN" Escape
tv_wait_new "COMMAND 57601"
tv_close
tv_wait_exit

mkdir -p "$(dirname "$TV_CONF")"
printf '[Configurazione]\nstrLanguage=it\n' >"$TV_CONF"
tv_start bad.tvd
tv_dismiss '^Errore$'
tv_wait_ready
expect_eq "message box with Italian chosen" "MSG Errore|Formato del file non corretto.\\nbad.tvd" "$(tv_trace_lines MSG)"
tv_close
tv_wait_exit
