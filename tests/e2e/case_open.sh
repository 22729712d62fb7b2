# A file named on the command line opens in a maximised document window;
# Ctrl+S saves it in place with the bytes `tavolin-cli normalize` gives; the
# file is in the recent list afterwards. (The boxes of files that cannot be
# opened, each before the next file opens, are the English case's.)
. "$TV_E2E_DIR/lib.sh"

# The examples are written the way the program saves, so this copy is made
# untidy (LF line ends, extra spaces, lower-case commands).
sed 's/\r$//; s/^LI /LI   /; s/^SA /sa /' "$TV_EXAMPLES/esempio.tvd" >"$TV_CASE_DIR/esempio.tvd"
"$TV_CLI" normalize "$TV_CASE_DIR/esempio.tvd" -o "$TV_CASE_DIR/tidy.tvd" || tv_fail "tavolin-cli normalize failed"
cmp -s "$TV_CASE_DIR/tidy.tvd" "$TV_CASE_DIR/esempio.tvd" && tv_fail "the untidy copy is already tidy"

d=$TV_CASE_DIR
tv_run "$d/esempio.tvd"
tv_expect_title "Tavolin - esempio.tvd"

# Maximised: the canvas starts at the main window's left edge, and none of
# the empty MDI area's grey shows around it.
tv_view esempio.tvd
tv_geometry "$TV_MAIN"
tv_park_pointer
grey=$(import -window "$TV_MAIN" png:- | convert - -fuzz 1% -fill black +opaque '#A0A0A0' -fill white \
    -opaque '#A0A0A0' -format '%[fx:mean * 100]' info:)
[ $((TV_VX - TV_X)) -le 2 ] && awk -v g="$grey" 'BEGIN { exit !(g < 1) }' ||
    tv_fail "the document window is not maximised: canvas at x=$TV_VX in the window at $TV_X, $grey % grey"

tv_keys_then "COMMAND $TV_ID_SAVE" ctrl+s
expect_file_eq "saved with Ctrl+S" "$d/tidy.tvd" "$d/esempio.tvd"
tv_expect_title "Tavolin - esempio.tvd"
expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_quit
expect_eq "recent files" "Recent File List/File1=$d/esempio.tvd" "$(tv_ini "$TV_CONF" | grep '^Recent File List/')"
