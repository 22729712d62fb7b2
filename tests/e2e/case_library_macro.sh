# A component drawn in one instance (a line, at 800 % about the macro origin
# with snap off) and saved as a library in the user's folder is offered by
# the macro bar of a second instance that was already running, and placed
# there with the macro tool.
. "$TV_E2E_DIR/lib.sh"

libs=$XDG_DATA_HOME/tavolin/libs
lib=$libs/mia.tvl

# The helpers act on the program of TV_PID, TV_TRACE and TV_MAIN; the two
# main windows lie on each other, and the one used is raised.
remember() { eval "$1=(\"\$TV_PID\" \"\$TV_TRACE\" \"\$TV_MAIN\")"; }
use() {
    eval "TV_PID=\${$1[0]} TV_TRACE=\${$1[1]} TV_MAIN=\${$1[2]}"
    xdotool windowraise "$TV_MAIN"
}

click_at() { # X Y on the screen
    tv_park_pointer
    xdotool mousemove --sync "$1" "$2"
    tv_press
    xdotool mouseup 1
}

# The second instance, with a drawing open, before the library exists.
tv_start
tv_wait_ready
tv_menu f n
tv_wait_window '^Nuovo$'
tv_key "$TV_WIN" Return
tv_wait_gone "$TV_WIN"
tv_wait_view Documento1 "400 0 0 0"
tv_macros
remember placer

tv_start
tv_wait_ready
tv_new_library Libreria1
remember drawer

# One unit is 8 pixels and (90, 90) the canvas's corner.
tv_menu t l
click_at $((TV_VX + 5 * 8)) $((TV_VY + 10 * 8))
click_at $((TV_VX + 15 * 8)) $((TV_VY + 10 * 8))
tv_key "$TV_MAIN" Escape
tv_fields Libreria1
tv_click "$TV_TLM_X" "$TV_TLM_Y"
tv_key "$TV_MAIN" End shift+Home
xdotool type --delay 10 -- "Pezzo di prova"
tv_save_as "$lib"
expect_eq "the library drawn" "[TAVOLIB Nuova libreria 1]
[M01 Pezzo di prova]
LI 95 100 105 100" "$(tr -d '\r' <"$lib")"

use placer
tv_wait_line "MACROS $((TV_MACROS + 1))"
tv_key "$TV_MAIN" ctrl+f
xdotool key --delay 20 ctrl+a
xdotool type --delay 10 -- "Pezzo di prova"
xdotool key Return
tv_wait_line "TOOL 10"
[ -z "$(tv_trace_lines BEEP)" ] || tv_fail "a beep: the new library was not offered"
tv_view Documento1
click_at $((TV_VX + 60 * 4)) $((TV_VY + 60 * 4))
tv_expect_title "Tavolin - Documento1*"
tv_save_as "$TV_CASE_DIR/posto.tvd"
body=$(tail -n +2 "$TV_CASE_DIR/posto.tvd" | tr -d '\r')
case $body in
"LI 55 60 65 60" | "MC 60 60 0 0 mia.M01") ;;
*) tv_fail "the placed component is not in the drawing: $body" ;;
esac
tv_quit
use drawer
tv_quit
