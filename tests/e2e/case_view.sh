# The document view: a new drawing's canvas and a drawing opened at a zoom
# and origin are exactly what `tavolin-cli render` draws for the same view;
# the zoom box applies "1000%" and ignores "3000%"; "Scala combaciante" takes
# the scroll bars away; the grid dialog's "Annulla" changes nothing; Ctrl+wheel
# keeps the point under the pointer.
. "$TV_E2E_DIR/lib.sh"

render() { # OUT ARGS...: the tool's picture of the view, the canvas's size
    local out=$1
    shift
    "$TV_CLI" render "$@" --size "${TV_VW}x$TV_VH" -o "$out" || tv_fail "tavolin-cli render $* failed"
}

tv_start
tv_wait_ready
tv_new_drawing Documento1
tv_canvas_shot Documento1 "$TV_CASE_DIR/new.png"
printf '[TAVOLIN ]\r\n' >"$TV_CASE_DIR/empty.tvd"
render "$TV_CASE_DIR/new-cli.png" "$TV_CASE_DIR/empty.tvd" --view 0,0 --zoom 400 --grid 5,5
tv_same_picture "new drawing at 400 %" "$TV_CASE_DIR/new.png" "$TV_CASE_DIR/new-cli.png"

# The zoom box: Shift+Tab twice from the canvas reaches it past "TL".
tv_key "$TV_MAIN" shift+Tab shift+Tab ctrl+a
xdotool type --delay 20 "1000%"
xdotool key Return
tv_wait_view Documento1 "1000 0 0 0"
tv_key "$TV_MAIN" shift+Tab shift+Tab
for typed in 3000% 5%; do
    xdotool key ctrl+a
    xdotool type --delay 20 "$typed"
    tv_mark
    xdotool key Return
    tv_wait_new -p "ZOOM "
    expect_eq "zoom box after typing $typed" "ZOOM 1000%" "$TV_LINE"
done
tv_view Documento1
expect_eq "view after typing 3000% and 5%" "1000 0 0 0" "$TV_ZOOM $TV_SX $TV_SY $TV_STRETCH"

# Stretch: the whole sheet in the window, no scroll bars (a wider canvas).
tv_view Documento1
narrow_w=$TV_VW
tv_menu v b
tv_wait_view Documento1 "1000 0 0 1"
wider() { tv_view Documento1; [ "$TV_VW" -gt "$narrow_w" ]; }
tv_until "the scroll bars stay in stretch mode: the canvas is not wider than $narrow_w" wider
tv_canvas_shot Documento1 "$TV_CASE_DIR/stretch.png"
render "$TV_CASE_DIR/stretch-cli.png" "$TV_CASE_DIR/empty.tvd" --stretch --grid 5,5
tv_same_picture "stretched view" "$TV_CASE_DIR/stretch.png" "$TV_CASE_DIR/stretch-cli.png"
tv_menu v b
tv_wait_view Documento1 "1000 0 0 0"

# "Griglia e Snap": a changed value cancelled leaves the picture as it was.
tv_canvas_shot Documento1 "$TV_CASE_DIR/before-grid.png"
tv_mark
tv_menu v g
tv_wait_window '^Griglia e Snap$'
grid_dialog=$TV_WIN
tv_key "$grid_dialog" ctrl+a
xdotool type --delay 20 "17"
xdotool key Tab
tv_key "$grid_dialog" Escape
tv_wait_gone "$grid_dialog"
tv_wait_new "COMMAND $TV_ID_GRID"
tv_canvas_shot Documento1 "$TV_CASE_DIR/after-grid.png"
tv_same_picture "grid dialog cancelled" "$TV_CASE_DIR/before-grid.png" "$TV_CASE_DIR/after-grid.png"
expect_eq "title after zooming" "Tavolin - Documento1" "$(xdotool getwindowname "$TV_MAIN")"
tv_quit

# A drawing opened at a zoom and an origin, and Ctrl+wheel over it.
cp "$TV_EXAMPLES/esempio.tvd" "$TV_CASE_DIR/"
tv_start --zoom 250 --origin 20,30 "$TV_CASE_DIR/esempio.tvd"
tv_wait_ready
tv_wait_painted esempio.tvd
tv_wait_view esempio.tvd "250 20 30 0"
tv_canvas_shot esempio.tvd "$TV_CASE_DIR/open.png"
render "$TV_CASE_DIR/open-cli.png" "$TV_CASE_DIR/esempio.tvd" --view 20,30 --zoom 250 --grid 5,5
tv_same_picture "drawing opened at 250 % from (20, 30)" "$TV_CASE_DIR/open.png" "$TV_CASE_DIR/open-cli.png"

px=200 py=150
x_before=$((TV_SX * 100 + px * 10000 / TV_ZOOM)) # hundredths of a unit under the pointer
y_before=$((TV_SY * 100 + py * 10000 / TV_ZOOM))
xdotool mousemove --sync $((TV_VX + px)) $((TV_VY + py)) keydown ctrl click 4 keyup ctrl
zoomed() { tv_view esempio.tvd; [ "$TV_ZOOM" != 250 ]; }
tv_until "Ctrl+wheel did not zoom" zoomed
[ "$TV_ZOOM" -gt 250 ] || tv_fail "Ctrl+wheel did not zoom in: $TV_ZOOM %"
x_after=$((TV_SX * 100 + px * 10000 / TV_ZOOM))
y_after=$((TV_SY * 100 + py * 10000 / TV_ZOOM))
dx=$((x_after - x_before)) dy=$((y_after - y_before))
[ "${dx#-}" -le 100 ] && [ "${dy#-}" -le 100 ] ||
    tv_fail "Ctrl+wheel moved the point under the pointer by ($dx, $dy) hundredths of a unit"
tv_quit
