# A layer renamed to the beginning of another layer's name ("Serigrafie", the
# fourth, becomes "PCB", as "PCB lato rame" begins) stays the one the layer box
# shows, and a line drawn afterwards goes on it.
. "$TV_E2E_DIR/lib.sh"

tv_start
tv_wait_ready
tv_new_drawing Documento1

# The fourth layer in the box: Ctrl+L, then three steps down, each applied at once.
tv_key "$TV_MAIN" ctrl+l Down Down Down
tv_wait_line "LAYER 3 Serigrafie"

tv_menu v v
tv_wait_window '^Gestione Layer$'
dlg=$TV_WIN
# From the first name, three stops (show, print, next name) per layer.
tv_key "$dlg" Tab Tab Tab Tab Tab Tab Tab Tab Tab ctrl+a
xdotool type --delay 10 "PCB"
xdotool key Return
tv_wait_gone "$dlg"
tv_wait_line "LAYER 3 PCB"

tv_menu t l
tv_click_at 10 10
tv_click_at 50 10
tv_key "$TV_MAIN" Escape
tv_save_as "$TV_CASE_DIR/layer.tvd"
expect_eq "the line drawn on the renamed layer" "LI 10 10 50 10 3" "$(tail -n +2 "$TV_CASE_DIR/layer.tvd" | tr -d '\r')"
tv_quit
