#!/usr/bin/env bash
# Checks a built krugovik .deb: its dependencies, its files unpacked into a scratch root,
# the unpacked binary's offscreen smoke check, the desktop entry, the AppStream data, and
# lintian (no error; warnings are shown).
set -euo pipefail

deb="$(realpath "$1")"
id=io.github.krugovik.Krugovik
scratch="$(mktemp -d /tmp/krugovik-package.XXXXXX)"
trap 'rm -rf "$scratch"' EXIT

fail() {
    echo "check_package: $*" >&2
    exit 1
}

depends="$(dpkg-deb -f "$deb" Depends)"
echo "Depends: $depends"
for needed in libqt6widgets6 libqt6printsupport6 qt6-qpa-plugins qt6-translations-l10n \
    libqt6sql6-sqlite libsqlite3-0 libzip4 fonts-dejavu-extra; do
    grep -q "$needed" <<<"$depends" || fail "the package does not depend on $needed"
done

root="$scratch/root"
dpkg -x "$deb" "$root"
for file in \
    usr/bin/krugovik \
    "usr/share/applications/$id.desktop" \
    "usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "usr/share/metainfo/$id.metainfo.xml" \
    usr/share/man/man1/krugovik.1.gz \
    usr/share/man/ru/man1/krugovik.1.gz \
    usr/share/doc/krugovik/copyright \
    usr/share/doc/krugovik/changelog.gz \
    usr/share/doc/krugovik/handbook/index.md \
    usr/share/doc/krugovik/handbook/en/index.md \
    usr/share/krugovik/examples/BASE.DAT \
    usr/share/krugovik/examples/KUBOK.TXT \
    usr/share/krugovik/examples/PERVENSTVO.TXT; do
    [ -s "$root/$file" ] || fail "$file is missing or empty"
done
# The manual page is English by default and Russian under the Russian locale.
zcat "$root/usr/share/man/man1/krugovik.1.gz" | grep -q '^\.SH NAME$' ||
    fail "the default manual page is not the English one"
zcat "$root/usr/share/man/ru/man1/krugovik.1.gz" | grep -q '^\.SH ИМЯ$' ||
    fail "the Russian manual page is not the Russian one"
# Every picture the handbook shows, Russian and English, is shipped with it.
for handbook in "$root/usr/share/doc/krugovik/handbook" "$root/usr/share/doc/krugovik/handbook/en"; do
    for picture in $(grep -oh 'images/[A-Za-z0-9_.-]*\.png' "$handbook"/*.md | sort -u); do
        [ -s "$handbook/$picture" ] || fail "the handbook shows $picture, which is not in the package"
    done
done
# Every Russian chapter comes with its English one.
for chapter in "$root"/usr/share/doc/krugovik/handbook/*.md; do
    [ -s "$root/usr/share/doc/krugovik/handbook/en/${chapter##*/}" ] ||
        fail "the handbook's chapter ${chapter##*/} has no English one in the package"
done

# The binary starts from the unpacked tree, in a folder of its own (it creates BASE.DAT).
mkdir "$scratch/run"
(cd "$scratch/run" && QT_QPA_PLATFORM=offscreen KRUGOVIK_SMOKE_CHECK=1 "$root/usr/bin/krugovik") ||
    fail "the unpacked binary's smoke check failed"

desktop-file-validate "$root/usr/share/applications/$id.desktop"
grep -q '^Exec=krugovik --club$' "$root/usr/share/applications/$id.desktop" ||
    fail "the desktop entry does not start krugovik"
# The whole tree, so that the metainfo is checked together with its desktop entry.
appstream="$(appstreamcli validate-tree --no-net "$root" 2>&1)" ||
    { echo "$appstream"; fail "the AppStream data does not validate"; }
echo "$appstream"
! grep -qE '^[[:space:]]*(E|W):' <<<"$appstream" || fail "the AppStream data has errors or warnings"

lintian --fail-on error --tag-display-limit 0 "$deb" || fail "lintian reports errors"
echo "check_package: $(basename "$deb") is fine"
