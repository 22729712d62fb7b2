#!/bin/sh
# Refreshes translations/tavolin_en.ts from the texts marked in src/ and
# tools/: finished translations stay, texts no longer used are dropped, new
# ones come in unfinished (translate them, then check with the translations test).
set -e
cd "$(dirname "$0")/.."
LUPDATE=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
exec "$LUPDATE" -silent -no-obsolete -locations none -source-language it_IT \
    -target-language en_US src tools -ts translations/tavolin_en.ts
