# "Confronta con...": a double-click on the one change listed selects the
# added wire in the drawing, so that Delete takes away exactly that.
. "$TV_E2E_DIR/lib.sh"

d=$TV_CASE_DIR
printf '[TAVOLIN Prova]\r\nMC 100 100 0 0 080\r\nLI 50 50 150 50\r\n' >"$d/vecchio.tvd"
printf '[TAVOLIN Prova]\r\nMC 100 100 0 0 080\r\nLI 50 50 150 50\r\nLI 150 50 150 120\r\n' >"$d/nuovo.tvd"
tv_run "$d/nuovo.tvd"
tv_mark
tv_menu f o
tv_wait_window '^Confronta con$'
dlg=$TV_WIN
tv_type "$dlg" "$d/vecchio.tvd"
xdotool key Return
tv_wait_gone "$dlg"
tv_wait_new -p "COMPARE 1 "
read -r _ _ x y <<<"$TV_LINE"
tv_wait_window '^Confronto tra vecchio.tvd e nuovo.tvd$'

tv_mark
xdotool mousemove --sync "$x" "$y" click --repeat 2 --delay 80 1
tv_wait_new -p "JUMP "
tv_key "$TV_MAIN" Delete
tv_save_over "$d/nuovo.tvd"
expect_eq "what Delete left" "$(tv_body "$d/vecchio.tvd")" "$(tv_body "$d/nuovo.tvd")"
tv_quit
