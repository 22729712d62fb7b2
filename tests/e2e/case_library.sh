# Libraries on disk. A component drawn in a new library
# (a line at 800 % about the macro origin) and saved in the user's folder is
# offered by the macro bar of a program that was already running, as is a
# library copied there in two halves a moment apart; both are found with
# Ctrl+F and placed with a click.
. "$TV_E2E_DIR/lib.sh"

d=$TV_CASE_DIR
libs=$XDG_DATA_HOME/tavolin/libs
# Two programs whose main windows lie on each other: the one used is raised.
use() { read -r TV_PID TV_TRACE TV_MAIN <<<"$1"; xdotool windowraise "$TV_MAIN"; }
find_leaf() {
    tv_key "$TV_MAIN" ctrl+f
    xdotool key --delay 20 ctrl+a
    xdotool type --delay 10 -- "$1"
    xdotool key Return
}

tv_run
tv_new_drawing Documento1
placer="$TV_PID $TV_TRACE $TV_MAIN"
macros=$(grep '^MACROS ' "$TV_TRACE" | tail -1 | cut -d' ' -f2)

tv_run
# "&Nuovo" -> the third kind; one unit is 8 pixels, (90, 90) the canvas's corner.
tv_menu f n
tv_wait_window '^Nuovo$'
tv_key "$TV_WIN" Down Down Return
tv_wait_view Libreria1 "800 90 90 0"
tv_menu t l
for x in 5 15; do
    tv_park_pointer
    xdotool mousemove --sync $((TV_VX + x * 8)) $((TV_VY + 10 * 8)) click 1
done
tv_key "$TV_MAIN" Escape
read -r _ _ _ _ tlm_x tlm_y <<<"$(grep '^FIELDS Libreria1 ' "$TV_TRACE" | tail -1)"
tv_click "$tlm_x" "$tlm_y"
tv_key "$TV_MAIN" End shift+Home
xdotool type --delay 10 -- "Pezzo di prova"
tv_save_as "$libs/mia.tvl"
expect_eq "the library drawn" "[TAVOLIB Nuova libreria 1]
[M01 Pezzo di prova]
LI 95 100 105 100" "$(tr -d '\r' <"$libs/mia.tvl")"
tv_quit

use "$placer"
tv_wait_line "MACROS $((macros + 1))"
printf '[TAVOLIB Copiata]\r\n{Prove}\r\n[P1 Primo pezzo]\r\nLI 90 100 110 100\r\n' >"$libs/copiata.tvl"
sleep 0.2 # half of the quiet time the watcher waits for
printf '[P2 Seconda metà]\r\nSA 100 100\r\n' >>"$libs/copiata.tvl"
tv_wait_line "MACROS $((macros + 3))"
tv_view Documento1
find_leaf "Pezzo di prova"
tv_wait_line "TOOL 10"
tv_click_at 60 60
find_leaf "Seconda met"
tv_click_at 20 20
tv_save_as "$d/placed.tvd"
# Split into their primitives ("bSplit"): they are no standard symbols.
expect_eq "the two components placed" "LI 55 60 65 60
SA 20 20" "$(tv_body "$d/placed.tvd")"
tv_quit
