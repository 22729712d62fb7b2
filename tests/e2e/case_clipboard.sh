# Copy, paste and paste as a new document in one program, on a drawing opened
# at 400 % from the sheet's corner (one unit is four pixels, snap 5): what
# the clipboard holds, a paste placed at the pointer, a paste placed where it
# came from, Escape after a paste, and a new document that no file stands for.
. "$TV_E2E_DIR/lib.sh"

printf '[TAVOLIN ]\r\nLI 20 20 60 20\r\nSA 80 20\r\nRV 100 100 120 120\r\n' >"$TV_CASE_DIR/a.tvd"
tv_start --zoom 400 --origin 0,0 "$TV_CASE_DIR/a.tvd"
tv_wait_ready
tv_wait_view a.tvd "400 0 0 0"

# A band round the line and the dot, Ctrl+C: the header and their two lines,
# as plain text, as our own type and in the X selection; nothing changed.
tv_drag 10 10 90 30
tv_key "$TV_MAIN" ctrl+c
printf '[TAVOLIN]\r\nLI 20 20 60 20\r\nSA 80 20\r\n' >"$TV_CASE_DIR/copied"
tv_clip_holds "clipboard text" "$TV_CASE_DIR/copied" -selection clipboard
tv_clip_holds "clipboard, own type" "$TV_CASE_DIR/copied" -selection clipboard -t application/x-tavolin-drawing
tv_clip_holds "primary selection" "$TV_CASE_DIR/copied" -selection primary
expect_eq "title after a copy" "Tavolin - a.tvd" "$(xdotool getwindowname "$TV_MAIN")"

# Ctrl+V with the pointer at (40, 60): the lines come there, and a click
# places them at the end of the drawing.
tv_to 40 60
tv_key "$TV_MAIN" ctrl+v
tv_press
xdotool mouseup 1
tv_expect_title "Tavolin - a.tvd*"
tv_key "$TV_MAIN" ctrl+s
tv_expect_title "Tavolin - a.tvd"
expect_eq "after a paste at (40, 60)" "LI 20 20 60 20
SA 80 20
RV 100 100 120 120
LI 40 60 80 60
SA 100 60" "$(tv_body "$TV_CASE_DIR/a.tvd")"

# Escape right after a paste: the drawing stays as it was.
cp "$TV_CASE_DIR/a.tvd" "$TV_CASE_DIR/before-escape.tvd"
tv_to 30 90
tv_mark
tv_key "$TV_MAIN" ctrl+v
tv_wait_new "COMMAND $TV_ID_PASTE"
tv_mark
tv_key "$TV_MAIN" Escape
tv_wait_new "KEY Esc"
tv_press
xdotool mouseup 1
tv_wait_new RELEASE
expect_eq "title after a paste and Escape" "Tavolin - a.tvd" "$(xdotool getwindowname "$TV_MAIN")"
tv_mark
tv_key "$TV_MAIN" ctrl+s
tv_wait_new "COMMAND $TV_ID_SAVE"
expect_file_eq "saved after a paste and Escape" "$TV_CASE_DIR/before-escape.tvd" "$TV_CASE_DIR/a.tvd"

# The rectangle copied and pasted where it came from: one more rectangle,
# and the document is modified.
tv_click_at 110 100
tv_key "$TV_MAIN" ctrl+c
printf '[TAVOLIN]\r\nRV 100 100 120 120\r\n' >"$TV_CASE_DIR/copied"
tv_clip_holds "clipboard after copying the rectangle" "$TV_CASE_DIR/copied" -selection clipboard
tv_to 100 100
tv_key "$TV_MAIN" ctrl+v
tv_press
xdotool mouseup 1
tv_expect_title "Tavolin - a.tvd*"
tv_key "$TV_MAIN" ctrl+s
tv_expect_title "Tavolin - a.tvd"
expect_eq "after a paste in place" "LI 20 20 60 20
SA 80 20
RV 100 100 120 120
LI 40 60 80 60
SA 100 60
RV 100 100 120 120" "$(tv_body "$TV_CASE_DIR/a.tvd")"

# "Come nuovo documento": an untitled, modified drawing with the rectangle;
# no file in the temporary folder; Ctrl+S asks for a name.
before=$(ls -A "$TMPDIR")
tv_menu m i d
tv_wait_painted Documento1
tv_expect_title "Tavolin - Documento1*"
expect_eq "temporary folder after paste as new document" "$before" "$(ls -A "$TMPDIR")"
tv_save_as "$TV_CASE_DIR/nuovo.tvd"
printf '[TAVOLIN ]\r\nRV 100 100 120 120\r\n' >"$TV_CASE_DIR/expected.tvd"
expect_file_eq "the pasted document as saved" "$TV_CASE_DIR/expected.tvd" "$TV_CASE_DIR/nuovo.tvd"
expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_quit
