# A drawing named on the command line opens in a maximised document window:
# its name in the title, the drawing filling the area between the toolbars and
# the status bar, and the file in the recent list afterwards.
. "$TV_E2E_DIR/lib.sh"

cp "$TV_EXAMPLES/amplificatore.tvd" "$TV_CASE_DIR/"
tv_start "$TV_CASE_DIR/amplificatore.tvd"
tv_wait_ready
tv_wait_painted amplificatore.tvd
tv_expect_title "Tavolin - amplificatore.tvd"
grep -q '^MSG ' "$TV_TRACE" && tv_fail "a message box came up: $(grep '^MSG ' "$TV_TRACE")"

# The canvas (white, the drawing in black) reaches across the whole window
# and down to the status bar, with no title bar of its own above it and none
# of the grey of an empty MDI area, which shows around a document window that
# is not maximised.
tv_park_pointer
tv_screenshot "$TV_CASE_DIR/window.png" "$TV_MAIN"
tv_geometry "$TV_MAIN"
tv_canvas "$TV_CASE_DIR/window.png"
canvas="${TV_CANVAS_W}x$TV_CANVAS_H+$TV_CANVAS_X+$TV_CANVAS_Y in ${TV_W}x$TV_H"
[ "$TV_CANVAS_W" -ge $((TV_W - 10)) ] || tv_fail "document window narrower than the main window: canvas $canvas"
[ "$TV_CANVAS_H" -ge $((TV_H * 6 / 10)) ] || tv_fail "document window too low: canvas $canvas"
[ "$TV_TITLE_ROWS" -eq 0 ] || tv_fail "document window not maximised: its title bar ($TV_TITLE_ROWS rows) shows above the canvas $canvas"
[ "$TV_WINDOW_GREY" -le $((TV_W * TV_H / 100)) ] || tv_fail "document window not maximised: $TV_WINDOW_GREY pixels of the MDI area's grey"
[ "$TV_CANVAS_WHITE" -gt $((TV_CANVAS_PIXELS / 2)) ] || tv_fail "canvas not white: $TV_CANVAS_WHITE of $TV_CANVAS_PIXELS pixels"
[ "$TV_CANVAS_DARK" -gt 500 ] || tv_fail "no drawing on the canvas: $TV_CANVAS_DARK dark pixels"

tv_quit
expect_eq "recent files after opening one" \
"Recent File List/File1=$TV_CASE_DIR/amplificatore.tvd" "$(tv_ini "$TV_CONF" | grep '^Recent File List/')"
