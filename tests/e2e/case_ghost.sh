# The macro tool shows its symbol at the pointer before any press: the
# screenshot has the symbol's ink about the pointer, and none before, and the
# drawing is not modified by it. R, with the keys still in the macro bar's
# filter, turns it there; the click places it as turned.
. "$TV_E2E_DIR/lib.sh"

d=$TV_CASE_DIR
# Selection-coloured pixels (pure red) of a screenshot within a box of the screen.
red_pixels() { # FILE X Y W H
    convert "$1" -crop "${4}x$5+$2+$3" +repage -depth 8 rgb:- | python3 -c '
import sys
b = sys.stdin.buffer.read()
print(sum(1 for i in range(0, len(b), 3) if b[i] > 200 and b[i + 1] < 60 and b[i + 2] < 60))'
}

tv_run
tv_new_drawing Documento1
tv_key "$TV_MAIN" ctrl+f
xdotool type --delay 10 -- "Resistore"
xdotool key Return
tv_wait_line "TOOL 10"

# At 400 % the resistor reaches 10 units (40 pixels) right of its origin.
read -r px py <<<"$(tv_at 30 30)"
import -window root "$d/before.png" 2>/dev/null || tv_fail "no screenshot"
tv_mark
xdotool mousemove "$px" "$py"
tv_wait_new "GHOST 30 30"
import -window root "$d/ghost.png" 2>/dev/null || tv_fail "no screenshot"
before=$(red_pixels "$d/before.png" $((px - 10)) $((py - 20)) 60 40)
shown=$(red_pixels "$d/ghost.png" $((px - 10)) $((py - 20)) 60 40)
expect_eq "no symbol before the pointer came" 0 "$before"
[ "$shown" -gt 40 ] || tv_fail "the symbol at the pointer has $shown red pixels"
tv_expect_title "Tavolin - Documento1"

# The keys come to the view from the macro bar's filter.
tv_mark
xdotool key r
tv_wait_new "KEY R"
xdotool click 1
tv_wait_new RELEASE
tv_save_as "$d/placed.tvd"
expect_eq "placed as turned" "MC 30 30 1 0 080" "$(tv_body "$d/placed.tvd")"
tv_quit
