# The document windows in their opening order: Ctrl+Tab and Ctrl+Shift+Tab
# walk them and wrap around, "Fi&nestra" lists them numbered and activates
# the one chosen, Ctrl+W, "&File" -> "&Chiudi" and Ctrl+F4 close the active one.
. "$TV_E2E_DIR/lib.sh"

tv_start "$TV_EXAMPLES/esempio.tvd"
tv_wait_ready
tv_wait_painted esempio.tvd
tv_new_drawing Documento1
tv_new_drawing Documento2
tv_expect_title "Tavolin - Documento2"

for step in "ctrl+Tab esempio.tvd" "ctrl+Tab Documento1" "ctrl+Tab Documento2" \
    "ctrl+shift+Tab Documento1" "ctrl+shift+Tab esempio.tvd" "ctrl+shift+Tab Documento2"; do
    tv_key "$TV_MAIN" "${step% *}"
    tv_expect_title "Tavolin - ${step#* }"
done

tv_menu n 1
tv_expect_title "Tavolin - esempio.tvd"
tv_menu n 3
tv_expect_title "Tavolin - Documento2"

tv_key "$TV_MAIN" ctrl+w
tv_menu n 2 # Documento1, second still
tv_expect_title "Tavolin - Documento1"
tv_menu f c
tv_expect_title "Tavolin - esempio.tvd"
tv_key "$TV_MAIN" ctrl+F4
tv_expect_title "Tavolin"
expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_quit
