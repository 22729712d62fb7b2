#!/bin/sh
# Until the editor window exists, `make run` draws the bundled example drawing
# with the command-line tool and says where the picture went.
set -e
BUILD="${1:-build}"
OUT="$BUILD/esempio.png"
"$BUILD/tavolin-cli" normalize examples/esempio.tvd -o "$BUILD/esempio.tvd"
"$BUILD/tavolin-cli" render examples/esempio.tvd -o "$OUT" --size 1200x900
echo "Disegno di esempio: $(pwd)/$OUT"
