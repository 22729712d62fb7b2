# Autosave and recovery: a drawing and an untitled one are changed, autosaved
# (every 2 s here), and the program is killed; started again it offers them,
# "Ripristina" opens both modified, the drawing under its own path, the other
# untitled (the drawing, also named on the command line, in one window), and
# saving writes the autosaved bytes. The file on disk is never
# touched meanwhile, and a clean end leaves no autosave behind.
. "$TV_E2E_DIR/lib.sh"

d=$TV_CASE_DIR
folder=$XDG_STATE_HOME/tavolin/autosave
"$TV_CLI" normalize "$TV_EXAMPLES/esempio.tvd" -o "$d/disegno.tvd" || tv_fail "tavolin-cli normalize failed"
cp "$d/disegno.tvd" "$d/originale.tvd"

tv_run --autosave-seconds 2 --zoom 400 --origin 0,0 "$d/disegno.tvd"
tv_view disegno.tvd
tv_menu t r
tv_drag 70 10 100 30
tv_wait_line "AUTOSAVED disegno.tvd"
tv_new_drawing Documento1
tv_menu t r
tv_drag 10 10 20 30
tv_wait_line "AUTOSAVED Documento1"
drawing=$(grep -lx "path=$d/disegno.tvd" "$folder"/*.info)
cp "${drawing%.info}.data" "$d/autosalvato.tvd"
grep -q "^RV 70 10 100 30" "$d/autosalvato.tvd" || tv_fail "the autosave lacks the new rectangle"
kill -KILL "$TV_PID"
tv_reap
expect_file_eq "the file after the crash" "$d/originale.tvd" "$d/disegno.tvd"

tv_start --autosave-seconds 2 "$d/disegno.tvd"
question="MSG Tavolin|Sono stati trovati documenti non salvati di una sessione precedente.\n\n$d/disegno.tvd\nDocumento Tavolin senza nome"
tv_wait_line "$question"
tv_find_main
tv_dismiss '^Tavolin$'
tv_wait_ready
tv_wait_line "PAINTED disegno.tvd"
tv_expect_title "Tavolin - disegno.tvd*"
# Named on the command line too, the drawing is open once, as recovered: the
# next window is the untitled one, and the one after it the drawing again.
tv_key "$TV_MAIN" ctrl+Tab
tv_expect_title "Tavolin - Documento1*"
tv_keys_then "COMMAND 32871" ctrl+Tab
tv_expect_title "Tavolin - disegno.tvd*"
expect_eq "messages of the recovery" "$question" "$(tv_trace_lines MSG)"
expect_file_eq "the file after the recovery" "$d/originale.tvd" "$d/disegno.tvd"
tv_save_over "$d/disegno.tvd"
expect_file_eq "the recovered drawing saved" "$d/autosalvato.tvd" "$d/disegno.tvd"
tv_mark
tv_menu f e
tv_wait_line "MSG Tavolin|Salvare le modifiche a Documento1?" # still untitled
tv_dismiss '^Tavolin$' alt+n
tv_wait_exit
expect_eq "exit status" 0 "$TV_RC"
expect_eq "autosaves left" "" "$(ls -A "$folder")"
