# Files that cannot be opened, named before a good one on the command line:
# each gives its "Errore" box, the program keeps going and opens the next one.
. "$TV_E2E_DIR/lib.sh"

printf 'Questo non e'"'"' un disegno\r\nLI 1 2 3 4\r\n' >"$TV_CASE_DIR/testo.tvd"
cp "$TV_EXAMPLES/esempio.tvd" "$TV_CASE_DIR/"

# A text without a header, then a good drawing.
tv_start "$TV_CASE_DIR/testo.tvd" "$TV_CASE_DIR/esempio.tvd"
tv_wait_msg "Errore|Formato del file non corretto."
tv_dismiss '^Errore$'
tv_wait_ready
tv_wait_painted esempio.tvd
tv_expect_title "Tavolin - esempio.tvd"
expect_eq "message boxes" "MSG Errore|Formato del file non corretto." "$(tv_trace_lines MSG)"
expect_eq "documents painted" "PAINTED esempio.tvd" "$(tv_trace_lines PAINTED)"
tv_quit
expect_eq "recent files" "Recent File List/File1=$TV_CASE_DIR/esempio.tvd" \
    "$(tv_ini "$TV_CONF" | grep '^Recent File List/')"

# A missing file, a folder, then the good drawing.
mkdir "$TV_CASE_DIR/cartella.tvd"
tv_start "$TV_CASE_DIR/manca.tvd" "$TV_CASE_DIR/cartella.tvd" "$TV_CASE_DIR/esempio.tvd"
tv_wait_msg "Errore|Impossibile aprire il file."
tv_dismiss '^Errore$'
tv_wait_msg "Errore|Impossibile aprire il file." 2
tv_dismiss '^Errore$'
tv_wait_ready
tv_wait_painted esempio.tvd
tv_expect_title "Tavolin - esempio.tvd"
expect_eq "message boxes" "MSG Errore|Impossibile aprire il file.
MSG Errore|Impossibile aprire il file." "$(tv_trace_lines MSG)"
tv_quit
