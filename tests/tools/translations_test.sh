#!/bin/sh
# Every text marked for translation in src/ and tools/ has a finished English
# translation, and the translation file holds none that is no longer used.
# Usage: translations_test.sh LUPDATE SOURCE_DIR
set -e
LUPDATE=$1
SRC=$2
TMP=$(mktemp -d)
trap 'rm -rf "$TMP"' EXIT
cp "$SRC/translations/tavolin_en.ts" "$TMP/check.ts"
cd "$SRC"
"$LUPDATE" -silent -locations none -source-language it_IT -target-language en_US \
    src tools -ts "$TMP/check.ts"
python3 - "$TMP/check.ts" <<'PY'
import sys
import xml.etree.ElementTree as ET
bad = []
for ctx in ET.parse(sys.argv[1]).getroot().iter("context"):
    name = ctx.findtext("name")
    for m in ctx.iter("message"):
        t = m.find("translation")
        kind = t.get("type", "") if t is not None else "unfinished"
        if kind in ("obsolete", "vanished"):
            bad.append("no longer used: %s: %s" % (name, m.findtext("source")))
        elif kind == "unfinished" or not (t.text or "").strip() and m.find("translation/numerusform") is None:
            bad.append("not translated: %s: %s" % (name, m.findtext("source")))
for b in bad:
    print(b)
sys.exit(1 if bad else 0)
PY
