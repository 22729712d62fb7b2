# The clipboard between programs: a text with "è" copied in one running
# program is pasted in another and saved as the byte 0xE8; other programs
# read the copy as UTF-8; UTF-8 text from another program opens, with the
# menu shown when no document is open, as a new drawing in Windows-1252.
. "$TV_E2E_DIR/lib.sh"

# The helpers of lib.sh act on the program whose id, trace and main window
# these globals name; each program keeps its own trace file.
program() { read -r TV_PID TV_TRACE TV_MAIN <<<"$1"; }

printf '[TAVOLIN ]\r\nTY 20 40 5 3 0 0 0 * Perch\xe8\r\n' >"$TV_CASE_DIR/b.tvd"
printf '[TAVOLIN ]\r\n' >"$TV_CASE_DIR/c.tvd"

# The first program copies the text ("Seleziona tutto", Ctrl+C).
tv_start "$TV_CASE_DIR/b.tvd"
tv_wait_ready
tv_wait_painted b.tvd
first="$TV_PID $TV_TRACE $TV_MAIN"
tv_menu m t
tv_key "$TV_MAIN" ctrl+c
printf '[TAVOLIN]\r\nTY 20 40 5 3 0 0 0 * Perch\xe8\r\n' >"$TV_CASE_DIR/bytes"
tv_clip_holds "the copy as our own type" "$TV_CASE_DIR/bytes" -selection clipboard -t application/x-tavolin-drawing
printf '[TAVOLIN]\r\nTY 20 40 5 3 0 0 0 * Perch\xc3\xa8\r\n' >"$TV_CASE_DIR/utf8"
tv_clip_holds "the copy as UTF-8 text" "$TV_CASE_DIR/utf8" -selection clipboard -t 'text/plain;charset=utf-8'
tv_clip_holds "the copy as text" "$TV_CASE_DIR/utf8" -selection clipboard

# The second pastes it at (50, 70) and saves the byte 0xE8.
tv_start --zoom 400 --origin 0,0 "$TV_CASE_DIR/c.tvd"
tv_wait_ready
tv_wait_view c.tvd "400 0 0 0"
second="$TV_PID $TV_TRACE $TV_MAIN"
tv_to 50 70
tv_key "$TV_MAIN" ctrl+v
xdotool click 1
tv_expect_title "Tavolin - c.tvd*"
tv_key "$TV_MAIN" ctrl+s
tv_expect_title "Tavolin - c.tvd"
printf '[TAVOLIN ]\r\nTY 50 70 5 3 0 0 0 * Perch\xe8\r\n' >"$TV_CASE_DIR/expected-c.tvd"
expect_file_eq "the text pasted from the other program" "$TV_CASE_DIR/expected-c.tvd" "$TV_CASE_DIR/c.tvd"

# UTF-8 text from another program, pasted as a new document in a third
# program with no document open: "è" and "€" become their bytes, a Greek
# letter "?", and the drawing header comes in front.
printf 'LI 1 2 3 4\r\nTY 10 10 5 3 0 0 0 * \xc3\xa8\xe2\x82\xac\xcf\x89\r\n' | xclip -i -selection clipboard
tv_start
tv_wait_ready
before=$(ls -A "$TMPDIR")
tv_menu m d
tv_wait_painted Documento1
tv_expect_title "Tavolin - Documento1*"
expect_eq "temporary folder after paste as new document" "$before" "$(ls -A "$TMPDIR")"
tv_save_as "$TV_CASE_DIR/altro.tvd"
printf '[TAVOLIN ]\r\nLI 1 2 3 4\r\nTY 10 10 5 3 0 0 0 * \xe8\x80?\r\n' >"$TV_CASE_DIR/expected-altro.tvd"
expect_file_eq "the other program's text as a drawing" "$TV_CASE_DIR/expected-altro.tvd" "$TV_CASE_DIR/altro.tvd"
expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_quit

program "$second"
tv_quit
program "$first"
expect_eq "message boxes of the first program" "" "$(tv_trace_lines MSG)"
tv_quit
