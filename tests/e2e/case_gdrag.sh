# G drags the selection with the wires attached: a line and a resistor moved
# with a click, the wires on their ends stretched, both saved; G then Escape
# changes nothing, not even the title. Chosen in the context menu, G holds the
# selection by the right click, not by where the pointer went meanwhile.
. "$TV_E2E_DIR/lib.sh"

d=$TV_CASE_DIR
printf '[TAVOLIN ]\r\nLI 10 10 30 10\r\nLI 30 10 30 40\r\nLI 50 50 60 60\r\n' >"$d/a.tvd"
printf '[TAVOLIN ]\r\nMC 100 100 0 0 080\r\nLI 80 100 100 100\r\nLI 110 100 130 100\r\n' >"$d/b.tvd"
cp "$d/a.tvd" "$d/a-before.tvd"
cp "$d/a.tvd" "$d/c.tvd"

# gdrag NAME X0 Y0 X1 Y1: a click at (X0, Y0) selects, G, to (X1, Y1), a click places.
gdrag() {
    tv_click_at "$2" "$3"
    tv_mark
    tv_key "$TV_MAIN" g
    tv_wait_new "KEY G"
    tv_mark
    tv_move "$4" "$5"
    xdotool click 1
    tv_wait_new RELEASE
    tv_expect_title "Tavolin - $1*"
}

tv_start --zoom 400 --origin 0,0 "$d/a.tvd"
tv_wait_ready
tv_wait_view a.tvd "400 0 0 0"

# G, a move, a turn, Escape: the line and its wire back as they were.
tv_click_at 20 10
tv_mark
tv_key "$TV_MAIN" g
tv_wait_new "KEY G"
tv_mark
tv_move 25 15
tv_key "$TV_MAIN" r Escape
tv_wait_new -p "KEY Esc"
tv_expect_title "Tavolin - a.tvd"
tv_save_over "$d/a.tvd"
expect_file_eq "after G and Escape" "$d/a-before.tvd" "$d/a.tvd"

gdrag a.tvd 20 10 25 15
tv_save_over "$d/a.tvd"
printf '[TAVOLIN ]\r\nLI 35 15 30 40\r\nLI 50 50 60 60\r\nLI 15 15 35 15\r\n' >"$d/expected-a.tvd"
expect_file_eq "the line moved with its wire" "$d/expected-a.tvd" "$d/a.tvd"
tv_quit

# The view from (60, 60): the helpers' points are relative to it.
tv_start --zoom 400 --origin 60,60 "$d/b.tvd"
tv_wait_ready
tv_wait_view b.tvd "400 60 60 0"
gdrag b.tvd 45 40 45 50
tv_save_over "$d/b.tvd"
printf '[TAVOLIN ]\r\nLI 80 100 100 110\r\nLI 110 110 130 100\r\nMC 100 110 0 0 080\r\n' >"$d/expected-b.tvd"
expect_file_eq "the resistor moved with its wires" "$d/expected-b.tvd" "$d/b.tvd"
tv_quit

tv_start --zoom 400 --origin 0,0 "$d/c.tvd"
tv_wait_ready
tv_wait_view c.tvd "400 0 0 0"
tv_to 20 10
before=$(tv_shown)
xdotool click 3
tv_poll "context menu" tv_popup
menu=$TV_WIN
xdotool mousemove $(tv_at 10 30) # off the menu, which opens to the right and down
tv_mark
xdotool key g
tv_wait_gone "$menu"
tv_wait_new "COMMAND 32880"
tv_mark
tv_move 25 15
xdotool click 1
tv_wait_new RELEASE
tv_expect_title "Tavolin - c.tvd*"
tv_save_over "$d/c.tvd"
expect_file_eq "the line moved from the right click" "$d/expected-a.tvd" "$d/c.tvd"
tv_quit
