#!/usr/bin/env bash
# Installs a build tree into a temporary prefix and checks that the prefix
# holds every file the desktop needs, that the desktop's own validators accept
# them, and that a book is recognised by its file type with and without its
# extension. Every failure is listed before the script fails.
set -uo pipefail

while [ $# -gt 0 ]; do
    case "$1" in
    --cmake) cmake=$2 ;;
    --build) build=$2 ;;
    --app-id) app_id=$2 ;;
    --mime-type) mime_type=$2 ;;
    --icon-sizes) icon_sizes=$2 ;;
    --with-cli) with_cli=$2 ;;
    --book) book=$2 ;;
    *) echo "unknown argument $1" >&2; exit 2 ;;
    esac
    shift 2
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix="$work/prefix"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# Runs a checking command; its output is shown only when it fails or says anything.
check_quiet() {
    local what=$1; shift
    local output
    if ! output=$("$@" 2>&1); then
        fail "$what"; echo "$output"
    elif [ -n "$output" ]; then
        fail "$what said something"; echo "$output"
    fi
}

"$cmake" --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "cmake --install"; exit 1; }

share="$prefix/share"
programs=(pennywell)
[ "$with_cli" = 1 ] && programs+=(pennywell-cli)

# ---- Every file is there ------------------------------------------------
expected=(
    "$share/applications/$app_id.desktop"
    "$share/metainfo/$app_id.metainfo.xml"
    "$share/mime/packages/$app_id.xml"
    "$share/icons/hicolor/scalable/apps/$app_id.svg"
    "$share/doc/pennywell/copyright"
    "$share/doc/pennywell/changelog.Debian.gz"
)
for size in $icon_sizes; do expected+=("$share/icons/hicolor/${size}x${size}/apps/$app_id.png"); done
for program in "${programs[@]}"; do
    expected+=("$share/man/man1/$program.1.gz")
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is missing or not executable"
done
for file in "${expected[@]}"; do
    [ -s "$file" ] || fail "${file#"$prefix"/} is missing or empty"
done
# The translations built beside the program are all installed where the
# installed program looks for them.
if [ -d "$build/bin/languages" ]; then
    for file in "$build/bin/languages"/*; do
        [ -e "$file" ] || continue
        name=$(basename "$file")
        [ -s "$share/pennywell/languages/$name" ] || fail "share/pennywell/languages/$name is missing"
    done
fi

# Each PNG has the size its folder promises (width and height from the header).
for size in $icon_sizes; do
    png="$share/icons/hicolor/${size}x${size}/apps/$app_id.png"
    [ -f "$png" ] || continue
    read -r w1 w2 w3 w4 h1 h2 h3 h4 < <(od -An -tu1 -j16 -N8 "$png")
    width=$(( (w1 << 24) | (w2 << 16) | (w3 << 8) | w4 ))
    height=$(( (h1 << 24) | (h2 << 16) | (h3 << 8) | h4 ))
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "$size icon is ${width}x${height}"
done

# ---- The desktop's validators accept them ---------------------------------
desktop="$share/applications/$app_id.desktop"
metainfo="$share/metainfo/$app_id.metainfo.xml"
mimexml="$share/mime/packages/$app_id.xml"
check_quiet "desktop-file-validate" desktop-file-validate "$desktop"
appstreamcli validate --no-net --strict "$metainfo" >"$work/appstream.log" 2>&1 || { fail "appstreamcli validate"; cat "$work/appstream.log"; }
check_quiet "xmllint of the MIME type" xmllint --noout "$mimexml"
check_quiet "xmllint of the metainfo" xmllint --noout "$metainfo"
for program in "${programs[@]}"; do
    page="$share/man/man1/$program.1.gz"
    [ -f "$page" ] || continue
    gzip -dc "$page" >"$work/$program.1" || fail "$program.1.gz is no gzip file"
    check_quiet "groff warnings in $program.1" groff -t -man -ww -z -Tutf8 "$work/$program.1"
done

# The pieces name each other by the one application id and file type.
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry's icon is not $app_id"
grep -qx "MimeType=$mime_type;" "$desktop" || fail "the desktop entry doesn't open $mime_type"
grep -q '^Exec=pennywell ' "$desktop" || fail "the desktop entry doesn't start pennywell"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$metainfo" ||
    fail "the metainfo doesn't launch $app_id.desktop"
grep -q "<mime-type type=\"$mime_type\">" "$mimexml" || fail "the MIME package doesn't define $mime_type"
# One license, said the same way by the metainfo and the copyright file.
grep -q "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" || fail "the metainfo doesn't say GPL-3.0-or-later"
grep -qx "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" "$share/doc/pennywell/copyright" ||
    fail "the copyright file is not in the machine-readable format"
grep -qx "License: GPL-3+" "$share/doc/pennywell/copyright" || fail "the copyright file doesn't say GPL-3+"
gzip -dc "$share/doc/pennywell/changelog.Debian.gz" | head -n 1 | grep -q "^pennywell (" ||
    fail "the changelog doesn't start with the package's entry"

# ---- A book is recognised by its file type ----------------------------------
# Only the prefix and the system's own types are seen, never the user's.
export XDG_DATA_HOME="$work/user-data"
export XDG_DATA_DIRS="$share:/usr/share"
check_quiet "update-mime-database" update-mime-database "$share/mime"
mkdir -p "$work/files"
cp "$book" "$work/files/with-extension.pwdb"
cp "$book" "$work/files/without-extension"
printf 'A note about PWDB files: the magic is here, but not at offset 0.\n' >"$work/files/note"
printf 'not a book\n' >"$work/files/plain"
content_type() { gio info -a standard::content-type "$1" 2>&1 | sed -n 's/^ *standard::content-type: //p'; }
for name in with-extension.pwdb without-extension; do
    type=$(content_type "$work/files/$name")
    [ "$type" = "$mime_type" ] || fail "$name is recognised as '$type', not $mime_type"
done
for name in note plain; do
    type=$(content_type "$work/files/$name")
    [ "$type" != "$mime_type" ] || fail "$name, no book, is recognised as a book"
done

if [ "$failures" -gt 0 ]; then
    echo "$failures check(s) failed"
    exit 1
fi
echo "installed tree checked: ${#expected[@]} files, validators, file type"
