# A new library ("&Nuovo" -> "Libreria Tavolin") shows its one empty
# component at 800 % about the macro origin and saved at once is exactly its
# header and that component; a key taken by another one is skipped when a
# component is added; a key of 9 characters is refused with its message, on
# adding and on saving, and the file keeps the old key until it is mended; a
# "]" typed into the key is refused with a beep.
. "$TV_E2E_DIR/lib.sh"

lib=$TV_CASE_DIR/nuova.tvl
type_key() { # KEY: replaces the text of "TBM"
    tv_click "$TV_TBM_X" "$TV_TBM_Y"
    tv_key "$TV_MAIN" End shift+Home
    xdotool type --delay 10 -- "$1"
}
saved() { tr -d '\r' <"$lib"; }

tv_start
tv_wait_ready
tv_new_library Libreria1
tv_expect_title "Tavolin - Libreria1"
tv_wait_view Libreria1 "800 90 90 0"

tv_save_as "$lib"
printf '[TAVOLIB Nuova libreria 1]\r\n[M01 Componente 1]\r\n' >"$TV_CASE_DIR/expected.tvl"
expect_file_eq "a new library saved at once" "$TV_CASE_DIR/expected.tvl" "$lib"

# M01 becomes M02, so the next new component skips M02 for M03.
tv_fields Libreria1
type_key M02
tv_menu l a
tv_expect_title "Tavolin - nuova.tvl*"
tv_key "$TV_MAIN" ctrl+s
tv_expect_title "Tavolin - nuova.tvl"
expect_eq "a component added after M02" "[TAVOLIB Nuova libreria 1]
[M02 Componente 1]
[M03 Componente 3]" "$(saved)"

# Nine characters: refused when adding, and when saving; the file keeps M03.
tv_fields nuova.tvl
type_key ABCDEFGHI
tv_menu l a
tv_wait_msg "Tavolin|Il nome breve del componente di libreria deve essere composto da soli caratteri alfanumerici, e non deve essere piu' lungo di 8 caratteri."
tv_dismiss '^Tavolin$'
tv_key "$TV_MAIN" ctrl+s
tv_wait_line "MSG Tavolin|Il nome breve del componente di libreria deve essere composto da soli caratteri alfanumerici, e non deve essere piu' lungo di 8 caratteri." 2
tv_dismiss '^Tavolin$'
expect_eq "the file after the refusals" "[TAVOLIB Nuova libreria 1]
[M02 Componente 1]
[M03 Componente 3]" "$(saved)"
type_key 'R]9' # "]" would end the header: refused with a beep
tv_wait_line BEEP
tv_mark
tv_key "$TV_MAIN" ctrl+s
tv_wait_new "COMMAND $TV_ID_SAVE"
expect_eq "the key mended and saved" "[TAVOLIB Nuova libreria 1]
[M02 Componente 1]
[R9 Componente 3]" "$(saved)"
tv_expect_title "Tavolin - nuova.tvl"
tv_quit
