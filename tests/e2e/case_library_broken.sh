# A library whose first component header has no "]": opening it beeps and
# shows that component empty; Down in "TLM" switches to the second one, Up
# back (beeping again), and saving writes the library as it was read.
. "$TV_E2E_DIR/lib.sh"

lib=$TV_CASE_DIR/rotta.tvl
printf '[TAVOLIB Rotta]\r\n[SENZA chiusura\r\nLI 90 100 110 100\r\n[B2 Secondo]\r\nSA 100 100\r\n' >"$lib"
cp "$lib" "$TV_CASE_DIR/expected.tvl"

tv_start "$lib"
tv_wait_ready
tv_wait_painted rotta.tvl
tv_wait_line BEEP
tv_fields rotta.tvl

tv_click "$TV_TLM_X" "$TV_TLM_Y"
tv_key "$TV_MAIN" Down
tv_wait_line "COMPONENT rotta.tvl 1"
tv_key "$TV_MAIN" Up
tv_wait_line BEEP 2
tv_save_over "$lib"
expect_file_eq "the library saved on its broken component" "$TV_CASE_DIR/expected.tvl" "$lib"
tv_key "$TV_MAIN" Down
tv_save_over "$lib"
expect_file_eq "the library saved on its second component" "$TV_CASE_DIR/expected.tvl" "$lib"
expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_expect_title "Tavolin - rotta.tvl"
tv_quit
