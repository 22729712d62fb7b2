# The current tool follows the buttons of "Primitive di disegno" and the
# "S&trumenti" menu: one "TOOL n" trace line per change (n: 0 selection,
# 1 zoom, 2 hand, 3 line, 4 text, 5 connection, 6 Bezier, 7 polygon,
# 8 ellipse, 9 rectangle, 10 macro, 11 track, 12 pad), and the checked button
# follows it too.
. "$TV_E2E_DIR/lib.sh"

cp "$TV_EXAMPLES/esempio.tvd" "$TV_CASE_DIR/"
tv_start "$TV_CASE_DIR/esempio.tvd"
tv_wait_ready
tv_wait_painted esempio.tvd
expect_eq "TOOL lines before any choice" "" "$(tv_trace_lines TOOL)"

count=0
expected=
# expect_tool N WHAT: the next TOOL line, after WHAT, is "TOOL N".
expect_tool() {
    count=$((count + 1))
    expected="$expected${expected:+
}TOOL $1"
    tv_wait_prefix 'TOOL ' $count
    expect_eq "tool after $2" "TOOL $1" "$(tv_trace_lines 'TOOL ' | sed -n "${count}p")"
}

# The buttons are found rather than placed: the checked one at the start is
# "Selezione", the first of the bar; the others follow it in this order at
# the same pitch, measured on the way as each clicked button becomes the
# checked one. "Macro" (last) needs a macro chosen first and is left out.
order=(0 1 2 3 4 6 7 8 9 5 11 12)
names=(selection zoom hand line text Bezier polygon ellipse rectangle connection track pad)
# The view's snap shows as a checked button on the upper bar: off, so that
# the tool is the only checked button.
tv_menu v s
tv_park_pointer
tv_screenshot "$TV_CASE_DIR/start.png" "$TV_MAIN"
tv_canvas "$TV_CASE_DIR/start.png"
bars=$TV_CANVAS_Y   # the menu and toolbars are above the canvas
[ "$bars" -gt 20 ] || tv_fail "no canvas under the toolbars (canvas at y=$bars)"
tv_wait_checked_at 0 100000 "$bars"
x=( "$TV_CHECKED_X" )
row=$TV_CHECKED_Y
pitch=$((TV_CHECKED_W + 5))
half=$((TV_CHECKED_W / 2))
for k in $(seq 1 $((${#order[@]} - 1))); do
    guess=$((x[k - 1] + pitch))
    [ $guess -lt $((TV_W - half)) ] || tv_fail "the ${names[k]} button would be outside the window (x=$guess)"
    tv_click_in "$TV_MAIN" $guess "$row"
    expect_tool "${order[k]}" "a click on the ${names[k]} button"
    tv_wait_checked_at $guess "$half" "$bars"
    x[k]=$TV_CHECKED_X
    pitch=$((x[k] - x[k - 1]))
done
tv_click_in "$TV_MAIN" "${x[0]}" "$row"
expect_tool 0 "a click on the selection button"
tv_wait_checked_at "${x[0]}" 2 "$bars"

# place_of N: the index of tool N in the bar.
place_of() { local k; for k in "${!order[@]}"; do [ "${order[k]}" = "$1" ] && echo "$k"; done; }

for item in "1 z Zoom" "2 h Dragging-hand" "3 l Linea" "4 t Testo-esteso" "5 c Connessione-elettrica" \
    "6 b Curva-Bezier" "7 p Poligono" "8 e Ellisse" "9 r Rettangolo" "11 i Pista" "12 a Piazzola" \
    "0 s Selezione"; do
    set -- $item
    tv_menu t "$2"
    expect_tool "$1" "S&trumenti -> $3"
    tv_wait_checked_at "${x[$(place_of "$1")]}" 2 "$bars"
done

expect_eq "all TOOL lines" "$expected" "$(tv_trace_lines 'TOOL ')"
tv_quit
