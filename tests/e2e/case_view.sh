# The document views: a drawing opened at a zoom and origin, and stretched to
# the window, shows exactly what `tavolin-cli render` draws for the same view;
# Ctrl+wheel zooms in about the point under the pointer. Ctrl+W, "&Chiudi" and
# Ctrl+F4 close the active document window (the walk from one to the next is
# the switch case's).
. "$TV_E2E_DIR/lib.sh"

same_as_render() { # WHAT ARGS...: the canvas against the tool's picture
    tv_canvas_shot esempio.tvd "$TV_CASE_DIR/shown.png"
    "$TV_CLI" render esempio.tvd "${@:2}" --grid 5,5 --size "${TV_VW}x$TV_VH" -o "$TV_CASE_DIR/cli.png" ||
        tv_fail "tavolin-cli render failed"
    tv_same_picture "$1" "$TV_CASE_DIR/shown.png" "$TV_CASE_DIR/cli.png"
}

cp "$TV_EXAMPLES/esempio.tvd" "$TV_CASE_DIR/"
tv_run --zoom 250 --origin 20,30 esempio.tvd
tv_wait_view esempio.tvd "250 20 30 0"
same_as_render "drawing opened at 250 % from (20, 30)" --view 20,30 --zoom 250

px=200 py=150
x_before=$((TV_SX * 100 + px * 10000 / TV_ZOOM)) # hundredths of a unit under the pointer
y_before=$((TV_SY * 100 + py * 10000 / TV_ZOOM))
xdotool mousemove --sync $((TV_VX + px)) $((TV_VY + py)) keydown ctrl click 4 keyup ctrl
zoomed() { tv_view esempio.tvd; [ "$TV_ZOOM" != 250 ]; }
tv_poll "zoom by Ctrl+wheel" zoomed
[ "$TV_ZOOM" -gt 250 ] || tv_fail "Ctrl+wheel did not zoom in: $TV_ZOOM %"
dx=$((TV_SX * 100 + px * 10000 / TV_ZOOM - x_before)) dy=$((TV_SY * 100 + py * 10000 / TV_ZOOM - y_before))
[ "${dx#-}" -le 100 ] && [ "${dy#-}" -le 100 ] ||
    tv_fail "Ctrl+wheel moved the point under the pointer by ($dx, $dy) hundredths of a unit"

# "Scala combaciante": the whole sheet, and no scroll bars (a wider canvas).
narrow=$TV_VW
stretched() { tv_view esempio.tvd && [ "$TV_STRETCH" = 1 ] && [ "$TV_VW" -gt "$narrow" ]; }
tv_menu v b
tv_poll "stretched view without scroll bars" stretched
same_as_render "stretched view" --stretch

tv_new_drawing Documento1
tv_new_drawing Documento2
tv_key "$TV_MAIN" ctrl+w
tv_menu n 2 # Documento1, second still
tv_expect_title "Tavolin - Documento1"
tv_menu f c
tv_expect_title "Tavolin - esempio.tvd"
tv_key "$TV_MAIN" ctrl+F4
tv_expect_title "Tavolin"
expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_quit
