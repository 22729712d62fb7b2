#!/bin/sh
# The hand-made mutants: tests/mutants/run.sh [BUILD_DIR] [ID...]; see run.py.
exec python3 "$(dirname "$0")/run.py" "$@"
