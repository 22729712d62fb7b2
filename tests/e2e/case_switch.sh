# A document's view is its window's: a drawing at 400 % with a line drawn, a
# library at 800 % from (90, 90) and a drawing zoomed with Ctrl+wheel come
# back from Ctrl+Tab, "Fi&nestra" and Ctrl+Shift+Tab as they were left, with
# the documents in windows and in tabs.
. "$TV_E2E_DIR/lib.sh"

# view_of NAME: the zoom, scroll and stretch of NAME's last VIEW line.
view_of() { tv_view "$1"; echo "$TV_ZOOM $TV_SX $TV_SY $TV_STRETCH"; }
titled() { tv_has_title "Tavolin - $1" || tv_has_title "Tavolin - $1*"; } # saved or not
# back_to NAME KEYS...: the keys (or the "Fi&nestra" item) make NAME active;
# a pointer move over its canvas, handled after the repaint of the switch,
# says that the view has been painted since.
back_to() {
    local name=$1
    shift
    if [ "$1" = menu ]; then tv_menu n "$2"; else tv_key "$TV_MAIN" "$@"; fi
    tv_poll "title of $name" titled "$name"
    tv_view "$name"
    tv_mark
    moves=$((moves + 1)) # the program sees no move to where it saw the pointer last
    xdotool mousemove $((TV_VX + 100 + moves)) $((TV_VY + 70))
    tv_wait_new "MOVE $((100 + moves)) 70"
}
line_at() { # X0 Y0 X1 Y1 in pixels from the canvas's corner, with the line tool
    tv_view "$1"
    tv_menu t l
    local x y
    for p in "$2 $3" "$4 $5"; do
        read -r x y <<<"$p"
        tv_park_pointer
        xdotool mousemove --sync $((TV_VX + x)) $((TV_VY + y)) click 1
    done
    tv_keys_then "KEY Esc" Escape
}

round_trip() { # TABBED: 0 windows, 1 tabs
    moves=0
    tv_run
    tv_wait_line "TABBED $1"
    tv_new_drawing Documento1
    line_at Documento1 40 40 200 100
    first=$(view_of Documento1)
    expect_eq "the drawn line leaves the zoom" "400 0 0 0" "$first"

    tv_new_drawing Documento2
    back_to Documento1 ctrl+Tab
    expect_eq "Documento1 after Ctrl+Tab" "$first" "$(view_of Documento1)"

    tv_menu f n
    tv_wait_window '^Nuovo$'
    tv_key "$TV_WIN" Down Down Return
    tv_wait_view Libreria1 "800 90 90 0"
    line_at Libreria1 40 80 120 80
    library=$(view_of Libreria1)
    back_to Documento1 menu 1
    expect_eq "Documento1 from the list" "$first" "$(view_of Documento1)"
    back_to Libreria1 ctrl+shift+Tab
    expect_eq "Libreria1 after Ctrl+Shift+Tab" "$library" "$(view_of Libreria1)"

    # A zoom of the user's is kept as well.
    back_to Documento2 menu 2
    xdotool keydown ctrl click 4 keyup ctrl
    zoomed() { tv_view Documento2; [ "$TV_ZOOM" != 400 ]; }
    tv_poll "zoom by Ctrl+wheel" zoomed
    second=$(view_of Documento2)
    back_to Libreria1 ctrl+Tab
    back_to Documento2 ctrl+shift+Tab
    expect_eq "Documento2 zoomed, after two switches" "$second" "$(view_of Documento2)"
    expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
    tv_menu f e
    for name in Documento1 Libreria1; do
        tv_wait_line "MSG Tavolin|Salvare le modifiche a $name?"
        tv_dismiss '^Tavolin$' alt+n
    done
    tv_wait_exit
    expect_eq "exit status" 0 "$TV_RC"
}

round_trip 0
mkdir -p "$(dirname "$TV_CONF")"
printf '[Configurazione]\nbTabbedView=1\n' >"$TV_CONF"
round_trip 1
