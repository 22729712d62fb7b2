# F1 hands the desktop the manual's index: a stand-in xdg-open, first on the
# PATH, writes down what it was given.
. "$TV_E2E_DIR/lib.sh"

bin=$TV_CASE_DIR/bin note=$TV_CASE_DIR/opened
mkdir -p "$bin"
cat >"$bin/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >"$note.part" && mv "$note.part" "$note"
EOF
chmod +x "$bin/xdg-open"
export PATH=$bin:$PATH
index=$(realpath "$TV_BUILD/share/tavolin/manual/index.html") || tv_fail "the build has no manual"

tv_start
tv_wait_ready
tv_mark
tv_key "$TV_MAIN" F1
tv_wait_new "HELP $index"
tv_poll "the manual handed to xdg-open" test -f "$note"
expect_eq "what xdg-open was given" "$index" "$(cat "$note")"
grep -q '<title>La finestra' "$(cat "$note")" || tv_fail "$(cat "$note") is not the manual's index"
expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
tv_quit
