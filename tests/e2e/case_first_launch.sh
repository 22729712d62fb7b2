# A first launch, then "&File" -> "&Esci": the window's place and size and the
# settings it leaves behind are the defaults, and nothing else is written.
. "$TV_E2E_DIR/lib.sh"

[ ! -e "$TV_CONF" ] || tv_fail "settings file present before the first launch"
tv_start
tv_wait_ready
tv_expect_title "Tavolin"
tv_geometry "$TV_MAIN"
expect_eq "main window place and size on a first launch" "20,20 780x580" "$TV_X,$TV_Y ${TV_W}x$TV_H"

tv_quit
expect_eq "settings after a first launch and Esci" \
"$TV_FIRST_RUN_SETTINGS" "$(tv_ini "$TV_CONF" blob)"

state=$(tv_ini "$TV_CONF" | sed -n 's|^Toolbars/State=||p')
case $state in
'@ByteArray('*')') ;;
*) tv_fail "Toolbars/State is not a byte array: $state" ;;
esac
ls "$XDG_CONFIG_HOME/Zanibo Corporation" >"$TV_CASE_DIR/files"
expect_eq "files in the settings folder" "Tavolin.conf" "$(cat "$TV_CASE_DIR/files")"
