# An English desktop gets the English interface, down to the core's messages;
# the setting "strLanguage" overrides the desktop's language.
. "$TV_E2E_DIR/lib.sh"

printf 'garbage\r\n' >bad.tvd
# The locale need not exist on the machine for Qt to read it (bash warns).
{ export LC_ALL=en_US.UTF-8 LANG=en_US.UTF-8 LANGUAGE=en_US; } 2>/dev/null

tv_start bad.tvd missing.tvd
tv_dismiss '^Error$'
tv_dismiss '^Error$'
tv_wait_ready
expect_eq "message boxes on an English desktop" "MSG Error|The file format is not valid.
MSG Error|Cannot open the file." "$(tv_trace_lines MSG)"
tv_close
tv_wait_exit

mkdir -p "$(dirname "$TV_CONF")"
printf '[Configurazione]\nstrLanguage=it\n' >"$TV_CONF"
tv_start bad.tvd
tv_dismiss '^Errore$'
tv_wait_ready
expect_eq "message box with Italian chosen" "MSG Errore|Formato del file non corretto." "$(tv_trace_lines MSG)"
tv_close
tv_wait_exit
