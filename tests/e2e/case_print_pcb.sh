# In PCB mode ("&Visualizza" -> "P&CB Mode ON/OFF") a print is at real scale:
# 201 units of 127 micrometres measure 25.53 mm, 12.7 mm (100 units) from the
# printable area's corner; with "Stampa invertito in modalita' PCB" on (the
# default) it is the mirror image of the print with it off, about x = 200.
. "$TV_E2E_DIR/lib.sh"

# An L, so that its mirror image differs from it.
printf '[TAVOLIN Piastra]\r\nRP 100 100 301 150\r\nRP 100 150 150 250\r\n' >"$TV_CASE_DIR/pcb.tvd"
pdf=$TV_CASE_DIR/pcb.pdf

# print_as NAME: Ctrl+P, Stampa, and the PDF kept as NAME.pdf.
print_as() {
    rm -f "$pdf"
    tv_mark
    tv_key "$TV_MAIN" ctrl+p
    tv_wait_window '^Stampa$'
    local dlg=$TV_WIN
    tv_key "$dlg" Return
    tv_wait_gone "$dlg"
    tv_wait_new -p "COMMAND "
    [ -s "$pdf" ] || tv_fail "no $pdf after Stampa"
    mv "$pdf" "$TV_CASE_DIR/$1.pdf"
}

# left_and_width NAME: sets LEFT and WIDTH to the ink's, in millimetres.
left_and_width() {
    local w h t r b
    read -r w h LEFT t r b <<<"$(python3 "$TV_E2E_DIR/ink.py" box "$TV_CASE_DIR/$1.pdf")" ||
        tv_fail "could not measure $1.pdf"
    WIDTH=$(python3 -c "print('%.2f' % ($r - $LEFT))")
    echo "$1: ink from $LEFT mm, $WIDTH mm wide"
}

# near WHAT EXPECTED ACTUAL: within 0.3 mm.
near() {
    python3 -c "import sys; sys.exit(abs($2 - $3) > 0.3)" || tv_fail "$1: expected $2 mm, got $3 mm"
}

tv_start "$TV_CASE_DIR/pcb.tvd"
tv_wait_ready
tv_wait_painted pcb.tvd

# Fitted first: its left edge lies 5 mm inside the printable area.
print_as fitted
left_and_width fitted
corner=$(python3 -c "print($LEFT - 5)")

tv_menu v c
print_as mirrored
left_and_width mirrored
near "width of the mirrored print" 25.53 "$WIDTH"
near "left edge of the mirrored print (x = 99)" "$(python3 -c "print($corner + 12.573)")" "$LEFT"

tv_menu o c
tv_wait_window '^Impostazioni$'
cfg=$TV_WIN
tv_key "$cfg" Tab Tab Tab space Return   # "Stampa invertito in modalita' PCB" off
tv_wait_gone "$cfg"
print_as plain
left_and_width plain
near "width of the plain print" 25.53 "$WIDTH"
near "left edge of the plain print (x = 100)" "$(python3 -c "print($corner + 12.7)")" "$LEFT"

differ=$(python3 "$TV_E2E_DIR/ink.py" mirrored "$TV_CASE_DIR/plain.pdf" "$TV_CASE_DIR/mirrored.pdf")
python3 -c "import sys; sys.exit($differ > 0.02)" || tv_fail "the mirrored print is not the plain one turned over ($differ differ)"
differ=$(python3 "$TV_E2E_DIR/ink.py" mirrored "$TV_CASE_DIR/plain.pdf" "$TV_CASE_DIR/plain.pdf")
python3 -c "import sys; sys.exit($differ < 0.2)" || tv_fail "the drawing looks the same turned over ($differ differ)"
expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_quit
