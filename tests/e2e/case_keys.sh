# The view's keys on a new drawing at 400 %: each tool's letter chooses it
# (M even with no symbol chosen), "+" and "-" (also with Ctrl) zoom about the
# pointer and back, Home fits, and Shift draws a line straight.
. "$TV_E2E_DIR/lib.sh"

tv_run
tv_new_drawing Documento1
tv_click_at 100 100 # the view takes the keys

for key_tool in l3 t4 c5 b6 p7 e8 q9 m10 i11 a12 h2 z1; do
    tv_keys_then "TOOL ${key_tool:1}" "${key_tool:0:1}"
done

# About the point (50, 50): at 520 % it stays under the pointer from (12, 12).
tv_to 50 50
for zoom in "plus minus" "ctrl+plus ctrl+minus"; do
    tv_key "$TV_MAIN" "${zoom% *}"
    tv_wait_view Documento1 "520 12 12 0"
    tv_key "$TV_MAIN" "${zoom#* }"
    tv_wait_view Documento1 "400 0 0 0"
done
tv_key "$TV_MAIN" l
tv_click_at 10 10
xdotool keydown shift
tv_click_at 40 13
xdotool keyup shift
tv_keys_then "COMMAND 32832" Escape Home
tv_save_as "$TV_CASE_DIR/keys.tvd"
expect_eq "a line drawn with Shift" "LI 10 10 40 10" "$(tv_body "$TV_CASE_DIR/keys.tvd")"
expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_quit
