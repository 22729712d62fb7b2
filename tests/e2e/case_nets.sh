# N adds to a clicked wire the wires joined to it, not the other net: Delete
# then leaves that one alone. "Controllo delle regole" lists a clearance
# fault; a double-click on it selects the two tracks and centres their gap.
# The fabrication export asks first and No, the default, writes nothing.
. "$TV_E2E_DIR/lib.sh"

d=$TV_CASE_DIR
printf '[TAVOLIN ]\r\nLI 10 10 30 10\r\nLI 30 10 30 40\r\nLI 50 50 60 60\r\n' >"$d/a.tvd"
printf '[TAVOLIN ]\r\nLI 50 50 60 60\r\n' >"$d/a-after.tvd"
printf '[TAVOLIN ]\r\nPL 20 20 60 20 2 1\r\nPL 20 23 60 23 2 1\r\nPL 20 80 60 80 2 1\r\n' >"$d/b.tvd"
printf '[TAVOLIN ]\r\nPL 20 80 60 80 2 1\r\n' >"$d/b-after.tvd"
cp "$d/b.tvd" "$d/c.tvd"

tv_start --zoom 400 --origin 0,0 "$d/a.tvd"
tv_wait_ready
tv_wait_view a.tvd "400 0 0 0"
tv_click_at 20 10
tv_mark
tv_key "$TV_MAIN" n
tv_wait_new "COMMAND 32895"
tv_key "$TV_MAIN" Delete
tv_save_over "$d/a.tvd"
expect_eq "what Delete left" "$(tv_body "$d/a-after.tvd")" "$(tv_body "$d/a.tvd")"
tv_quit

tv_start "$d/b.tvd"
tv_wait_ready
tv_wait_line "PAINTED b.tvd"
tv_mark
tv_menu t g
tv_wait_new -p "FINDINGS "
read -r _ n x y <<<"$TV_LINE"
expect_eq "findings" 1 "$n"
tv_mark
xdotool mousemove --sync "$x" "$y" click --repeat 2 --delay 80 1
tv_wait_new -p "FINDING "
expect_eq "finding shown" "FINDING 2 20 22" "$TV_LINE"
tv_key "$TV_MAIN" Delete
tv_save_over "$d/b.tvd"
expect_eq "what Delete left" "$(tv_body "$d/b-after.tvd")" "$(tv_body "$d/b.tvd")"
tv_quit

tv_start "$d/c.tvd"
tv_wait_ready
tv_wait_line "PAINTED c.tvd"
tv_menu f r
tv_wait_window '^Esporta per la produzione$'
tv_mark
tv_key "$TV_WIN" Return
tv_wait_new "MSG Tavolin|Esportare comunque?"
tv_mark
tv_dismiss '^Tavolin$'
tv_wait_new -p "FINDINGS 1 "
[ -e "$d/c.zip" ] && tv_fail "No wrote c.zip"
tv_quit
