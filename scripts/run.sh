#!/bin/sh
# Starts the editor on the example drawing. Without a display there is no
# window to show: the example is drawn to a picture instead, and the script
# says where it went.
set -e
BUILD="${1:-build}"
if [ -n "$DISPLAY" ] || [ -n "$WAYLAND_DISPLAY" ]; then
    exec "$BUILD/tavolin" examples/amplificatore.tvd
fi
echo "Nessun display disponibile (DISPLAY e WAYLAND_DISPLAY non sono impostati): l'editor non puo' aprire una finestra."
for name in esempio amplificatore; do
    "$BUILD/tavolin-cli" render "examples/$name.tvd" -o "$BUILD/$name.png" --size 1200x900
    echo "Disegno di esempio: $(pwd)/$BUILD/$name.png"
done
"$BUILD/tavolin-cli" library sheet -o "$BUILD/libreria.png"
echo "Catalogo della libreria standard: $(pwd)/$BUILD/libreria.png"
