# "Esporta per la produzione...": the dialog's defaults write beside the
# drawing the same archive `tavolin-cli gerber` makes, say which files it
# holds and are kept for the next time.
. "$TV_E2E_DIR/lib.sh"

d=$TV_CASE_DIR
export SOURCE_DATE_EPOCH=1796736305 # the same date in both archives
cp "$TV_E2E_DIR/../data/fab_board.tvd" "$d/"
"$TV_CLI" gerber "$d/fab_board.tvd" -o "$d/expected.zip" || tv_fail "tavolin-cli gerber failed"

tv_run "$d/fab_board.tvd"
tv_mark
tv_menu f r
tv_wait_window '^Esporta per la produzione$'
tv_key "$TV_WIN" Return
tv_wait_new -p "MSG "
tv_dismiss '^Tavolin$'
tv_quit
n=fab_board
expect_eq "message" "MSG Tavolin|File scritti in $d/$n.zip:\n$n.GTL, $n.GBL, $n.GTS, $n.GBS, $n.GTO, $n.GKO, $n.DRL, $n.gbrjob" "$TV_LINE"
expect_file_eq "archive from the dialog" "$d/expected.zip" "$d/$n.zip"

grep -q "^strStroke=0.15$" "$TV_CONF" || tv_fail "the choices were not kept"
