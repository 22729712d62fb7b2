# The open drawing's file changed by another program: "Sì" reloads it, Ctrl+Z
# brings back what was there (the document then modified); the program's own
# save is no change by another program; saving over a file changed on disk
# asks first, and "No" leaves the other program's file as it is.
. "$TV_E2E_DIR/lib.sh"

d=$TV_CASE_DIR/docs # apart from the case's own files, screenshots included
mkdir "$d"
printf '[TAVOLIN Prova]\r\nLI 10 10 100 100\r\n' >"$TV_CASE_DIR/raw.tvd"
"$TV_CLI" normalize "$TV_CASE_DIR/raw.tvd" -o "$TV_CASE_DIR/before.tvd" || tv_fail "tavolin-cli normalize failed"
cp "$TV_CASE_DIR/before.tvd" "$d/a.tvd"
cp "$TV_CASE_DIR/before.tvd" "$TV_CASE_DIR/raw2.tvd"
echo 'LI 20 20 200 20' >>"$TV_CASE_DIR/raw2.tvd"
"$TV_CLI" normalize "$TV_CASE_DIR/raw2.tvd" -o "$TV_CASE_DIR/after.tvd" || tv_fail "tavolin-cli normalize failed"
reload="MSG Attenzione|Il file a.tvd è stato modificato da un altro programma. Ricaricarlo?"

tv_start "$d/a.tvd"
tv_wait_ready
tv_wait_line "PAINTED a.tvd"
timeout 5 xdotool windowfocus --sync "$TV_MAIN" || tv_fail "could not focus the main window"
echo 'LI 20 20 200 20' >>"$d/a.tvd"
tv_wait_line "$reload"
tv_dismiss '^Attenzione$' Return
tv_mark; tv_key "$TV_MAIN" ctrl+s; tv_wait_new "COMMAND $TV_ID_SAVE"
expect_file_eq "reloaded, then saved" "$TV_CASE_DIR/after.tvd" "$d/a.tvd"
# The save asked nothing.
tv_key "$TV_MAIN" ctrl+z
tv_expect_title "Tavolin - a.tvd*"
expect_eq "questions" "$reload" "$(tv_trace_lines MSG)"
tv_mark; tv_key "$TV_MAIN" ctrl+s; tv_wait_new "COMMAND $TV_ID_SAVE"
expect_file_eq "Undo after the reload, saved" "$TV_CASE_DIR/before.tvd" "$d/a.tvd"

# Kept unreloaded ("No", as Escape gives), then saved over: "No" is the default.
printf '[TAVOLIN Altro]\r\n' >"$TV_CASE_DIR/other.tvd"
cp "$TV_CASE_DIR/other.tvd" "$d/a.tvd"
tv_wait_line "$reload" 2
tv_dismiss '^Attenzione$' Escape
tv_key "$TV_MAIN" ctrl+s
tv_wait_line "MSG Attenzione|Il file a.tvd è stato modificato da un altro programma. Sovrascriverlo?"
tv_mark
tv_dismiss '^Attenzione$' Return
tv_wait_new "COMMAND $TV_ID_SAVE"
expect_file_eq "the other program's file" "$TV_CASE_DIR/other.tvd" "$d/a.tvd"
tv_menu f e
tv_wait_line "MSG Tavolin|Salvare le modifiche a a.tvd?"
tv_dismiss '^Tavolin$' n
tv_wait_exit
expect_file_eq "the other program's file at the end" "$TV_CASE_DIR/other.tvd" "$d/a.tvd"
