# "Confronta con...": the drawing compared with one on disk in a window that
# lists the changes; a double-click on one selects its primitive in the
# drawing, so that Delete then takes away exactly the added wire.
. "$TV_E2E_DIR/lib.sh"

d=$TV_CASE_DIR
printf '[TAVOLIN Prova]\r\nMC 100 100 0 0 080\r\nLI 50 50 150 50\r\n' >"$d/vecchio.tvd"
printf '[TAVOLIN Prova]\r\nMC 100 100 0 0 080\r\nLI 50 50 150 50\r\nLI 150 50 150 120\r\n' >"$d/nuovo.tvd"
tv_start "$d/nuovo.tvd"
tv_wait_ready
tv_wait_line "PAINTED nuovo.tvd"
tv_mark
tv_menu f o
tv_wait_window '^Confronta con$'
dlg=$TV_WIN
tv_type "$dlg" "$d/vecchio.tvd"
xdotool key Return
tv_wait_gone "$dlg"
tv_wait_new -p "COMPARE "
read -r _ n x y <<<"$TV_LINE"
expect_eq "changes listed" 1 "$n"
tv_wait_window '^Confronto tra vecchio.tvd e nuovo.tvd$'

tv_mark
xdotool mousemove --sync "$x" "$y" click --repeat 2 --delay 80 1
tv_park_pointer
tv_wait_new -p "JUMP "
expect_eq "the change followed" "JUMP 2 150 85" "$TV_LINE"
tv_key "$TV_MAIN" Delete
tv_save_over "$d/nuovo.tvd"
expect_eq "what Delete left" "$(tv_body "$d/vecchio.tvd")" "$(tv_body "$d/nuovo.tvd")"
tv_quit
