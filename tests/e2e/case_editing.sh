# Editing with the mouse and the keys on a new drawing at 400 % (one unit is
# four pixels, the sheet's corner at the canvas's corner, snap 5): a chain of
# lines by clicks, a rectangle by drag, a text through its dialog, a band and
# Delete, then Undo, and the question on quitting with unsaved changes.
. "$TV_E2E_DIR/lib.sh"

tool() { tv_menu t "$1"; }
saved() { tv_body "$TV_CASE_DIR/chain.tvd"; }

tv_start
tv_wait_ready
tv_new_drawing Documento1

# A click starts the chain, two more place two lines, Escape drops the third.
tool l
tv_click_at 20 20
tv_click_at 60 20
tv_click_at 60 50
tv_key "$TV_MAIN" Escape
tool r
tv_drag 70 10 100 30
tool t
tv_click_at 40 90
tv_wait_window "^Proprieta'$"
tv_key "$TV_WIN" Return
tv_wait_gone "$TV_WIN"
tv_save_as "$TV_CASE_DIR/chain.tvd"
all="LI 20 20 60 20
LI 60 20 60 50
RV 70 10 100 30
TY 40 90 5 3 0 0 0 * Testo"
expect_eq "lines, rectangle and text" "$all" "$(saved)"

# A band round the rectangle, Delete, saved; Undo brings it back unsaved.
tool s
tv_drag 65 5 105 35
tv_key "$TV_MAIN" Delete ctrl+s
tv_expect_title "Tavolin - chain.tvd"
expect_eq "after deleting the band" "$(grep -v '^RV' <<<"$all")" "$(saved)"
tv_key "$TV_MAIN" ctrl+z
tv_expect_title "Tavolin - chain.tvd*"
tv_menu f e
tv_wait_line "MSG Tavolin|Salvare le modifiche a chain.tvd?"
tv_dismiss '^Tavolin$' Escape
tv_key "$TV_MAIN" ctrl+s
tv_expect_title "Tavolin - chain.tvd"
expect_eq "after Undo" "$all" "$(saved)"
tv_quit
