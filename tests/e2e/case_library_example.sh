# The example library opened and saved with Ctrl+S comes back byte for byte,
# its categories with it; switching with the arrow key to a component of
# another category and saving again changes nothing either.
. "$TV_E2E_DIR/lib.sh"

original=$TV_E2E_DIR/../../res/libs/esempi.tvl
grep -q '^{' "$original" || tv_fail "the example library has no categories"
lib=$TV_CASE_DIR/esempi.tvl
cp "$original" "$lib"

tv_start "$lib"
tv_wait_ready
tv_wait_painted esempi.tvl
tv_save_over "$lib"
expect_file_eq "the example library saved" "$original" "$lib"

tv_fields esempi.tvl
tv_click "$TV_TLM_X" "$TV_TLM_Y"
tv_key "$TV_MAIN" Down
tv_wait_line "COMPONENT esempi.tvl 1"
tv_save_over "$lib"
expect_file_eq "the example library saved after a switch" "$original" "$lib"
expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_quit
