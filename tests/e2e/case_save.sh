# Ctrl+S on an opened drawing saves it in place with exactly the bytes that
# `tavolin-cli normalize` gives for it.
. "$TV_E2E_DIR/lib.sh"

# save_and_compare FILE: opens FILE, saves it with Ctrl+S, compares.
save_and_compare() {
    local file=$1 name
    name=$(basename "$file")
    "$TV_CLI" normalize "$file" -o "$TV_CASE_DIR/expected.tvd" || tv_fail "tavolin-cli normalize $name failed"
    tv_start "$file"
    tv_wait_ready
    tv_wait_painted "$name"
    tv_expect_title "Tavolin - $name"
    tv_mark
    tv_key "$TV_MAIN" ctrl+s
    tv_wait_new "COMMAND $TV_ID_SAVE"
    expect_file_eq "$name saved with Ctrl+S" "$TV_CASE_DIR/expected.tvd" "$file"
    tv_expect_title "Tavolin - $name"
    expect_eq "message boxes" "" "$(tv_trace_lines MSG)"
    tv_quit
}

# The examples are written the way the program saves, so this one is made
# untidy first (LF line ends, extra spaces, lower-case commands) and the save
# has to rewrite it.
sed 's/\r$//; s/^LI /LI   /; s/^SA /sa /' "$TV_EXAMPLES/esempio.tvd" >"$TV_CASE_DIR/esempio.tvd"
"$TV_CLI" normalize "$TV_CASE_DIR/esempio.tvd" -o "$TV_CASE_DIR/tidy.tvd" ||
    tv_fail "tavolin-cli normalize of the untidy copy failed"
cmp -s "$TV_CASE_DIR/tidy.tvd" "$TV_CASE_DIR/esempio.tvd" && tv_fail "the untidy copy is already tidy"
save_and_compare "$TV_CASE_DIR/esempio.tvd"

cp "$TV_EXAMPLES/amplificatore.tvd" "$TV_CASE_DIR/"
save_and_compare "$TV_CASE_DIR/amplificatore.tvd"
