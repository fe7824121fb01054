#!/usr/bin/env bash
# Every translation is complete: each .ts file, refreshed from today's sources, has no entry left unfinished
# (a text added or changed since the translator's last pass) and none that the sources no longer hold.
set -euo pipefail
lupdate=$1 source=$2

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
for ts in "$source"/translations/*.ts; do
    copy=$work/$(basename "$ts")
    cp "$ts" "$copy"
    "$lupdate" -I "$source/src" "$source/src/engine" "$source/src/platform" "$source/src/FolderTree" \
        "$source/src/main" "$source/src/app" -ts "$copy" -locations none \
        -tr-function-alias QT_TRANSLATE_NOOP+=ENGINE_TEXT,QT_TRANSLATE_NOOP+=ENGINE_TEXT_NOOP >/dev/null
    if grep -q 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy"; then
        echo "$(basename "$ts"): entries to translate or remove:"
        grep -B3 'type="unfinished"\|type="vanished"\|type="obsolete"' "$copy" | grep '<source>' || true
        status=1
    fi
    if ! cmp -s "$ts" "$copy"; then
        echo "$(basename "$ts"): not up to date with the sources (cmake --build build --target update_translations)"
        status=1
    fi
done
exit $status
