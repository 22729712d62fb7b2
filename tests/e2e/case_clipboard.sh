# The clipboard between programs: a text with "è" copied in one program is
# offered as our own type (Windows-1252), as UTF-8 text and in the X
# selection; pasted at the pointer in another it is saved as the byte 0xE8.
. "$TV_E2E_DIR/lib.sh"

d=$TV_CASE_DIR
printf '[TAVOLIN ]\r\nTY 20 40 5 3 0 0 0 * Perch\xe8\r\n' >"$d/b.tvd"
printf '[TAVOLIN ]\r\n' >"$d/c.tvd"

# The first program copies the text ("Seleziona tutto", Ctrl+C).
tv_run "$d/b.tvd"
first=$TV_PID
tv_menu m t
tv_key "$TV_MAIN" ctrl+c
printf '[TAVOLIN]\r\nTY 20 40 5 3 0 0 0 * Perch\xe8\r\n' >"$d/bytes"
printf '[TAVOLIN]\r\nTY 20 40 5 3 0 0 0 * Perch\xc3\xa8\r\n' >"$d/utf8"
tv_clip_holds "the copy as our own type" "$d/bytes" -selection clipboard -t application/x-tavolin-drawing
tv_clip_holds "the copy as UTF-8 text" "$d/utf8" -selection clipboard -t 'text/plain;charset=utf-8'
tv_clip_holds "the copy as text" "$d/utf8" -selection clipboard
tv_clip_holds "the copy in the X selection" "$d/utf8" -selection primary
# A picture too, drawn once a program asks for it: the export's at 400 %.
expect_eq "what the copy offers" "application/x-tavolin-drawing image/png text/plain " \
    "$(timeout 5 xclip -o -selection clipboard -t TARGETS | grep -xE 'text/plain|image/png|application/.*' | LC_ALL=C sort | tr '\n' ' ')"
expect_eq "pictures drawn before one was asked for" "" "$(tv_trace_lines 'CLIPBOARD PICTURE')"
timeout 5 xclip -o -selection clipboard -t image/png >"$d/clip.png"
"$TV_CLI" export "$d/b.tvd" -o "$d/expected.png" --relative --zoom 400 || tv_fail "tavolin-cli export failed"
tv_same_picture "the copy's picture" "$d/expected.png" "$d/clip.png"

# The second pastes it at (50, 70), a view at 400 % from the sheet's corner.
tv_run --zoom 400 --origin 0,0 "$d/c.tvd"
tv_wait_view c.tvd "400 0 0 0"
tv_to 50 70
tv_key "$TV_MAIN" ctrl+v
xdotool click 1
tv_expect_title "Tavolin - c.tvd*"
tv_key "$TV_MAIN" ctrl+s
tv_expect_title "Tavolin - c.tvd"
printf '[TAVOLIN ]\r\nTY 50 70 5 3 0 0 0 * Perch\xe8\r\n' >"$d/expected-c.tvd"
expect_file_eq "the text pasted from the other program" "$d/expected-c.tvd" "$d/c.tvd"

expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_quit
TV_PID=$first TV_TRACE=$d/trace.1
tv_find_main
tv_quit
