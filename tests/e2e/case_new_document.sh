# "&File" -> "&Nuovo" offers the kinds of document with "Documento Tavolin"
# first; the new drawing is "Documento1", and Ctrl+S on it asks for a name.
. "$TV_E2E_DIR/lib.sh"

tv_start
tv_wait_ready
tv_expect_title "Tavolin"
tv_menu f n
tv_wait_window '^Nuovo$'
tv_key "$TV_WIN" Return
tv_wait_gone "$TV_WIN"
tv_wait_painted Documento1
tv_expect_title "Tavolin - Documento1"

tv_save_as "$TV_CASE_DIR/nuovo.tvd"
[ -f "$TV_CASE_DIR/nuovo.tvd" ] || tv_fail "nothing saved as nuovo.tvd"
"$TV_CLI" normalize "$TV_CASE_DIR/nuovo.tvd" -o "$TV_CASE_DIR/tidy.tvd" || tv_fail "the saved file does not read back"
expect_file_eq "empty drawing as saved" "$TV_CASE_DIR/tidy.tvd" "$TV_CASE_DIR/nuovo.tvd"
expect_eq "lines in the saved empty drawing" 1 "$(wc -l <"$TV_CASE_DIR/nuovo.tvd")"
case $(head -c 9 "$TV_CASE_DIR/nuovo.tvd") in
'[TAVOLIN '*) ;;
*) tv_fail "the saved file does not start with '[TAVOLIN ': $(head -c 40 "$TV_CASE_DIR/nuovo.tvd")" ;;
esac

# The next new drawing counts on.
tv_menu f n
tv_wait_window '^Nuovo$'
tv_key "$TV_WIN" Return
tv_wait_painted Documento2
tv_expect_title "Tavolin - Documento2"
expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_quit
expect_eq "recent files" "Recent File List/File1=$TV_CASE_DIR/nuovo.tvd" \
    "$(tv_ini "$TV_CONF" | grep '^Recent File List/')"
