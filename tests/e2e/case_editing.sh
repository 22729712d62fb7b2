# Editing with the mouse and the keys on a new drawing at 400 % (one unit is
# four pixels, the sheet's corner at the canvas's corner, snap 5): a chain of
# lines, a rectangle and an ellipse by drag, a polygon closed on a repeated
# vertex, texts through the property dialog, bands both ways, a move in place,
# four turns, Ctrl+S during a drag, and Save, Undo, close.
. "$TV_E2E_DIR/lib.sh"

tool() { tv_menu t "$1"; }

tv_start
tv_wait_ready
tv_new_drawing Documento1

# A chain: a click at A starts it, clicks at B and C place two lines, Escape
# drops the third that follows the mouse.
tool l
tv_click_at 20 20
tv_click_at 60 20
tv_click_at 60 50
tv_key "$TV_MAIN" Escape
tv_save_as "$TV_CASE_DIR/chain.tvd"
chain="LI 20 20 60 20
LI 60 20 60 50"
expect_eq "the chain of lines" "$chain" "$(tv_body "$TV_CASE_DIR/chain.tvd")"

# A rectangle and an ellipse by drag, a triangle closed on its third vertex.
tool r
tv_drag 70 10 100 30
tool e
tv_drag 105 10 130 30
tool p
tv_click_at 10 60
tv_click_at 30 60
tv_click_at 20 80
tv_click_at 20 80
tv_key "$TV_MAIN" ctrl+s
tv_expect_title "Tavolin - chain.tvd"
shapes="$chain
RV 70 10 100 30
EV 105 10 130 30
PV 10 60 30 60 20 80"
expect_eq "rectangle, ellipse and triangle" "$shapes" "$(tv_body "$TV_CASE_DIR/chain.tvd")"

# A text: its dialog cancelled leaves nothing, confirmed keeps it.
tool t
tv_click_at 40 90
tv_wait_window "^Proprieta'$"
tv_key "$TV_WIN" Escape
tv_wait_gone "$TV_WIN"
tv_click_at 40 90
tv_wait_window "^Proprieta'$"
tv_key "$TV_WIN" Return
tv_wait_gone "$TV_WIN"
tv_key "$TV_MAIN" ctrl+s
tv_expect_title "Tavolin - chain.tvd"
with_text=$(tv_body "$TV_CASE_DIR/chain.tvd")
expect_eq "lines after two texts, one cancelled" 6 "$(wc -l <<<"$with_text")"
case $(tail -1 <<<"$with_text") in
"TY 40 90 "*" Testo") ;;
*) tv_fail "the text is not the last line: $(tail -1 <<<"$with_text")" ;;
esac

# Bands: left to right takes what lies inside (rectangle and ellipse), right
# to left what it touches (the first line only); Delete shows what was taken.
tool s
tv_drag 65 5 135 35
tv_key "$TV_MAIN" Delete ctrl+s
tv_expect_title "Tavolin - chain.tvd"
expect_eq "after deleting a band dragged rightwards" "$chain
PV 10 60 30 60 20 80
$(tail -1 <<<"$with_text")" "$(tv_body "$TV_CASE_DIR/chain.tvd")"
tv_key "$TV_MAIN" ctrl+z
tv_drag 50 25 25 15
tv_key "$TV_MAIN" Delete ctrl+s
tv_expect_title "Tavolin - chain.tvd"
expect_eq "lines after deleting a band dragged leftwards" 5 "$(tv_body "$TV_CASE_DIR/chain.tvd" | wc -l)"
tv_body "$TV_CASE_DIR/chain.tvd" | grep -qx "LI 20 20 60 20" && tv_fail "the line the leftward band touched is still there"
tv_key "$TV_MAIN" ctrl+z ctrl+s
tv_expect_title "Tavolin - chain.tvd"
cp "$TV_CASE_DIR/chain.tvd" "$TV_CASE_DIR/before-turns.tvd"

# A move released where it started is no change.
tv_click_at 40 20
tv_drag 40 20 40 20
expect_eq "title after a move in place" "Tavolin - chain.tvd" "$(xdotool getwindowname "$TV_MAIN")"

# R turns the selection; four turns give the same bytes back.
tv_click_at 70 20
tv_key "$TV_MAIN" r
tv_expect_title "Tavolin - chain.tvd*"
tv_key "$TV_MAIN" r r r ctrl+s
tv_expect_title "Tavolin - chain.tvd"
expect_file_eq "after four turns" "$TV_CASE_DIR/before-turns.tvd" "$TV_CASE_DIR/chain.tvd"

# Ctrl+S while a line is dragged: the drag ends first, the line is saved where it was.
tv_to 40 20
tv_press
tv_mark
tv_move 40 30
tv_move 40 40
xdotool key ctrl+s
xdotool mouseup 1
tv_wait_new "COMMAND $TV_ID_SAVE"
tv_wait_new RELEASE
expect_file_eq "saved during a drag" "$TV_CASE_DIR/before-turns.tvd" "$TV_CASE_DIR/chain.tvd"

# The height common to two texts set to 12 in "Proprieta'" (Alt+Enter; its
# third row), then 150, which texts refuse: nothing changes.
tool t
tv_click_at 80 90
tv_wait_window "^Proprieta'$"
tv_key "$TV_WIN" Return
tv_wait_gone "$TV_WIN"
tool s
tv_drag 35 83 115 99
tv_key "$TV_MAIN" alt+Return
tv_wait_window "^Proprieta'$"
tv_key "$TV_WIN" Tab Tab ctrl+a
xdotool type --delay 10 "12"
xdotool key Return
tv_wait_gone "$TV_WIN"
tv_key "$TV_MAIN" ctrl+s
tv_expect_title "Tavolin - chain.tvd"
expect_eq "texts 12 units high" "TY 40 90 12 3 0 0 0 * Testo
TY 80 90 12 3 0 0 0 * Testo" "$(tv_body "$TV_CASE_DIR/chain.tvd" | grep '^TY')"
tv_mark
tv_key "$TV_MAIN" alt+Return
tv_wait_window "^Proprieta'$"
tv_key "$TV_WIN" Tab Tab ctrl+a
xdotool type --delay 10 "150"
xdotool key Return
tv_wait_gone "$TV_WIN"
tv_wait_new "COMMAND $TV_ID_PROPERTIES"
expect_eq "title after a height of 150" "Tavolin - chain.tvd" "$(xdotool getwindowname "$TV_MAIN")"

# The height edited is the default of the next text, which is placed like the
# others: the edit does not hand its selection on to new texts.
tool t
tv_click_at 120 90
tv_wait_window "^Proprieta'$"
tv_key "$TV_WIN" Return
tv_wait_gone "$TV_WIN"
tv_expect_title "Tavolin - chain.tvd*"
tv_key "$TV_MAIN" ctrl+s
tv_expect_title "Tavolin - chain.tvd"
expect_eq "a text after the edit" "TY 120 90 12 3 0 0 0 * Testo" \
    "$(tv_body "$TV_CASE_DIR/chain.tvd" | grep '^TY' | tail -1)"

# Save, Undo: the drawing differs from the file, and closing asks.
tool l
tv_click_at 5 5
tv_click_at 5 40
tv_key "$TV_MAIN" Escape ctrl+s
tv_expect_title "Tavolin - chain.tvd"
tv_key "$TV_MAIN" ctrl+z
tv_expect_title "Tavolin - chain.tvd*"
tv_menu f e
tv_wait_msg "Tavolin|Salvare le modifiche a chain.tvd?"
tv_dismiss '^Tavolin$' Escape
tv_alive || tv_fail "the program ended though the question was cancelled"
tv_key "$TV_MAIN" ctrl+s
tv_expect_title "Tavolin - chain.tvd"
tv_quit
