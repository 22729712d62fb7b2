# F1 hands the manual's index to the desktop: a stand-in xdg-open, first on
# the PATH, writes down what it was given.
. "$TV_E2E_DIR/lib.sh"

note=$TV_CASE_DIR/opened
mkdir -p bin && export PATH=$PWD/bin:$PATH
printf '#!/bin/sh\necho "$*" >"%s.part" && mv "%s.part" "%s"\n' "$note" "$note" "$note" >bin/xdg-open
chmod +x bin/xdg-open
index=$(realpath "$TV_BUILD/share/tavolin/manual/index.html") || tv_fail "the build has no manual"
tv_run
tv_key "$TV_MAIN" F1
tv_wait_line "HELP $index"
tv_poll "the index handed to xdg-open" test -f "$note"
expect_eq "what xdg-open was given, then message boxes" "$index" "$(cat "$note"; tv_trace_lines MSG)"
tv_quit
