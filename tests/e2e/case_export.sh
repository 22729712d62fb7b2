# "Salva come bitmap/EMF...": a name typed without extension, "Immagini PNG"
# chosen, is saved as the ".png" `tavolin-cli export` makes with the same
# defaults; in "Enhanced Metafile" mode a bare name becomes an ".emf".
. "$TV_E2E_DIR/lib.sh"

d=$TV_CASE_DIR
cp "$TV_EXAMPLES/esempio.tvd" "$d/"
for ext in png emf; do
    "$TV_CLI" export "$d/esempio.tvd" -o "$d/expected.$ext" || tv_fail "tavolin-cli export $ext failed"
done

# export_as KEYS NAME TYPE_KEYS: the command, KEYS in its dialog then OK, NAME
# typed in the save dialog, TYPE_KEYS on its file type box, then Salva.
export_as() {
    tv_mark
    tv_menu f b
    tv_wait_window '^Salva come bitmap/metafile$'
    tv_key "$TV_WIN" $1 Return
    tv_wait_gone "$TV_WIN"
    tv_wait_window '^Salva con nome$'
    tv_type "$TV_WIN" "$2"
    xdotool key --delay 50 Tab $3 Return
    tv_wait_gone "$TV_WIN"
    tv_wait_new -p "COMMAND "
}

tv_run "$d/esempio.tvd"
export_as "" disegno Down
expect_file_eq "PNG saved from the dialog" "$d/expected.png" "$d/disegno.png"
# Down in the mode group: from "assoluta" (checked) to "Enhanced Metafile".
export_as Down metafile ""
expect_file_eq "EMF saved from the dialog" "$d/expected.emf" "$d/metafile.emf"
expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_quit
