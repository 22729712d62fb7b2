# Helpers for the end-to-end cases; each case_*.sh sources this file.
#
# run.sh gives every case: DISPLAY (an Xvfb with no window manager), fresh
# XDG_CONFIG_HOME / XDG_DATA_HOME / XDG_STATE_HOME / XDG_RUNTIME_DIR / TMPDIR,
# the case's own folder as working directory, and
#   TV_BUILD      the build folder (tavolin, tavolin-cli)
#   TV_CASE_DIR   the case's scratch folder (removed afterwards)
#   TV_E2E_DIR    this folder
#   TV_ARTIFACTS  where screenshots of failures go (kept)
#   TV_CASE       the case's name
#
# What works with no window manager, found by trying:
# - Keys go to the window that has the X input focus. `xdotool windowfocus
#   --sync` sets it; `windowactivate` needs a window manager, and
#   `xdotool key --window` sends synthetic events that Qt does not take
#   reliably. So focus first, then `xdotool key` (tv_key does both).
# - A new dialog or message box does not take the focus by itself: focus it
#   (tv_wait_window, then tv_key on it).
# - Alt+F4 does nothing (no window manager to turn it into a close).
#   `xdotool windowclose` destroys the X window under the program, which then
#   runs on with no window and never exits. To quit, use the menu keys Alt+F,
#   E ("&File" -> "&Esci", tv_quit), or send WM_DELETE_WINDOW as a window
#   manager's close button would (tv_close, via xclose.py).
# - Menu popups, tooltips and message boxes are top-level windows of the
#   program and may also be named "Tavolin"; the main window is the largest
#   one (tv_find_main).
# - Every failing helper ends the case at once through tv_fail, so helpers set
#   globals (TV_WIN, TV_TITLE, ...) instead of being called inside $(...),
#   where an exit would only leave the subshell.

set -u

TV_BIN=$TV_BUILD/tavolin
TV_CLI=$TV_BUILD/tavolin-cli
TV_EXAMPLES=$(cd "$TV_E2E_DIR/../../examples" && pwd)
TV_CONF="$XDG_CONFIG_HOME/Zanibo Corporation/Tavolin.conf"
TV_LIMIT=10      # seconds any wait may take
TV_RUN=0         # programs started so far by this case
TV_PID=
TV_TRACE=
TV_MAIN=
TV_WIN=
TV_TITLE=
TV_RC=
TV_CLIP=
TV_X= TV_Y= TV_W= TV_H=
TV_CHECKED= TV_CHECKED_X= TV_CHECKED_Y= TV_CHECKED_W= TV_CHECKED_H=
TV_TBM_X= TV_TBM_Y= TV_TLM_X= TV_TLM_Y=

# ---------------------------------------------------------------- waiting

# Waits poll every 50 ms up to TV_LIMIT seconds of wall time:
#   local end; end=$(tv_deadline)
#   while ! ready; do tv_past "$end" && tv_fail ...; sleep 0.05; done
tv_now_us() { echo "${EPOCHREALTIME/./}"; }
tv_deadline() { echo $(($(tv_now_us) + ${1:-$TV_LIMIT} * 1000000)); }
tv_past() { [ "${EPOCHREALTIME/./}" -gt "$1" ]; }

# ---------------------------------------------------------------- failing

tv_fail() {
    printf '%s\n' "$*" >>"$TV_CASE_DIR/reason"
    printf 'FAIL: %s\n' "$*" >&2
    local w
    if [ -n "$TV_PID" ] && tv_alive; then
        for w in $(xdotool search --onlyvisible --pid "$TV_PID" 2>/dev/null); do
            tv_geometry "$w" 2>/dev/null
            printf 'window shown: %s "%s" %sx%s+%s+%s\n' "$w" "$(xdotool getwindowname "$w" 2>/dev/null)" \
                "$TV_W" "$TV_H" "$TV_X" "$TV_Y" >&2
        done
    fi
    mkdir -p "$TV_ARTIFACTS"
    import -window root "$TV_ARTIFACTS/$TV_CASE.png" 2>/dev/null
    exit 1
}

# expect_eq WHAT EXPECTED ACTUAL: the two texts (one or more lines) must match.
expect_eq() {
    local what=$1 expected=$2 actual=$3
    [ "$expected" = "$actual" ] && return 0
    echo "--- $what: expected / +++ got" >&2
    diff -u <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") | tail -n +3 >&2
    tv_fail "$what differs"
}

# expect_file_eq WHAT EXPECTED_FILE ACTUAL_FILE: byte for byte; shows line ends.
expect_file_eq() {
    local what=$1 expected=$2 actual=$3
    [ -f "$actual" ] || tv_fail "$what: $actual does not exist"
    cmp -s "$expected" "$actual" && return 0
    echo "--- $what: expected ($expected) / +++ got ($actual); ^M is CR, \$ ends a line" >&2
    diff -u <(cat -A "$expected") <(cat -A "$actual") | tail -n +3 | head -40 >&2
    cmp "$expected" "$actual" >&2
    tv_fail "$what differs"
}

# ---------------------------------------------------------------- the program

tv_alive() {
    local pid=${1:-$TV_PID} rest state
    [ -r "/proc/$pid/stat" ] || return 1
    read -r _ _ state rest 2>/dev/null <"/proc/$pid/stat" || return 1
    [ "$state" != Z ]
}

# A rebuild may leave the binary missing for a moment.
tv_wait_binary() {
    local end
    end=$(tv_deadline 30)
    while [ ! -x "$TV_BIN" ]; do
        tv_past "$end" && tv_fail "$TV_BIN is missing"
        sleep 0.05
    done
}

# tv_start [ARGS...]: starts the program with --trace --no-splash; its trace
# (standard error) goes to $TV_TRACE.
tv_start() {
    tv_wait_binary
    TV_RUN=$((TV_RUN + 1))
    TV_TRACE=$TV_CASE_DIR/trace.$TV_RUN
    : >"$TV_TRACE"
    echo "run $TV_RUN: tavolin --trace --no-splash $*" >"$TV_CASE_DIR/cmd.$TV_RUN"
    "$TV_BIN" --trace --no-splash "$@" 2>"$TV_TRACE" >"$TV_CASE_DIR/stdout.$TV_RUN" &
    TV_PID=$!
    echo "$TV_PID" >>"$TV_CASE_DIR/pids"
    TV_MAIN=
}

# tv_wait_line LINE [NTH]: waits until the trace holds LINE (the whole line)
# at least NTH times (default 1).
tv_wait_line() {
    local want=$1 nth=${2:-1} end
    end=$(tv_deadline)
    while [ "$(grep -cxF -- "$want" "$TV_TRACE")" -lt "$nth" ]; do
        tv_alive || { tv_reap; tv_fail "the program ended (status $TV_RC) before trace line '$want'"; }
        tv_past "$end" && tv_fail "no trace line '$want' (x$nth) within ${TV_LIMIT}s"
        sleep 0.05
    done
}

# tv_wait_prefix PREFIX COUNT: waits until COUNT trace lines start with PREFIX.
tv_wait_prefix() {
    local prefix=$1 count=$2 end
    end=$(tv_deadline)
    while [ "$(grep -c -- "^$prefix" "$TV_TRACE")" -lt "$count" ]; do
        tv_alive || { tv_reap; tv_fail "the program ended (status $TV_RC) before $count trace lines '$prefix…'"; }
        tv_past "$end" && tv_fail "fewer than $count trace lines '$prefix…' within ${TV_LIMIT}s"
        sleep 0.05
    done
}

# Input is handled in the order it is sent, so a check after some input waits
# for the line written after the last of it was handled:
#   tv_mark; tv_key "$TV_MAIN" ctrl+s; tv_wait_new "COMMAND $TV_ID_SAVE"; check
TV_MARK=0
TV_LINE=
tv_mark() { TV_MARK=$(wc -l <"$TV_TRACE"); }

# tv_wait_new [-p] LINE: waits for LINE among the trace lines written since
# tv_mark (with -p, a line starting with LINE); sets TV_LINE to it.
tv_wait_new() {
    local whole=1 end
    [ "$1" = -p ] && { whole=; shift; }
    end=$(tv_deadline)
    while TV_LINE=$(awk -v from="$TV_MARK" -v want="$1" -v whole="$whole" \
        'NR > from && (whole ? $0 == want : index($0, want) == 1) { print; exit }' "$TV_TRACE")
        [ -z "$TV_LINE" ]; do
        tv_alive || { tv_reap; tv_fail "the program ended (status $TV_RC) before trace line '$1'"; }
        tv_past "$end" && tv_fail "no trace line '$1' within ${TV_LIMIT}s of the input"
        sleep 0.05
    done
}

# tv_until WHAT COMMAND...: waits until COMMAND succeeds (for what the trace
# tells in more than one line, e.g. a view's successive VIEW lines).
tv_until() {
    local what=$1 end
    shift
    end=$(tv_deadline)
    until "$@"; do
        tv_past "$end" && tv_fail "$what within ${TV_LIMIT}s"
        sleep 0.05
    done
}

# Commands whose "COMMAND id" lines the cases wait for.
TV_ID_SAVE=57603 TV_ID_PASTE=57637 TV_ID_PROPERTIES=32779 TV_ID_GRID=32825

# tv_macros: sets TV_MACROS to the number of symbols the macro tree last showed.
tv_macros() {
    TV_MACROS=$(grep '^MACROS ' "$TV_TRACE" | tail -1 | cut -d' ' -f2)
    [ -n "$TV_MACROS" ] || tv_fail "no MACROS line in the trace"
}

tv_wait_ready() { tv_wait_line READY; tv_find_main; }
tv_wait_painted() { tv_wait_line "PAINTED $1"; }
tv_wait_msg() { tv_wait_line "MSG $1"; }

# tv_trace_lines PREFIX: prints the trace lines that start with PREFIX.
tv_trace_lines() { grep -- "^$1" "$TV_TRACE" || true; }

# tv_reap: sets TV_RC to the exit status of the program, which has ended.
tv_reap() {
    wait "$TV_PID" 2>/dev/null
    TV_RC=$?
}

# tv_wait_exit: waits for the program to end; TV_RC is its exit status.
tv_wait_exit() {
    local end
    end=$(tv_deadline)
    while tv_alive; do
        tv_past "$end" && tv_fail "the program did not end within ${TV_LIMIT}s"
        sleep 0.05
    done
    tv_reap
}

# tv_quit: "&File" -> "&Esci"; the program must end with status 0.
tv_quit() {
    tv_menu f e
    tv_wait_exit
    expect_eq "exit status after Esci" 0 "$TV_RC"
}

# tv_close [WINDOW]: asks the main window (or WINDOW) to close, as a window
# manager's close button does.
tv_close() {
    local w=${1:-$TV_MAIN}
    python3 "$TV_E2E_DIR/xclose.py" "$w" || tv_fail "could not send WM_DELETE_WINDOW to $w"
}

# ---------------------------------------------------------------- windows

# The program's visible top-level windows whose name matches REGEX.
tv_windows() { xdotool search --all --onlyvisible --pid "$TV_PID" --name "$1" 2>/dev/null || true; }

# tv_find_main: sets TV_MAIN to the program's main window.
tv_find_main() {
    local end w best size max
    end=$(tv_deadline)
    while :; do
        best= max=0
        for w in $(tv_windows '^Tavolin'); do
            size=$(xdotool getwindowgeometry --shell "$w" 2>/dev/null | awk -F= '/^WIDTH/{w=$2} /^HEIGHT/{h=$2} END{print w*h}')
            if [ "${size:-0}" -gt "$max" ]; then max=$size best=$w; fi
        done
        [ -n "$best" ] && [ "$max" -gt 10000 ] && break
        tv_past "$end" && tv_fail "no main window named 'Tavolin…' within ${TV_LIMIT}s"
        sleep 0.05
    done
    TV_MAIN=$best
}

# tv_wait_window REGEX: sets TV_WIN to a visible window of the program, other
# than the main window, whose name matches REGEX (give ^…$ yourself).
tv_wait_window() {
    local end
    end=$(tv_deadline)
    TV_WIN=
    while :; do
        TV_WIN=$(tv_windows "$1" | grep -vx "${TV_MAIN:-none}" | head -1)
        [ -n "$TV_WIN" ] && return 0
        tv_alive || { tv_reap; tv_fail "the program ended (status $TV_RC) while waiting for a window '$1'"; }
        tv_past "$end" && tv_fail "no window '$1' within ${TV_LIMIT}s"
        sleep 0.05
    done
}

# tv_wait_gone WINDOW: waits until WINDOW is no longer shown.
tv_wait_gone() {
    local end
    end=$(tv_deadline)
    while xdotool search --onlyvisible --pid "$TV_PID" 2>/dev/null | grep -qx "$1"; do
        tv_past "$end" && tv_fail "window $1 ($(xdotool getwindowname "$1" 2>/dev/null)) still shown after ${TV_LIMIT}s"
        sleep 0.05
    done
}

# tv_is_shown WINDOW: true while WINDOW is shown.
tv_is_shown() { xdotool search --onlyvisible --pid "$TV_PID" 2>/dev/null | grep -qx "$1"; }

# tv_geometry WINDOW: sets TV_X TV_Y TV_W TV_H.
tv_geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1" | sed -n 's/^\(X\|Y\|WIDTH\|HEIGHT\)=\([0-9-]*\)$/\1=\2/p' \
        | sed 's/^X=/TV_X=/; s/^Y=/TV_Y=/; s/^WIDTH=/TV_W=/; s/^HEIGHT=/TV_H=/')"
}

# tv_title: sets TV_TITLE to the main window's title.
tv_title() { TV_TITLE=$(xdotool getwindowname "$TV_MAIN" 2>/dev/null); }

# tv_expect_title TITLE: the main window's title becomes TITLE (titles follow
# events, so this waits for it).
tv_expect_title() {
    local end
    end=$(tv_deadline)
    while tv_title; [ "$TV_TITLE" != "$1" ]; do
        tv_past "$end" && expect_eq "main window title" "$1" "$TV_TITLE"
        sleep 0.05
    done
}

# ---------------------------------------------------------------- input

tv_focus() {
    timeout 5 xdotool windowfocus --sync "$1" 2>/dev/null || tv_fail "could not focus window $1"
}

# Hover tooltips are windows too; keep the pointer off the program.
tv_park_pointer() { xdotool mousemove 1270 1010; }

# tv_key WINDOW KEY...: focuses WINDOW, then types the keys (xdotool names:
# ctrl+s, alt+f, Return, Tab, shift+Tab, space, Escape...).
tv_key() {
    local w=$1
    shift
    tv_focus "$w"
    xdotool key --delay 30 "$@"
}

# tv_type WINDOW TEXT: focuses WINDOW, then types TEXT.
tv_type() {
    tv_focus "$1"
    xdotool type --delay 10 -- "$2"
}

# tv_menu MENU ITEM...: Alt+MENU on the main window, then each ITEM (mnemonic
# letters, e.g. "f e" for "&File" -> "&Esci"; more for submenus) once its popup
# is shown; returns when the popups are gone, so that a click that follows is
# not taken by them.
tv_menu() {
    local before now new popups= item w end
    tv_park_pointer
    before=$(xdotool search --onlyvisible --pid "$TV_PID" 2>/dev/null | sort)
    tv_key "$TV_MAIN" "alt+$1"
    shift
    for item; do
        end=$(tv_deadline)
        # The popup is a window that was not there before (counting would be
        # fooled by a tooltip going away at the same time).
        while now=$(xdotool search --onlyvisible --pid "$TV_PID" 2>/dev/null | sort)
            new=$(comm -13 <(echo "$before") <(echo "$now")); [ -z "$new" ]; do
            tv_past "$end" && tv_fail "the menu before '$item' did not open"
            sleep 0.02
        done
        popups="$popups $new"
        before=$now
        xdotool key "$item"
    done
    for w in $popups; do tv_wait_gone "$w"; done
}

# tv_click X Y [stay]: a left click at screen coordinates. The pointer then
# leaves, or a tooltip would come up under it and take the next click there;
# with "stay" it stays (a toolbar's unfolded extension folds when it leaves).
tv_click() {
    xdotool mousemove --sync "$1" "$2" click 1
    [ "${3:-}" = stay ] || tv_park_pointer
}

# tv_click_in WINDOW DX DY [stay]: a left click at (DX, DY) inside WINDOW.
tv_click_in() {
    tv_geometry "$1"
    tv_click $((TV_X + $2)) $((TV_Y + $3)) "${4:-}"
}

# tv_dismiss REGEX [KEY]: the message box named REGEX gets KEY (Return) and
# must go away.
tv_dismiss() {
    tv_wait_window "$1"
    local box=$TV_WIN
    tv_key "$box" "${2:-Return}"
    tv_wait_gone "$box"
}

# tv_save_over FILE: Ctrl+S on the main window, for the document saved as
# FILE; FILE must have been written again (made older first, since saving may
# write the same bytes) by the time the command's line comes.
tv_save_over() {
    touch -d '1 minute ago' "$1"
    touch -d '30 seconds ago' "$TV_CASE_DIR/.stamp"
    tv_mark
    tv_key "$TV_MAIN" ctrl+s
    tv_wait_new "COMMAND $TV_ID_SAVE"
    [ "$1" -nt "$TV_CASE_DIR/.stamp" ] || tv_fail "Ctrl+S did not write $1"
}

# tv_clipboard: sets TV_CLIP to the clipboard's text.
tv_clipboard() { TV_CLIP=$(timeout 5 xclip -o -selection clipboard 2>/dev/null); }

# ---------------------------------------------------------------- pictures

# tv_screenshot FILE [WINDOW]: the whole screen, or only WINDOW.
tv_screenshot() { import -window "${2:-root}" "$1" 2>/dev/null || tv_fail "screenshot of ${2:-root} failed"; }

# tv_canvas FILE: looks for the document's canvas in a screenshot of the main
# window (see shot.py) and sets TV_CANVAS_X/_Y/_W/_H, TV_CANVAS_PIXELS and,
# inside it, TV_CANVAS_WHITE, TV_CANVAS_DARK and TV_CANVAS_GREY (the empty MDI
# area's grey); TV_WINDOW_GREY (that grey in the whole picture) and
# TV_TITLE_ROWS (rows of a document window's own title bar above the canvas).
tv_canvas() {
    local out
    out=$(python3 "$TV_E2E_DIR/shot.py" canvas "$1") || tv_fail "shot.py canvas $1 failed"
    read -r TV_CANVAS_X TV_CANVAS_Y TV_CANVAS_W TV_CANVAS_H TV_CANVAS_WHITE TV_CANVAS_DARK TV_CANVAS_GREY \
        TV_CANVAS_PIXELS TV_WINDOW_GREY TV_TITLE_ROWS <<<"$out"
}

# tv_checked_buttons FILE X0 Y0 X1 Y1: sets TV_CHECKED to the checked tool
# buttons inside that box of the picture, one "CX CY W H" line each.
tv_checked_buttons() {
    TV_CHECKED=$(python3 "$TV_E2E_DIR/shot.py" checked "$@") || tv_fail "shot.py checked $* failed"
}

# tv_wait_checked_at X TOLERANCE ROWS: waits until the main window shows one
# checked tool button in its top ROWS rows, centred within TOLERANCE pixels of
# X (window coordinates); sets TV_CHECKED_X/_Y/_W/_H to it.
tv_wait_checked_at() {
    local end
    end=$(tv_deadline)
    tv_geometry "$TV_MAIN"
    while :; do
        TV_CHECKED=$(import -window "$TV_MAIN" -crop "${TV_W}x$3+0+0" -depth 8 ppm:- 2>/dev/null |
            python3 "$TV_E2E_DIR/shot.py" checked -) || tv_fail "could not look for checked buttons"
        if [ -n "$TV_CHECKED" ] && [ "$(wc -l <<<"$TV_CHECKED")" -eq 1 ]; then
            read -r TV_CHECKED_X TV_CHECKED_Y TV_CHECKED_W TV_CHECKED_H <<<"$TV_CHECKED"
            [ $((TV_CHECKED_X > $1 ? TV_CHECKED_X - $1 : $1 - TV_CHECKED_X)) -le "$2" ] && return 0
        fi
        tv_past "$end" && tv_fail "expected one checked tool button at x=$1 (±$2) in the top $3 rows; got: $(echo ${TV_CHECKED:-none})"
        sleep 0.05
    done
}

# ---------------------------------------------------------------- settings

# tv_ini FILE [blob]: the INI file's entries as sorted "Section/key=value"
# lines, with "%20" in section names read as spaces. With "blob", the value of
# Toolbars/State (Qt's binary window layout) is shown as <bytes>.
tv_ini() {
    [ -f "$1" ] || { echo "(no file $1)"; return 0; }
    awk -v blob="${2:-}" '
        /^\[.*\][\r]?$/ { sub(/\r$/, ""); sec = substr($0, 2, length($0) - 2); gsub(/%20/, " ", sec); next }
        /^[ \t\r]*$/ { next }
        { i = index($0, "="); k = substr($0, 1, i - 1); v = substr($0, i + 1)
          if (blob != "" && sec == "Toolbars" && k == "State") v = "<bytes>"
          print sec "/" k "=" v }' "$1" | LC_ALL=C sort
}

# The settings a first run leaves behind when it ends (Esci or the window's
# close button), the bar layout's bytes left out.
TV_FIRST_RUN_SETTINGS="Configurazione/bPrintMirror=1
Configurazione/bRegisterFileTypes=1
Configurazione/bSplit=1
Configurazione/nMacrobarSize=1
Toolbars/State=<bytes>
Window State/bottom=600
Window State/left=20
Window State/right=800
Window State/top=20"

# ---------------------------------------------------------------- document views

# tv_view NAME: the last "VIEW" trace line of document NAME into TV_VX TV_VY
# (the canvas's top-left on the screen), TV_VW TV_VH, TV_ZOOM (percent),
# TV_SX TV_SY (the logical point at the top-left) and TV_STRETCH.
tv_view() {
    local line
    line=$(grep -- "^VIEW $1 " "$TV_TRACE" | tail -1)
    [ -n "$line" ] || tv_fail "no view of $1 in the trace"
    read -r _ _ TV_VX TV_VY TV_VW TV_VH TV_ZOOM TV_SX TV_SY TV_STRETCH <<<"$line"
}

# tv_wait_view NAME "ZOOM SX SY STRETCH": waits until the view of NAME shows that.
tv_wait_view() {
    local end
    end=$(tv_deadline)
    while :; do
        if grep -q -- "^VIEW $1 " "$TV_TRACE"; then
            tv_view "$1"
            [ "$TV_ZOOM $TV_SX $TV_SY $TV_STRETCH" = "$2" ] && return 0
        fi
        tv_past "$end" && tv_fail "the view of $1 shows '${TV_ZOOM:-?} ${TV_SX:-?} ${TV_SY:-?} ${TV_STRETCH:-?}', not '$2'"
        sleep 0.05
    done
}

# tv_new_drawing NAME: "&Nuovo" -> "Documento Tavolin"; waits for its view
# (400 %, the sheet's corner at the canvas's corner).
tv_new_drawing() {
    tv_menu f n
    tv_wait_window '^Nuovo$'
    tv_key "$TV_WIN" Return
    tv_wait_gone "$TV_WIN"
    tv_wait_view "$1" "400 0 0 0"
}

# tv_new_library NAME: "&Nuovo" -> the third kind, a library; waits for its
# view (800 %, (90, 90) at the canvas's corner).
tv_new_library() {
    tv_menu f n
    tv_wait_window '^Nuovo$'
    tv_key "$TV_WIN" Down Down Return
    tv_wait_gone "$TV_WIN"
    tv_wait_view "$1" "800 90 90 0"
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

# tv_fields NAME: the last "FIELDS" trace line of library NAME into TV_TBM_X
# TV_TBM_Y and TV_TLM_X TV_TLM_Y, the middles on the screen of "TBM" and of
# the edit part of "TLM".
tv_fields() {
    local line
    line=$(grep -- "^FIELDS $1 " "$TV_TRACE" | tail -1)
    [ -n "$line" ] || tv_fail "no fields of $1 in the trace"
    read -r _ _ TV_TBM_X TV_TBM_Y TV_TLM_X TV_TLM_Y <<<"$line"
}

# ---------------------------------------------------------------- the canvas at 400 %
# After tv_view (or tv_wait_view) of a view at 400 % from the sheet's corner:
# one unit is four pixels.

tv_at() { echo $((TV_VX + $1 * 4)) $((TV_VY + $2 * 4)); } # screen pixel of a logical point
# The pointer goes to a point with --sync only from elsewhere: a move to where
# it already is never reports back.
tv_to() { tv_park_pointer; xdotool mousemove --sync $(tv_at "$1" "$2"); TV_PT="$1 $2"; }
# Presses come half a second apart, or two make a double-click.
TV_LAST_PRESS=0
tv_press() {
    local wait=$((TV_LAST_PRESS + 500000 - $(tv_now_us)))
    [ "$wait" -gt 0 ] && sleep "$(printf '0.%06d' "$wait")"
    xdotool mousedown 1
    TV_LAST_PRESS=$(tv_now_us)
}
tv_click_at() { tv_to "$1" "$2"; tv_press; xdotool mouseup 1; }
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
    tv_press
    tv_mark
    tv_move $((($1 + $3) / 2)) $((($2 + $4) / 2))
    tv_move "$3" "$4"
    xdotool mouseup 1
    tv_wait_new RELEASE
}
tv_body() { tail -n +2 "$1" | tr -d '\r'; } # a saved file's lines after the header

# tv_clip_holds WHAT FILE [xclip args]: the clipboard comes to hold FILE's bytes.
tv_clip_holds() {
    local end
    end=$(tv_deadline)
    while ! timeout 5 xclip -o "${@:3}" >"$TV_CASE_DIR/clip.out" 2>/dev/null ||
        ! cmp -s "$2" "$TV_CASE_DIR/clip.out"; do
        tv_past "$end" && expect_file_eq "$1" "$2" "$TV_CASE_DIR/clip.out"
        sleep 0.05
    done
}

# tv_canvas_shot NAME FILE: the canvas of document NAME as a PNG, from a
# screenshot (the pointer parked away from it).
tv_canvas_shot() {
    tv_view "$1"
    tv_park_pointer
    import -window root -crop "${TV_VW}x$TV_VH+$TV_VX+$TV_VY" +repage "$2" 2>/dev/null \
        || tv_fail "screenshot of the canvas of $1 failed"
}

# tv_same_picture WHAT A B: the two pictures are equal pixel for pixel.
tv_same_picture() {
    local diff
    diff=$(compare -metric AE "$2" "$3" null: 2>&1) || true
    [ "$diff" = 0 ] || tv_fail "$1: $diff pixels differ ($2 vs $3)"
}
