# "Stampa..." with no printer installed prints to a PDF file named after the
# drawing: one page, the printed layers only, fitted to the page inside
# margins of 5 mm more than the printer's own, its proportions kept.
. "$TV_E2E_DIR/lib.sh"

# Layer 2 is shown but not printed, layer 3 printed but not shown.
mkdir -p "$(dirname "$TV_CONF")"
printf '[Layers]\nPrint2=0\nShow3=0\n' >"$TV_CONF"
printf '[TAVOLIN Scatola]\r\nRP 100 100 600 400\r\nRP 100 700 600 900 2\r\nRP 100 440 600 450 3\r\n' \
    >"$TV_CASE_DIR/box.tvd"
pdf=$TV_CASE_DIR/box.pdf

print_to_pdf() {
    rm -f "$pdf"
    tv_mark
    tv_key "$TV_MAIN" ctrl+p
    tv_wait_window '^Stampa$'
    local dlg=$TV_WIN
    tv_key "$dlg" Return
    tv_wait_gone "$dlg"
    tv_wait_new -p "COMMAND "
    [ -s "$pdf" ] || tv_fail "no $pdf after Stampa"
}

tv_start "$TV_CASE_DIR/box.tvd"
tv_wait_ready
tv_wait_painted box.tvd
print_to_pdf
expect_eq "pages" "Pages:           1" "$(pdfinfo "$pdf" | grep '^Pages:')"
read -r page_w page_h left top right bottom <<<"$(python3 "$TV_E2E_DIR/ink.py" box "$pdf")" ||
    tv_fail "could not measure $pdf"
echo "page ${page_w}x$page_h mm, ink $left,$top to $right,$bottom mm"
# The printer's margins are the same on every side here, so the gaps on the
# left, the right and the top agree; each is 5 mm more than the printer's.
python3 - "$page_w" "$left" "$top" "$right" "$bottom" <<'PY' || tv_fail "the drawing does not fill the page inside the margins"
import sys
page_w, left, top, right, bottom = map(float, sys.argv[1:])
gaps = (left, top, page_w - right)
assert max(gaps) - min(gaps) < 0.5, gaps
assert min(gaps) >= 5, gaps
ratio = (right - left) / (bottom - top)
assert abs(ratio - 501 / 351) < 0.02, ratio
PY
tv_quit
