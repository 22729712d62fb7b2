# "Stampa..." with no printer installed prints to a PDF named after the
# drawing. A drawing is fitted to one page inside margins 5 mm wider than the
# printer's, its proportions kept, with the printed layers only. In PCB mode
# a print is at real scale (201 units of 127 micrometres are 25.53 mm, 12.7 mm
# from the printable area's corner), and with "Stampa invertito in modalita'
# PCB" on (the default) it is the mirror image of the print with it off.
. "$TV_E2E_DIR/lib.sh"

d=$TV_CASE_DIR
# Layer 2 is shown but not printed, layer 3 printed but not shown.
mkdir -p "$(dirname "$TV_CONF")"
printf '[Layers]\nPrint2=0\nShow3=0\n' >"$TV_CONF"
printf '[TAVOLIN Scatola]\r\nRP 100 100 600 400\r\nRP 100 700 600 900 2\r\nRP 100 440 600 450 3\r\n' >"$d/box.tvd"
# An L, so that its mirror image differs from it.
printf '[TAVOLIN Piastra]\r\nRP 100 100 301 150\r\nRP 100 150 150 250\r\n' >"$d/pcb.tvd"

# print_as DOCUMENT NAME: Ctrl+P, Stampa, and DOCUMENT.pdf kept as NAME.pdf.
print_as() {
    rm -f "$d/$1.pdf"
    tv_mark
    tv_key "$TV_MAIN" ctrl+p
    tv_wait_window '^Stampa$'
    tv_key "$TV_WIN" Return
    tv_wait_gone "$TV_WIN"
    tv_wait_new -p "COMMAND "
    mv "$d/$1.pdf" "$d/$2.pdf" || tv_fail "no $1.pdf after Stampa"
}

tv_run "$d/pcb.tvd" "$d/box.tvd"
print_as box fitted
tv_key "$TV_MAIN" ctrl+w
tv_expect_title "Tavolin - pcb.tvd"
tv_menu v c
print_as pcb mirrored
tv_menu o c
tv_wait_window '^Impostazioni$'
tv_key "$TV_WIN" Tab Tab Tab space Return # "Stampa invertito in modalita' PCB" off
tv_wait_gone "$TV_WIN"
print_as pcb plain
expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_quit

expect_eq "pages" "Pages:           1" "$(pdfinfo "$d/fitted.pdf" | grep '^Pages:')"
cd "$TV_E2E_DIR" && python3 - "$d" <<'PY' || tv_fail "the prints are not as expected"
import sys
from ink import render, ink_box, mm, mirror_differ
d = sys.argv[1]
def box(name):
    w, h, rows = render(f"{d}/{name}.pdf")
    return [mm(v) for v in (w, *ink_box(w, h, rows))]
page_w, left, top, right, bottom = box("fitted")
print("fitted: page %.2f mm wide, ink %.2f,%.2f to %.2f,%.2f mm" % (page_w, left, top, right, bottom))
# The printer's margins are alike on every side, so the gaps on the left, the
# right and the top agree; each is 5 mm more than the printer's.
gaps = (left, top, page_w - right)
assert max(gaps) - min(gaps) < 0.5 and min(gaps) >= 5, gaps
assert abs((right - left) / (bottom - top) - 501 / 351) < 0.02
for name, x in (("mirrored", 99), ("plain", 100)):
    _, l, _, r, _ = box(name)
    print("%s: ink from %.2f mm, %.2f mm wide" % (name, l, r - l))
    assert abs(r - l - 25.53) < 0.3 and abs(l - (left - 5 + x * 0.127)) < 0.3, name
assert mirror_differ(f"{d}/plain.pdf", f"{d}/mirrored.pdf") < 0.02, "not the plain print turned over"
assert mirror_differ(f"{d}/plain.pdf", f"{d}/plain.pdf") > 0.2, "the same turned over"
PY
