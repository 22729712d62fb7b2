# Helpers for the end-to-end cases, sourced by each case_*.sh. run.sh gives a
# case DISPLAY (an Xvfb, no window manager), fresh XDG folders and TMPDIR, its
# own folder as working directory, TV_BUILD, TV_CASE_DIR (scratch), TV_E2E_DIR
# (here), TV_ARTIFACTS (failures' screenshots) and TV_CASE (its name).
#
# What works with no window manager, found by trying:
# - Keys go to the window with the X input focus: `xdotool windowfocus --sync`
#   then `xdotool key` (tv_key). `windowactivate` needs a window manager and
#   `key --window` sends synthetic events Qt does not take reliably. A new
#   dialog does not take the focus by itself either.
# - Alt+F4 does nothing and `xdotool windowclose` destroys the X window under
#   a program that then never exits: quit with the menu keys (tv_quit) or send
#   WM_DELETE_WINDOW as a window manager's close button would (tv_close).
# - Menu popups, tooltips and message boxes are top-level windows of the
#   program and may also be named "Tavolin"; the main window is the largest.
# - Failing helpers end the case through tv_fail, so they set globals (TV_WIN,
#   TV_MAIN, ...) rather than print: an exit inside $(...) ends a subshell.

set -u

TV_BIN=$TV_BUILD/tavolin
TV_CLI=$TV_BUILD/tavolin-cli
TV_EXAMPLES=$(cd "$TV_E2E_DIR/../../examples" && pwd)
TV_CONF="$XDG_CONFIG_HOME/Zanibo Corporation/Tavolin.conf"
TV_LIMIT=10 # seconds any wait may take
TV_RUN=0 TV_PID= TV_TRACE= TV_MAIN= TV_WIN= TV_RC= TV_LINE= TV_MARK=0 TV_GOT=
TV_X= TV_Y= TV_W= TV_H=
# Commands whose "COMMAND id" lines the cases wait for.
TV_ID_SAVE=57603

tv_fail() {
    printf '%s\n' "$*" >>"$TV_CASE_DIR/reason"
    printf 'FAIL: %s\n' "$*" >&2
    mkdir -p "$TV_ARTIFACTS"
    import -window root "$TV_ARTIFACTS/$TV_CASE.png" 2>/dev/null
    exit 1
}

expect_eq() {
    [ "$2" = "$3" ] && return 0
    echo "--- $1: expected / +++ got" >&2
    diff -u <(printf '%s\n' "$2") <(printf '%s\n' "$3") | tail -n +3 >&2
    tv_fail "$1 differs"
}

# expect_file_eq WHAT EXPECTED_FILE ACTUAL_FILE: byte for byte; shows line ends.
expect_file_eq() {
    [ -f "$3" ] || tv_fail "$1: $3 does not exist"
    cmp -s "$2" "$3" && return 0
    echo "--- $1: expected ($2) / +++ got ($3); ^M is CR, \$ ends a line" >&2
    diff -u <(cat -A "$2") <(cat -A "$3") | tail -n +3 | head -40 >&2
    tv_fail "$1 differs"
}

# tv_poll WHAT COMMAND...: waits, polling every 50 ms, until COMMAND succeeds;
# COMMAND may set TV_GOT to what it saw instead.
tv_poll() {
    local what=$1 end=$((${EPOCHREALTIME/./} + TV_LIMIT * 1000000))
    shift
    TV_GOT=
    until "$@"; do
        [ "${EPOCHREALTIME/./}" -gt "$end" ] && tv_fail "no $what within ${TV_LIMIT}s${TV_GOT:+; got: $TV_GOT}"
        sleep 0.05
    done
}

tv_alive() { local state; read -r _ _ state _ 2>/dev/null <"/proc/$TV_PID/stat" && [ "$state" != Z ]; }
tv_reap() { wait "$TV_PID" 2>/dev/null; TV_RC=$?; }
# For conditions on the trace: fails at once when the program has ended.
tv_running() { tv_alive || { tv_reap; tv_fail "the program ended (status $TV_RC) while waiting"; }; }

# tv_start [ARGS...]: starts the program with --trace --no-splash; its trace
# (standard error) goes to $TV_TRACE.
tv_start() {
    TV_RUN=$((TV_RUN + 1))
    TV_TRACE=$TV_CASE_DIR/trace.$TV_RUN
    : >"$TV_TRACE"
    echo "run $TV_RUN: tavolin --trace --no-splash $*" >"$TV_CASE_DIR/cmd.$TV_RUN"
    "$TV_BIN" --trace --no-splash "$@" 2>"$TV_TRACE" >/dev/null &
    TV_PID=$!
    TV_MAIN=
}

# tv_wait_line LINE [NTH]: waits until the trace holds LINE (the whole line)
# at least NTH times.
tv_has_line() { [ "$(grep -cxF -- "$1" "$TV_TRACE")" -ge "$2" ] || { tv_running; false; }; }
tv_wait_line() { tv_poll "trace line '$1' (x${2:-1})" tv_has_line "$1" "${2:-1}"; }
tv_wait_ready() { tv_wait_line READY; tv_find_main; }
tv_trace_lines() { grep -- "^$1" "$TV_TRACE" || true; }

# Input is handled in the order it is sent, so a check after some input waits
# for the line written once the last of it was handled:
#   tv_mark; tv_key "$TV_MAIN" ctrl+s; tv_wait_new "COMMAND $TV_ID_SAVE"; check
# With -p, LINE is a prefix. TV_LINE is set to the line found.
tv_mark() { TV_MARK=$(wc -l <"$TV_TRACE"); }
tv_new_line() {
    TV_LINE=$(awk -v from="$TV_MARK" -v want="$2" -v whole="$1" \
        'NR > from && (whole ? $0 == want : index($0, want) == 1) { print; exit }' "$TV_TRACE")
    [ -n "$TV_LINE" ] || { tv_running; false; }
}
tv_wait_new() {
    if [ "$1" = -p ]; then tv_poll "new trace line '$2…'" tv_new_line 0 "$2"
    else tv_poll "new trace line '$1'" tv_new_line 1 "$1"; fi
}

# tv_run [ARGS...]: tv_start, then start-up done and, when the last argument
# is a document, its first paint and then its exact picture.
tv_run() {
    tv_start "$@"
    tv_wait_ready
    case ${!#} in *.tv?) tv_wait_line "SHOWN $(basename "${!#}")"; tv_wait_line "PAINTED $(basename "${!#}")" ;; esac
}
# tv_keys_then LINE KEYS...: KEYS on the main window, then waits for LINE.
tv_keys_then() { tv_mark; tv_key "$TV_MAIN" "${@:2}"; tv_wait_new "$1"; }

tv_wait_exit() { tv_poll "end of the program" eval '! tv_alive'; tv_reap; }
# tv_quit: "&File" -> "&Esci"; the program must end with status 0.
tv_quit() { tv_menu f e; tv_wait_exit; expect_eq "exit status after Esci" 0 "$TV_RC"; }

tv_close() { python3 "$TV_E2E_DIR/xclose.py" "$TV_MAIN" || tv_fail "could not close $TV_MAIN"; }

# ---------------------------------------------------------------- windows

tv_windows() { xdotool search --all --onlyvisible --pid "$TV_PID" --name "$1" 2>/dev/null || true; }

tv_geometry() { # WINDOW: sets TV_X TV_Y TV_W TV_H
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^\(X\|Y\)=/TV_&/p; s/^WIDTH=/TV_W=/p; s/^HEIGHT=/TV_H=/p')"
}

tv_largest() {
    local w size max=10000
    TV_MAIN=
    for w in $(tv_windows '^Tavolin'); do
        tv_geometry "$w"
        size=$((TV_W * TV_H))
        [ "$size" -gt "$max" ] && max=$size TV_MAIN=$w
    done
    [ -n "$TV_MAIN" ]
}
tv_find_main() { tv_poll "main window" tv_largest; }

# tv_wait_window REGEX: sets TV_WIN to a shown window of the program other
# than the main one whose name matches REGEX.
tv_other() { TV_WIN=$(tv_windows "$1" | grep -vx "${TV_MAIN:-none}" | head -1); [ -n "$TV_WIN" ] || { tv_running; false; }; }
tv_wait_window() { tv_poll "window '$1'" tv_other "$1"; }

tv_is_shown() { xdotool search --onlyvisible --pid "$TV_PID" 2>/dev/null | grep -qx "$1"; }
tv_wait_gone() { tv_poll "end of window $1" eval "! tv_is_shown $1"; }

tv_has_title() { TV_GOT=$(xdotool getwindowname "$TV_MAIN" 2>/dev/null); [ "$TV_GOT" = "$1" ]; }
tv_expect_title() { tv_poll "title '$1'" tv_has_title "$1"; }

# ---------------------------------------------------------------- input

# Hover tooltips are windows too; keep the pointer off the program.
tv_park_pointer() { xdotool mousemove 1270 1010; }

tv_key() {
    timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || tv_fail "could not focus window $1"
    shift
    xdotool key --delay 30 "$@"
}
tv_type() { tv_key "$1"; xdotool type --delay 10 -- "$2"; }

# tv_menu MENU ITEM...: Alt+MENU on the main window, then each ITEM (mnemonic
# letters, e.g. "f e" for "&File" -> "&Esci") once its popup is shown;
# returns when the popups are gone, so that a click that follows is not
# taken by them.
tv_shown() { xdotool search --onlyvisible --pid "$TV_PID" 2>/dev/null | sort; }
# A popup is a window that was not there before (counting would be fooled by
# a tooltip going away at the same time).
tv_popup() { TV_WIN=$(comm -13 <(echo "$before") <(tv_shown)); [ -n "$TV_WIN" ]; }
tv_menu() {
    local before popups= item w
    tv_park_pointer
    before=$(tv_shown)
    tv_key "$TV_MAIN" "alt+$1"
    shift
    for item; do
        tv_poll "menu popup before '$item'" tv_popup
        popups="$popups $TV_WIN"
        before=$(tv_shown)
        xdotool key "$item"
    done
    for w in $popups; do tv_wait_gone "$w"; done
}

# tv_click X Y: a left click on the screen; then the pointer leaves, or a
# tooltip would come up under it and take the next click there.
tv_click() { xdotool mousemove --sync "$1" "$2" click 1; tv_park_pointer; }

# tv_dismiss REGEX [KEY]: the message box named REGEX gets KEY (Return) and
# must go away.
tv_dismiss() { tv_wait_window "$1"; local box=$TV_WIN; tv_key "$box" "${2:-Return}"; tv_wait_gone "$box"; }

# tv_save_over FILE: Ctrl+S on the document saved as FILE, which must have
# been written again (made older first, since saving may write the same
# bytes) by the time the command's line comes.
tv_save_over() {
    touch -d '1 minute ago' "$1"
    touch -d '30 seconds ago' "$TV_CASE_DIR/.stamp"
    tv_mark
    tv_key "$TV_MAIN" ctrl+s
    tv_wait_new "COMMAND $TV_ID_SAVE"
    [ "$1" -nt "$TV_CASE_DIR/.stamp" ] || tv_fail "Ctrl+S did not write $1"
}

# tv_save_as FILE: Ctrl+S on an untitled document, FILE typed as its name;
# waits until the title shows it saved.
tv_save_as() {
    tv_key "$TV_MAIN" ctrl+s
    tv_wait_window '^Salva con nome$'
    local d=$TV_WIN
    tv_type "$d" "$1"
    xdotool key Return
    tv_wait_gone "$d"
    tv_expect_title "Tavolin - $(basename "$1")"
}

# tv_ini FILE: the INI file's entries as sorted "Section/key=value" lines.
tv_ini() {
    awk '/^\[.*\]\r?$/ { sub(/\r$/, ""); sec = substr($0, 2, length($0) - 2); gsub(/%20/, " ", sec); next }
         /^[ \t\r]*$/ { next }
         { i = index($0, "="); print sec "/" substr($0, 1, i - 1) "=" substr($0, i + 1) }' "$1" | LC_ALL=C sort
}

tv_body() { tail -n +2 "$1" | tr -d '\r'; } # a saved file's lines after the header

# tv_clip_holds WHAT FILE XCLIP_ARGS...: the clipboard comes to hold FILE's bytes.
tv_clip_is() {
    TV_GOT=$(timeout 5 xclip -o "${@:2}" 2>/dev/null | tee "$TV_CASE_DIR/clip.out" | cat -A)
    cmp -s "$1" "$TV_CASE_DIR/clip.out"
}
tv_clip_holds() { tv_poll "$1" tv_clip_is "${@:2}"; }

# ---------------------------------------------------------------- document views

# tv_view NAME: the last "VIEW" trace line of document NAME into TV_VX TV_VY
# (the canvas's top-left on the screen), TV_VW TV_VH, TV_ZOOM (percent),
# TV_SX TV_SY (the logical point at the top-left) and TV_STRETCH.
tv_view() {
    local line
    line=$(grep -- "^VIEW $1 " "$TV_TRACE" | tail -1)
    [ -n "$line" ] || return 1
    read -r _ _ TV_VX TV_VY TV_VW TV_VH TV_ZOOM TV_SX TV_SY TV_STRETCH <<<"$line"
}

# tv_wait_view NAME "ZOOM SX SY STRETCH": waits until the view of NAME shows that.
tv_view_is() { tv_view "$1" && [ "$TV_ZOOM $TV_SX $TV_SY $TV_STRETCH" = "$2" ]; }
tv_wait_view() { tv_poll "view '$2' of $1" tv_view_is "$1" "$2"; }

# tv_new_drawing NAME: "&Nuovo" -> "Documento Tavolin"; waits for its view
# (400 %, the sheet's corner at the canvas's corner).
tv_new_drawing() {
    tv_menu f n
    tv_wait_window '^Nuovo$'
    tv_key "$TV_WIN" Return
    tv_wait_gone "$TV_WIN"
    tv_wait_view "$1" "400 0 0 0"
}

# tv_settled NAME: the view of NAME has drawn its picture complete since it last
# changed place or what it shows.
tv_settled() { grep -E -- "^(VIEW|SETTLED) $1 " "$TV_TRACE" | tail -1 | grep -q "^SETTLED "; }

tv_canvas_shot() {
    tv_poll "settled picture of $1" tv_settled "$1"
    tv_view "$1"
    tv_park_pointer
    import -window root -crop "${TV_VW}x$TV_VH+$TV_VX+$TV_VY" +repage "$2" 2>/dev/null || tv_fail "no screenshot of $1"
}

tv_same_picture() {
    local diff
    diff=$(compare -metric AE "$2" "$3" null: 2>&1) || true
    [ "$diff" = 0 ] || tv_fail "$1: $diff pixels differ ($2 vs $3)"
}

# ---------------------------------------------------------------- the canvas at 400 %
# After tv_view of a view at 400 % from the sheet's corner: a unit is 4 pixels.

tv_at() { echo $((TV_VX + $1 * 4)) $((TV_VY + $2 * 4)); }
# The pointer goes to a point with --sync only from elsewhere: a move to where
# it already is never reports back.
tv_to() { tv_park_pointer; xdotool mousemove --sync $(tv_at "$1" "$2"); TV_PT="$1 $2"; }
# Two presses make a double-click only where the pointer did not move in
# between, and it always moves here.
tv_click_at() { tv_to "$1" "$2"; xdotool click 1; }
# tv_move X Y: during a drag, the pointer to (X, Y); waits until the view has
# handled it (one move at a time, or the X events would be merged).
TV_PT=
tv_move() {
    [ "$1 $2" = "$TV_PT" ] && return 0 # no move, no event
    TV_PT="$1 $2"
    xdotool mousemove $(tv_at "$1" "$2")
    tv_wait_new "MOVE $(($1 * 4)) $(($2 * 4))"
}
tv_drag() { # X0 Y0 X1 Y1: press, move in two steps, release; waits for the release
    tv_to "$1" "$2"
    xdotool mousedown 1
    tv_mark
    tv_move $((($1 + $3) / 2)) $((($2 + $4) / 2))
    tv_move "$3" "$4"
    xdotool mouseup 1
    tv_wait_new RELEASE
}
