#!/bin/sh
# Until the editor window exists, `make run` draws the bundled example drawing
# with the command-line tool and says where the picture went.
set -e
BUILD="${1:-build}"
"$BUILD/tavolin-cli" normalize examples/esempio.tvd -o "$BUILD/esempio.tvd"
for name in esempio amplificatore; do
    "$BUILD/tavolin-cli" render "examples/$name.tvd" -o "$BUILD/$name.png" --size 1200x900
    echo "Disegno di esempio: $(pwd)/$BUILD/$name.png"
done
"$BUILD/tavolin-cli" library sheet -o "$BUILD/libreria.png"
echo "Catalogo della libreria standard: $(pwd)/$BUILD/libreria.png"
