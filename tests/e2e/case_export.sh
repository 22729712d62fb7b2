# "Salva come bitmap/EMF...": with the dialog's defaults and "Immagini PNG"
# chosen, a name typed without extension is saved as a PNG with ".png", the
# same picture `tavolin-cli export` makes; in "Enhanced Metafile" mode a bare
# name becomes a ".emf", not a ".bmp". A name the mode cannot write (".svg"
# in the default mode) is refused and the save dialog stays open.
. "$TV_E2E_DIR/lib.sh"

cp "$TV_EXAMPLES/esempio.tvd" "$TV_CASE_DIR/esempio.tvd"
"$TV_CLI" export "$TV_CASE_DIR/esempio.tvd" -o "$TV_CASE_DIR/expected.png" || tv_fail "tavolin-cli export png failed"
"$TV_CLI" export "$TV_CASE_DIR/esempio.tvd" -o "$TV_CASE_DIR/expected.emf" || tv_fail "tavolin-cli export emf failed"

# export_as KEYS NAME TYPE_KEYS: the command, KEYS in its dialog then OK, NAME
# typed in the save dialog, TYPE_KEYS on its file type box, then Salva.
export_as() {
    tv_mark
    tv_menu f b
    tv_wait_window '^Salva come bitmap/metafile$'
    local dlg=$TV_WIN
    [ -n "$1" ] && tv_key "$dlg" $1
    tv_key "$dlg" Return
    tv_wait_gone "$dlg"
    tv_wait_window '^Salva con nome$'
    local save=$TV_WIN
    tv_type "$save" "$2"
    [ -n "$3" ] && xdotool key --delay 50 Tab $3
    xdotool key Return
    tv_wait_gone "$save"
    tv_wait_new -p "COMMAND "
}

tv_start "$TV_CASE_DIR/esempio.tvd"
tv_wait_ready
tv_wait_painted esempio.tvd

export_as "" disegno Down
expect_file_eq "PNG saved from the dialog" "$TV_CASE_DIR/expected.png" "$TV_CASE_DIR/disegno.png"

# Down in the mode group: from "assoluta" (checked) to "Enhanced Metafile".
export_as Down metafile ""
expect_file_eq "EMF saved from the dialog" "$TV_CASE_DIR/expected.emf" "$TV_CASE_DIR/metafile.emf"

tv_menu f b
tv_wait_window '^Salva come bitmap/metafile$'
tv_key "$TV_WIN" Return
tv_wait_window '^Salva con nome$'
save=$TV_WIN
tv_type "$save" disegno.svg
xdotool key Return
tv_wait_msg "Attenzione|Un file .svg non si puo' salvare in questa modalita': usare .bmp o .png, oppure scegliere la modalita' \"Enhanced Metafile\"."
tv_dismiss '^Attenzione$'
tv_is_shown "$save" || tv_fail "the save dialog closed after the refusal"
tv_key "$save" Escape
tv_wait_gone "$save"

ls "$TV_CASE_DIR" | grep -E '^(disegno|metafile)' >"$TV_CASE_DIR/made"
expect_eq "files made" "disegno.png
metafile.emf" "$(cat "$TV_CASE_DIR/made")"
expect_eq "message boxes" "1" "$(tv_trace_lines MSG | wc -l)"
tv_quit
