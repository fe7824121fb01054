#!/usr/bin/env bash
# The Debian package: "build" makes it with cpack into the folder given, the other checks read the package
# found there. A tool that is not installed skips its check (exit code 77) with a message.
set -euo pipefail
cpack=$1 build=$2 out=$3 check=$4 appstream_id=$5

skip_without() {
    if ! command -v "$1" >/dev/null; then
        echo "skipped: $1 is not installed (scripts/install-deps installs it)"
        exit 77
    fi
}

if [ "$check" = build ]; then
    # cpack reads the dependencies from the program with dpkg-shlibdeps.
    skip_without dpkg-shlibdeps
    rm -rf "$out"
    mkdir -p "$out"
    (cd "$build" && "$cpack" -G DEB -B "$out" >"$out/cpack.log" 2>&1) || { cat "$out/cpack.log"; exit 1; }
    ls "$out"/*.deb
    exit 0
fi

package=$(ls "$out"/*.deb 2>/dev/null | head -n 1) || true
if [ -z "$package" ]; then
    echo "skipped: no package was built (see the test package.build)"
    exit 77
fi

case $check in
lintian)
    skip_without lintian
    # Every error and warning fails the check; the notes ("I:", "P:") are printed and pass.
    said=$(lintian --allow-root --display-info --pedantic "$package" 2>&1) || true
    echo "$said"
    if grep -qE '^[EW]: ' <<<"$said"; then
        exit 1
    fi
    ;;
contents)
    listed=$(dpkg-deb --contents "$package" | awk '{print $6}')
    for file in ./usr/bin/Quillmap ./usr/share/applications/titleshaperworkshop.desktop \
        "./usr/share/metainfo/$appstream_id.metainfo.xml" ./usr/share/man/man1/Quillmap.1.gz \
        ./usr/share/icons/hicolor/scalable/apps/titleshaperworkshop.svg \
        ./usr/share/icons/hicolor/48x48/apps/titleshaperworkshop.png \
        ./usr/share/doc/titleshaperworkshop/copyright ./usr/share/doc/titleshaperworkshop/changelog.gz; do
        grep -qx "$file" <<<"$listed" || { echo "not in the package: $file"; exit 1; }
    done
    # A package installs below /usr alone; anything else would be left behind or clash with the system.
    if stray=$(grep -v -e '^\./$' -e '^\./usr/' <<<"$listed"); then
        echo "outside /usr: $stray"
        exit 1
    fi
    # Files belong to root, so that an install by apt does not hand them to the builder's user.
    if owners=$(dpkg-deb --contents "$package" | awk '$2 != "root/root"') && [ -n "$owners" ]; then
        echo "not owned by root: $owners"
        exit 1
    fi
    ;;
depends)
    # Computed from the program's libraries, so the toolkit's widgets and the C library are among them.
    depends=$(dpkg-deb --field "$package" Depends)
    echo "Depends: $depends"
    named=$(tr ',' '\n' <<<"$depends" | awk '{print $1}')
    for library in libc6 libqt6widgets6 libqt6gui6 libqt6core6 libstdc++6; do
        grep -qxF "$library" <<<"$named" || { echo "missing dependency: $library"; exit 1; }
    done
    ;;
*)
    echo "unknown check: $check"
    exit 2
    ;;
esac
