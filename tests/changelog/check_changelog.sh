#!/usr/bin/env bash
# Fails when the releases written in CHANGELOG.md and what is built from them
# are out of step: the project's version must be the newest release, and the
# Debian changelog and the metainfo's <releases> must give every release, in
# the same order, with its date and as many items.
set -uo pipefail
while [ $# -gt 0 ]; do
    case "$1" in
        --changelog) changelog="$2" ;;
        --version) version="$2" ;;
        --debian) debian="$2" ;;
        --metainfo) metainfo="$2" ;;
        *) echo "unknown option $1" >&2; exit 2 ;;
    esac
    shift 2
done
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

# "VERSION DATE ITEMS" a line, newest first, each read its own way.
from_changelog() {
    awk '/^## / { if (v != "") print v, d, n; v = ""; n = 0 }
         /^## [0-9]/ { v = $2; d = $4 }
         /^- / && v != "" { ++n }
         END { if (v != "") print v, d, n }' "$changelog"
}
from_debian() {
    awk '/^pennywell \(/ { v = $2; gsub(/[()]/, "", v); sub(/-[0-9]+$/, "", v); n = 0 }
         /^  \* / { ++n }
         /^ -- / { sub(/.*>  /, ""); print v, $0, n }' "$debian" |
        while read -r v stamp; do
            items="${stamp##* }"
            echo "$v $(LC_ALL=C date -u -d "${stamp% *}" +%F) $items"
        done
}
from_metainfo() {
    xmllint --xpath '//releases/release' "$metainfo" 2>/dev/null |
        awk '/<release / { match($0, /version="[^"]*"/); v = substr($0, RSTART + 9, RLENGTH - 10)
                           match($0, /date="[^"]*"/); d = substr($0, RSTART + 6, RLENGTH - 7); n = 0 }
             { n += gsub(/<li>/, "") }
             /<\/release>/ { print v, d, n }'
}

expected=$(from_changelog)
[ -n "$expected" ] || fail "$changelog names no release (## VERSION - YYYY-MM-DD)"
newest=$(head -n 1 <<<"$expected" | cut -d' ' -f1)
[ "$newest" = "$version" ] ||
    fail "the project's version is $version, CHANGELOG.md's newest release $newest: write the release there"
awk '/^## / && !/^## Unreleased$/ && !/^## [0-9]+(\.[0-9]+)+ - [0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]$/' "$changelog" | grep . &&
    fail "headings above that are neither \"## Unreleased\" nor a release"

if command -v dpkg-parsechangelog >/dev/null; then
    dpkg-parsechangelog -l "$debian" >/dev/null || fail "dpkg-parsechangelog refuses $debian"
fi
for built in debian metainfo; do
    got=$(from_$built)
    [ "$got" = "$expected" ] || fail "the $built releases differ from CHANGELOG.md's:" \
        $'\n'"CHANGELOG.md (version date items):"$'\n'"$expected"$'\n'"$built:"$'\n'"$got"
done

[ "$failures" -eq 0 ] || exit 1
echo "CHANGELOG.md, the version, the Debian changelog and the metainfo agree: $(tr '\n' ';' <<<"$expected")"
