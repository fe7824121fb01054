#!/usr/bin/env bash
# Installs the build into a temporary prefix, then checks one side of what the desktop gets from it: that
# every file is in its place, or that one validator accepts the file it knows. A validator that is not
# installed skips its check (exit code 77) with a message.
set -euo pipefail
cmake=$1 build=$2 check=$3 appstream_id=$4

skip_without() {
    if ! command -v "$1" >/dev/null; then
        echo "skipped: $1 is not installed (scripts/install-deps installs it)"
        exit 77
    fi
}

prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
"$cmake" --install "$build" --prefix "$prefix" >/dev/null
desktop=$prefix/share/applications/titleshaperworkshop.desktop
metainfo=$prefix/share/metainfo/$appstream_id.metainfo.xml
manual=$prefix/share/man/man1/Quillmap.1.gz

case $check in
installed)
    for file in "$prefix/bin/Quillmap" "$desktop" "$metainfo" "$manual" \
        "$prefix/share/icons/hicolor/scalable/apps/titleshaperworkshop.svg" \
        "$prefix/share/icons/hicolor/48x48/apps/titleshaperworkshop.png"; do
        [ -f "$file" ] || { echo "not installed: ${file#"$prefix"/}"; exit 1; }
    done
    # File managers offer the program for folders and hand it the one chosen.
    grep -qx 'Exec=Quillmap %f' "$desktop" || { echo "the entry does not pass a folder"; exit 1; }
    grep -qx 'MimeType=inode/directory;' "$desktop" || { echo "the entry does not open folders"; exit 1; }
    ;;
desktop)
    skip_without desktop-file-validate
    # Anything it reports fails the check, a hint or warning included.
    said=$(desktop-file-validate "$desktop" 2>&1) && [ -z "$said" ] || { echo "$said"; exit 1; }
    ;;
metainfo)
    skip_without appstreamcli
    appstreamcli validate --no-net "$metainfo"
    ;;
manual)
    skip_without man
    # man writes the page to standard output and groff's warnings to standard error.
    said=$(man --warnings -l "$manual" 2>&1 >/dev/null)
    [ -z "$said" ] || { echo "$said"; exit 1; }
    man -l "$manual" 2>/dev/null | grep -q 'Quillmap' || { echo "the page renders empty"; exit 1; }
    ;;
*)
    echo "unknown check: $check"
    exit 2
    ;;
esac
