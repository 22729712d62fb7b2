#!/bin/bash
# Drawings under git, set up as the README says: through the textconv driver
# `git diff` shows only the lines that changed, whatever order the editor
# wrote them in; with no display the difftool prints the changes.
# Usage: git_test.sh PATH/TO/tavolin-cli
T=$(mktemp -d)
trap 'rm -rf "$T"' EXIT
mkdir "$T/bin" && ln -s "$(realpath "$1")" "$T/bin/tavolin-cli"
export PATH="$T/bin:$PATH" HOME=$T XDG_CONFIG_HOME=$T XDG_DATA_HOME=$T GIT_CONFIG_NOSYSTEM=1
unset DISPLAY WAYLAND_DISPLAY
failed=0
fail() { echo "FAIL: $*"; failed=1; }
git init -q "$T/repo" && cd "$T/repo" || exit 1
git config user.name prova && git config user.email prova@example.com
echo '*.tvd diff=tavolin' >.gitattributes
git config diff.tavolin.textconv "tavolin-cli normalize --sorted"
git config difftool.tavolin.cmd 'tavolin-cli diff --open "$LOCAL" "$REMOTE"'
printf '[TAVOLIN P]\r\nLI 10 10 20 10\r\nMC 100 100 0 0 080\r\nSA 10 10\r\n' >d.tvd
git add . && git commit -qm uno
# The resistor moved, a dot added, and the rest written in another order.
printf '[TAVOLIN P]\r\nSA 10 10\r\nMC 200 100 0 0 080\r\nSA 20 10\r\nLI 10 10 20 10\r\n' >d.tvd
git commit -qam due
got=$(git diff HEAD~ HEAD | grep '^[-+][^-+]')
[ "$got" = $'-MC 100 100 0 0 080\n+MC 200 100 0 0 080\n+SA 20 10' ] ||
    fail "git diff through the driver shows: $got"
# The text of the changes is the diff command's own.
want=$(tavolin-cli diff <(git show HEAD~:d.tvd) d.tvd)
got=$(git difftool -t tavolin --no-prompt HEAD~ HEAD 2>&1)
[ -n "$want" ] && [ "$got" = "$want" ] || fail "git difftool with no display prints: $got"
exit $failed
